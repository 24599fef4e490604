#include "transducer/ApplicationDetail.h"

#include "platform/NumberFormat.h"

#include <array>
#include <cmath>
#include <vector>
#include <numbers>

namespace {

constexpr const char* Dashes = "--------------------------------------------";

// The memo's two ways of taking a line.
class tDetailLines {
public:
    explicit tDetailLines(bool lining) : lining_(lining) {}

    // Without a lining the table drops its fourth column (BETA2); a row without columns
    // keeps its text and gets the four tabs of an empty row.
    void AddTableRow(const QString& row)
    {
        if (lining_) {
            lines_ << row;
            return;
        }
        const QStringList fields = row.split(QLatin1Char('\t'));
        if (fields.size() < 2) {
            lines_ << row + QStringLiteral("\t\t\t\t");
            return;
        }
        QStringList kept;
        for (int i : {0, 1, 2, 4, 5})
            kept << (i < fields.size() ? fields[i] : QString());
        lines_ << kept.join(QLatin1Char('\t'));
    }
    void AddTextLine(const QString& line) { lines_ << line; }
    QStringList Take() { return std::move(lines_); }

private:
    bool lining_;
    QStringList lines_;
};

QString Row(const char* pattern, const std::array<double, QuadrantCount>& v)
{
    return Format(QString::fromUtf8(pattern), {v[0], v[1], v[2], v[3]});
}

template <class F>
std::array<double, QuadrantCount> Each(const tAcousticPath& path, F field, const std::array<double, QuadrantCount>& factor = {1, 1, 1, 1})
{
    std::array<double, QuadrantCount> v{};
    for (int i = 0; i < QuadrantCount; ++i)
        v[i] = field(path.Quadrant(static_cast<tQuadrantId>(i))) * factor[i];
    return v;
}

QString AngleRow(const tAcousticPath& path)
{
    const double degree = std::numbers::pi / 180.0;
    std::array<QString, QuadrantCount> cell;
    cell.fill(QStringLiteral("---------"));
    cell[ALPHA] = Format(QStringLiteral("%9.1f"), {path.Quadrant(ALPHA).angle / degree});
    for (tQuadrantId id : {BETA, BETA2, GAMMA}) {
        if (path.IsTotalReflection(id)) {
            cell[id] = QStringLiteral("TOTALREFL");
            break;
        }
        cell[id] = Format(QStringLiteral("%9.1f"), {path.Quadrant(id).angle / degree});
    }
    return Format(QStringLiteral("Winkel    \t%9s\t%9s\t%9s\t%9s\t°"), {cell[0], cell[1], cell[2], cell[3]});
}

void SinglePass(tDetailLines& out, const tAcousticPath& path)
{
    out.AddTableRow(Format(QStringLiteral("QUADRANT: \t%9s\t%9s\t%9s\t%9s\t"),
                           {"ALPHA(1x)", "BETA(1x)", "BETA2(1x)", "GAMMA(1x)"}));
    out.AddTableRow(Row("Temper    \t%9.1f\t%9.1f\t%9.1f\t%9.1f\t°C", Each(path, [](const tQuadrant& q) { return q.Temper; })));
    out.AddTableRow(AngleRow(path));
    out.AddTableRow(Row("Veloc     \t%9.1f\t%9.1f\t%9.1f\t%9.1f\tm/s", Each(path, [](const tQuadrant& q) { return q.c; })));
    out.AddTableRow(Row("Dicke/Kofs\t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm", Each(path, [](const tQuadrant& q) { return q.Dicke; })));
    out.AddTableRow(Row("Lachs     \t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm", Each(path, [](const tQuadrant& q) { return q.Lachs; })));
    out.AddTableRow(Row("Lpfad     \t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm", Each(path, [](const tQuadrant& q) { return q.Lpfad; })));
    out.AddTableRow(Row("tlauf     \t%9.3f\t%9.3f\t%9.3f\t%9.3f\tµs", Each(path, [](const tQuadrant& q) { return q.tlauf / 1000.0; })));
    out.AddTableRow(QString());
}

void WholePath(tDetailLines& out, const tAcousticPath& path, double T)
{
    const int N = path.Input.SoundPaths;
    const std::array<double, QuadrantCount> f{2, 2, 2, double(N)};
    out.AddTableRow(Format(QStringLiteral("          \t%9s\t%9s\t%9s\t%9s\t"),
                           {"ALPHA(2x)", "BETA(2x)", "BETA2(2x)", Format(QStringLiteral("GAMMA(%dx)"), {N})}));
    out.AddTableRow(Row("Dicke/Kofs\t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm", Each(path, [](const tQuadrant& q) { return q.Dicke; }, f)));
    out.AddTableRow(Row("Lachs     \t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm", Each(path, [](const tQuadrant& q) { return q.Lachs; }, f)));
    out.AddTableRow(Row("Lpfad     \t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm", Each(path, [](const tQuadrant& q) { return q.Lpfad; }, f)));
    out.AddTableRow(Row("tlauf     \t%9.3f\t%9.3f\t%9.3f\t%9.3f\tµs", Each(path, [](const tQuadrant& q) { return q.tlauf / 1000.0; }, f)));
    if (T != 0.0 && std::isfinite(T))
        out.AddTableRow(Row("tlauf_REL \t%9.1f\t%9.1f\t%9.1f\t%9.1f\t%%",
                            Each(path, [T](const tQuadrant& q) { return 100.0 * q.tlauf / T; }, f)));
    out.AddTableRow(QString());
    out.AddTableRow(QString());
    out.AddTableRow(QStringLiteral("--LAUFZEITSUMMEN [µs]--------------"));
}

void Sums(tDetailLines& out, const tAcousticPath& path, double T, bool lining)
{
    const double a = 2.0 * path.Quadrant(ALPHA).tlauf;
    const double b = 2.0 * path.Quadrant(BETA).tlauf;
    const double b2 = 2.0 * path.Quadrant(BETA2).tlauf;
    const double g = path.Input.SoundPaths * path.Quadrant(GAMMA).tlauf;
    struct tSum {
        const char* label;
        double sum;
    };
    const std::vector<tSum> sums = lining
        ? std::vector<tSum>{{"ALPHA                  \t%9.3f", a},
                            {"ALPHA+BETA             \t%9.3f", a + b},
                            {"ALPHA+BETA+BETA2       \t%9.3f", a + b + b2},
                            {"ALPHA+BETA+BETA2+GAMMA \t%9.3f", a + b + b2 + g},
                            {"      BETA+BETA2+GAMMA \t%9.3f", b + b2 + g},
                            {"           BETA2+GAMMA \t%9.3f", b2 + g},
                            {"                 GAMMA \t%9.3f", g}}
        : std::vector<tSum>{{"ALPHA            \t%9.3f", a},
                            {"ALPHA+BETA       \t%9.3f", a + b},
                            {"ALPHA+BETA+GAMMA \t%9.3f", a + b + g},
                            {"      BETA+GAMMA \t%9.3f", b + g},
                            {"           GAMMA \t%9.3f", g}};
    for (const tSum& s : sums)
        out.AddTextLine(Format(QStringLiteral("%s\t%5.1f %%"),
                               {Format(QString::fromLatin1(s.label), {s.sum / 1000.0}), 100.0 * s.sum / T}));
}

void Legend(tDetailLines& out)
{
    for (int i = 0; i < 3; ++i)
        out.AddTableRow(QString());
    for (const char* line : {"--LEGENDE:----------------------------------", "Temper    =Quadrantentemperatur",
                             "Winkel    =LOT-Winkel des Strahls", "Dicke/Kofs=Dicke bzw. Kantenoffset(in ALPHA)",
                             "Veloc     =Schallgeschwindigkeit", "Lachs     =Weg in Rohrachse",
                             "Lpfad     =echte Weglänge (Pfadlänge)", "tlauf     =Signallaufzeit im Quadranten",
                             "tlauf_REL =relative Signallaufzeit im Quadranten", "", "", Dashes})
        out.AddTableRow(QString::fromUtf8(line));
}

void Window(tDetailLines& out, const tAcousticPath& path)
{
    const int w = path.CaptureWindow();
    const double T0 = path.TotalTransitTime();
    out.AddTextLine(Format(QStringLiteral("Fangbereiche OHNE Fensterkorektur @%.1f°C (%d%% of %.3fµs)"),
                           {path.Quadrant(GAMMA).Temper, w, T0 / 1000.0}));
    out.AddTextLine(QString());
    const double tLow = (1.0 - w / 200.0) * T0;
    const double tHigh = (1.0 + w / 200.0) * T0;
    out.AddTextLine(Format(QStringLiteral("WinLow : %9.0f m/s  (%9.3fµs)"), {SoundSpeedForTotalTime(path, tLow), tLow / 1000.0}));
    out.AddTextLine(Format(QStringLiteral("WinHigh: %9.0f m/s  (%9.3fµs)"), {SoundSpeedForTotalTime(path, tHigh), tHigh / 1000.0}));
    out.AddTextLine(QString());
    const tTemperatureRange range = ScanWindowTemperatures(path, tLow, tHigh);
    out.AddTextLine(QStringLiteral("Temperaturbereich OHNE Fensterkorrektur"));
    out.AddTextLine(Format(QStringLiteral("%.0f..%.0f °C"), {range.Low, range.High}));
}

bool TotalTimeInWindow(tAcousticPath& path, double lower, double upper)
{
    path.UpdateQuadrantMedia();
    if (path.ComputeSoundPath() != tPathStatus::Valid)
        return false;
    const double total = path.SumTransitTime();
    return std::isfinite(total) && lower <= total && total <= upper;
}

}  // namespace

double SoundSpeedForTotalTime(const tAcousticPath& path, double t)
{
    const double rest = 2.0 * (path.Quadrant(ALPHA).tlauf + path.Quadrant(BETA).tlauf + path.Quadrant(BETA2).tlauf);
    const double divisor = t - rest;
    if (divisor == 0.0)
        return 0.0;
    const double c = path.Input.SoundPaths * path.Quadrant(GAMMA).Lpfad * 1e6 / divisor;
    return std::isfinite(c) ? c : 0.0;
}

tTemperatureRange ScanWindowTemperatures(tAcousticPath path, double lower, double upper)
{
    const double T0 = path.Input.MediumTemperature;
    tTemperatureRange r{T0, T0};
    if (!std::isfinite(T0))
        return r;
    path.LoadQuadrantProperties();
    // The working range bounds the loops; a catalogue range is a few hundred degrees.
    const double start = std::nearbyint(T0);
    const double from = std::max(std::nearbyint(path.Sensor().Temp.von), -1000.0);
    const double to = std::min(std::nearbyint(path.Sensor().Temp.bis), 1000.0);
    for (double t = start; t >= from; t -= 1.0) {
        path.Input.MediumTemperature = t;
        if (!TotalTimeInWindow(path, lower, upper))
            break;
        r.Low = t;
    }
    for (double t = start; t <= to; t += 1.0) {
        path.Input.MediumTemperature = t;
        if (!TotalTimeInWindow(path, lower, upper))
            break;
        r.High = t;
    }
    if (r.Low > r.High)
        std::swap(r.Low, r.High);
    return r;
}

QStringList ApplicationDetailText(const tAcousticPath& path)
{
    const bool lining = path.Quadrant(BETA2).Dicke != 0.0;
    tDetailLines out(lining);
    const double T = path.SumTransitTime();
    SinglePass(out, path);
    WholePath(out, path, T);
    Sums(out, path, T, lining);
    Legend(out);
    Window(out, path);
    out.AddTableRow(QString());
    out.AddTableRow(QString());
    out.AddTableRow(QString::fromLatin1(Dashes));
    if (path.IsLambdaSmallPipe())
        out.AddTableRow(Format(QStringLiteral("Das Rohr ist ein LAMBDA-SmallPipe (%d/%d)"), {40, 4}));
    return out.Take();
}
