#include "transducer/SketchLayout.h"

#include "platform/NumberFormat.h"
#include "transducer/ApplicationCalc.h"

#include <algorithm>
#include <cmath>

namespace {

// A pixel from a double: NaN and infinities flag the run as broken and give 0; everything
// else is clamped before the conversion, so no value can overflow an int.
struct tPixels {
    bool Finite = true;

    int operator()(double value)
    {
        if (!std::isfinite(value)) {
            Finite = false;
            return 0;
        }
        return static_cast<int>(std::nearbyint(std::clamp(value, -double(SketchPixelLimit), double(SketchPixelLimit))));
    }
};

// A ring of at least 3 px around the inner layer, both kept centred in the wall.
void LayerHeights(tSketchLayout& out, const tSketchInput& in, double k, tPixels& px)
{
    const int H = SketchWallRect.height();
    int hL = std::clamp(px((in.OuterDiameter - 2.0 * in.WallThickness) * k), 0, H);
    int hI = std::clamp(px(in.InnerDiameter * k), 0, H);
    if (in.LiningThickness > 0.0) {
        while (H - hL < 6)
            --hL;
        while (hL - hI < 6)
            --hI;
        out.Lining.Visible = true;
    } else {
        out.Lining.Visible = false;
        while (H - hI < 6)
            --hI;
    }
    hI = std::max(hI, 6);
    hL = std::max(hL, 12);
    if (out.Lining.Visible && (H - hL) % 2 != 0)
        --hL;
    if ((H - hI) % 2 != 0)
        --hI;
    out.Lining.Rect = QRect(SketchLiningRect.left(), SketchWallRect.top() + (H - hL) / 2, SketchLiningRect.width(), hL);
    out.Medium.Rect = QRect(SketchMediumRect.left(), SketchWallRect.top() + (H - hI) / 2, SketchMediumRect.width(), hI);
}

void HeadsAndMode(tSketchLayout& out, const tSketchInput& in, double k, tPixels& px)
{
    const int w = std::max(20, px(k * in.SLen));
    const int h = in.SLen > 0.0 ? px(w * in.Shigh / in.SLen) : 0;
    out.Sender.Rect = QRect(0, SketchWallRect.top() - h, w, h);
    out.Reflex.Rect = QRect(0, out.Sender.Rect.top(), w, h);
    out.Direct.Rect = QRect(0, SketchDirectRect.top(), w, h);
    px.Finite = PositionTransducers(out, in.SpacingFixed ? in.FixedSpacing : in.Spacing, k) && px.Finite;
    const bool odd = in.SoundPaths % 2 != 0;
    out.Direct.Visible = odd;
    out.Reflex.Visible = !odd;
    const bool overlap = out.Reflex.Visible && in.Spacing < 0.0;
    out.Reflex.Fill = overlap ? tSketchFill::DiagCross : tSketchFill::Solid;
    out.Reflex.Colour = overlap ? SketchRed : SketchGrey;
    out.Sender.Fill = overlap ? tSketchFill::DiagCross : tSketchFill::Solid;
}

void MediumPath(tSketchLayout& out, const tSketchInput& in, double k, int x0, tPixels& px)
{
    const tQuadrant& beta = in.Quadrants[BETA];
    const tQuadrant& beta2 = in.Quadrants[BETA2];
    const tQuadrant& gamma = in.Quadrants[GAMMA];
    const double o = beta.Lachs + beta2.Lachs;
    const int bottom = out.Medium.Rect.height() - 2;
    for (int j = 0; j <= std::clamp(in.SoundPaths, 0, 64); ++j)
        out.Medium.Points.emplace_back(px(x0 + (j * gamma.Lachs + o) * k), j % 2 == 0 ? 1 : bottom);
}

// The six points through one ring (wall or lining): in, down the ring, along under the
// inner layers, and out through the top (even N) or the bottom (odd N).
std::vector<QPoint> RingPath(int xIn, int xDown, int xUp, int xOut, int thickness, int height, bool odd)
{
    const int y1 = thickness == 0 ? 1 : thickness;
    std::vector<QPoint> p{{xIn, 0}, {xDown, y1}, {xDown, y1 + 3}, {xUp, y1 + 3}};
    if (odd) {
        p.emplace_back(xUp, height - 1 - thickness);
        p.emplace_back(xOut, height);
    } else {
        p.emplace_back(xUp, y1);
        p.emplace_back(xOut, 0);
    }
    return p;
}

void RingPaths(tSketchLayout& out, const tSketchInput& in, double k, int exit, tPixels& px)
{
    const double bL = in.Quadrants[BETA].Lachs;
    const double b2L = in.Quadrants[BETA2].Lachs;
    const double A = in.SoundPaths * in.Quadrants[GAMMA].Lachs;
    const bool odd = in.SoundPaths % 2 != 0;
    const int x0 = exit - out.Wall.Rect.left();
    out.Wall.Points = RingPath(x0, px(x0 + k * bL), px(x0 + k * (A + bL + 2.0 * b2L)),
                               px(x0 + k * (A + 2.0 * bL + 2.0 * b2L)), px(k * in.Quadrants[BETA].Dicke),
                               out.Wall.Rect.height(), odd);
    if (!out.Lining.Visible)
        return;
    const int xl = exit - out.Lining.Rect.left();
    out.Lining.Points = RingPath(px(xl + k * bL), px(xl + k * (bL + b2L)), px(xl + k * (A + bL + b2L)),
                                 px(xl + k * (A + bL + 2.0 * b2L)), px(k * in.Quadrants[BETA2].Dicke),
                                 out.Lining.Rect.height(), odd);
}

void Hints(tSketchLayout& out, const tSketchInput& in, const tTranslate& tr)
{
    const int d = in.Digits;
    const int d1 = std::max(0, d - 1);
    const double f = in.LengthFactor;
    const QString& unit = in.UnitName;
    const auto& q = in.Quadrants;
    out.Medium.Hint = Format(Translated(tr, QStringLiteral("Innendurchmesser")) + QStringLiteral(" = %.*f %s\n")
                                 + Translated(tr, QStringLiteral("Signallaufzeit %dx Medium")) + QStringLiteral(" = %.1f µs"),
                             {d, in.InnerDiameter * f, unit, in.SoundPaths, in.SoundPaths * q[GAMMA].tlauf * 0.001});
    out.Lining.Hint = Translated(tr, QStringLiteral("Signallaufzeit 2x Auskleidung"))
        + Format(QStringLiteral(" = %.1f µs"), {0.002 * q[BETA2].tlauf});
    out.Wall.Hint = Translated(tr, QStringLiteral("Signallaufzeit 2x Rohrwand"))
        + Format(QStringLiteral(" = %.1f µs"), {0.002 * q[BETA].tlauf});
    out.Sender.Hint = Translated(tr, QStringLiteral("Masze Sensorkopf(LxBxH)"))
        + Format(QStringLiteral(" = %.*fx%.*fx%.*f %s\n"),
                 {d1, in.SLen * f, d1, in.Sbreit * f, d1, in.Shigh * f, unit})
        + Translated(tr, QStringLiteral("Einbaulänge Sensorkopf"))
        + Format(QStringLiteral(" = %.*f %s\n"), {d1, in.SlenBau * f, unit})
        + Translated(tr, QStringLiteral("Signallaufzeit 2x Sensor"))
        + Format(QStringLiteral(" = %.1f µs"), {0.002 * q[ALPHA].tlauf});
    out.Direct.Hint = out.Sender.Hint;
    out.Reflex.Hint = out.Sender.Hint;
}

tTransitTable TransitTable(const tSketchInput& in)
{
    const auto& q = in.Quadrants;
    const double a = q[ALPHA].tlauf * 0.001;
    const double b = q[BETA].tlauf * 0.001;
    const double b2 = q[BETA2].tlauf * 0.001;
    const double g = q[GAMMA].tlauf * 0.001;
    tTransitTable t;
    t.Alpha = Format(QStringLiteral("2x %8.3f"), {a});
    t.Beta = Format(QStringLiteral("2x %8.3f"), {b});
    t.Gamma = Format(QStringLiteral("%dx %8.3f"), {in.SoundPaths, g});
    t.SumAlpha = Format(QStringLiteral("%8.3f"), {2.0 * a});
    // The lining counts in the sums though the table has no row for it.
    t.SumAlphaBeta = Format(QStringLiteral("%8.3f"), {2.0 * (a + b + b2)});
    t.SumAll = Format(QStringLiteral("%8.3f"), {in.SoundPaths * g + 2.0 * (a + b + b2)});
    return t;
}

void FixBox(tSketchLayout& out, const tSketchInput& in, const tTranslate& tr)
{
    if (!in.SpacingFixed) {
        out.FixCaption = Translated(tr, QStringLiteral("Abstand fixieren"));
        return;
    }
    const double f = in.LengthFactor;
    out.FixCaption = Translated(tr, QStringLiteral("Fixed at "))
        + Format(QStringLiteral("%.*f %s"), {in.Digits, in.FixedSpacing * f, in.UnitName});
    if (in.ResultsValid)
        out.FixHint = Translated(tr, QStringLiteral("Abweichung zum Optimum"))
            + Format(QStringLiteral(" = %.*f %s"), {in.Digits, (in.FixedSpacing - in.Spacing) * f, in.UnitName});
}

}  // namespace

bool PositionTransducers(tSketchLayout& layout, double d, double k)
{
    tPixels px;
    QRect& v = layout.Sender.Rect;
    v.moveLeft(SketchWallRect.left() + SketchWallRect.width() / 2 - px(0.5 * k * d) - v.width());
    layout.Reflex.Rect.moveLeft(px(k * d + v.left() + v.width()));
    layout.Direct.Rect.moveLeft(layout.Reflex.Rect.left());
    return px.Finite;
}

tSketchLayout UpdateSketch(const tSketchInput& in, const tTranslate& translate)
{
    tSketchLayout out;
    out.Wall.Rect = SketchWallRect;
    out.Wall.Colour = SketchYellow;
    out.Lining.Colour = SketchGreen;
    out.Medium.Colour = SketchLightBlue;
    out.FixEnabled = in.ResultsValid;
    FixBox(out, in, translate);
    if (!(in.InnerDiameter > 0.001) || !(in.OuterDiameter > 0.0))
        return out;
    out.PipeValid = true;
    out.Wall.Visible = out.Lining.Visible = out.Medium.Visible = true;
    out.Sender.Visible = out.Direct.Visible = out.Reflex.Visible = in.ResultsValid;
    out.Wall.Fill = in.WallThickness == 0.0 ? tSketchFill::DiagCross : tSketchFill::Solid;
    if (!in.ResultsValid)
        return out;  // hints and table stay empty rather than show an earlier state

    out.Geometry = true;
    const double k = SketchWallRect.height() / in.OuterDiameter;
    tPixels px;
    LayerHeights(out, in, k, px);
    HeadsAndMode(out, in, k, px);
    const int exit = out.Sender.Rect.left() + out.Sender.Rect.width() - px(k * in.Kantenoffs);
    MediumPath(out, in, k, exit - out.Medium.Rect.left(), px);
    RingPaths(out, in, k, exit, px);
    if (!px.Finite) {
        out.Wall.Points.clear();
        out.Lining.Points.clear();
        out.Medium.Points.clear();
    }
    Hints(out, in, translate);
    out.Table = TransitTable(in);
    return out;
}

tSketchInput SketchInput(const tApplicationCalc& calc)
{
    const tAcousticPath& path = calc.Path();
    tSketchInput in;
    in.OuterDiameter = calc.GetOuterDiameter();
    in.WallThickness = calc.GetWallThickness();
    in.LiningThickness = calc.GetLiningThickness();
    in.InnerDiameter = calc.GetInnerDiameter();
    in.SoundPaths = calc.GetSoundPaths();
    const tSensorDatenTableItem& sensor = path.Sensor();
    in.SLen = sensor.SLen;
    in.Sbreit = sensor.Sbreit;
    in.Shigh = sensor.Shigh;
    in.SlenBau = sensor.SlenBau;
    in.Kantenoffs = sensor.Kantenoffs;
    for (int i = 0; i < QuadrantCount; ++i)
        in.Quadrants[i] = path.Quadrant(static_cast<tQuadrantId>(i));
    const tPathResult s = path.SpacingForValue(path.Quadrant(GAMMA).c);
    in.Spacing = s.Value;
    in.ResultsValid = calc.ResultsValid() && s.IsValid();
    in.SpacingFixed = calc.SpacingFixed();
    in.FixedSpacing = calc.FixedSpacing();
    in.LengthFactor = calc.LengthFactor();
    in.UnitName = calc.LengthUnitName();
    in.Digits = calc.LengthDigits();
    return in;
}
