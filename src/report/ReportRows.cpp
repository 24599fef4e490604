#include "report/ReportRows.h"

#include "calculator/core/FlowProfileLimits.h"
#include "calculator/core/PipeDimensions.h"
#include "calculator/core/QuantityUnits.h"
#include "platform/NumberFormat.h"
#include "transducer/SensorSelection.h"

#include <cmath>

namespace {

// Fills the rows of one report in order; the rules decide removal per row.
class TRowWriter {
public:
    TRowWriter(std::vector<TReportRow>& rows, const TReportOptions& options, const tTranslate& translate)
        : rows_(rows), options_(options), translate_(translate)
    {
    }

    QString T(const QString& text) const { return text.isEmpty() ? text : Translated(translate_, text); }

    // A row whose name and unit are the program's texts and whose value is shown as given.
    TReportRow& Put(int number, const char* name, const QString& value, const QString& unit = {})
    {
        TReportRow& row = rows_[static_cast<std::size_t>(number)];
        row.Number = number;
        row.Name = T(QString::fromUtf8(name));
        row.Value = value;
        row.Unit = T(unit);
        return row;
    }

    // A row of a quantity of the main window: its edit text and unit.
    TReportRow& Quantity(int number, const char* name, const TMeasuringPoint& point, TQuantity quantity)
    {
        return Put(number, name, point.EditText(quantity),
                   UnitName(quantity, point.UnitIndex(quantity)));
    }

    // The library id "[%0.5d]", left out in the partner-brand variant.
    QString LibraryId(int id) const { return options_.Oem ? QString() : Format(QStringLiteral("[%0.5d]"), {id}); }

private:
    std::vector<TReportRow>& rows_;
    const TReportOptions& options_;
    const tTranslate& translate_;
};

// A value of the pipe geometry dialog as its edit shows it.
QString PipeFieldText(const TPipeDimensions& pipe, TPipeField field)
{
    return FloatToStrF(pipe.DisplayValue(field), ffFixed, 15, pipe.UnitDecimals());
}

void PipeRows(TRowWriter& w, const TMeasuringPoint& point, const TReportApplication& app, const TReportOptions& o)
{
    const QString lengthUnit = UnitName(TQuantity::InnerDiameter, point.UnitIndex(TQuantity::InnerDiameter));
    const double lining = point.GetLiningThickness();
    const bool lined = lining > 0.0;
    // The pipe geometry dialog loaded as the report command loads it.
    TPipeDimensions pipe;
    pipe.SetLengthUnit(point.UnitIndex(TQuantity::InnerDiameter));
    pipe.SetGeometry(point.GetInnerDiameterMm(), lining, point.WallThickness);
    w.Put(rrMaterial, "Rohr-Material", app.Material, w.LibraryId(point.GetMaterialId()));
    w.Put(1, "Aussendurchmesser", PipeFieldText(pipe, TPipeField::Outer), lengthUnit);
    w.Put(2, "Wanddicke", PipeFieldText(pipe, TPipeField::Wall), lengthUnit);
    w.Put(rrLining, "Auskleidung", lined ? app.Lining : w.T(QStringLiteral("no lining")),
          lined ? w.LibraryId(point.GetLiningId()) : QString());
    w.Put(rrLiningThickness, "Auskleidungsdicke", PipeFieldText(pipe, TPipeField::Lining), lengthUnit).Remove =
        !lined;
    w.Quantity(5, "DN", point, TQuantity::InnerDiameter);
    w.Quantity(6, "Rauhigkeit", point, TQuantity::Roughness);
    w.Quantity(rrCrossSection, "Querschnitt", point, TQuantity::CrossSection).Remove = o.Oem;
}

void MediumAndFlowRows(TRowWriter& w, const TMeasuringPoint& point, const TReportApplication& app)
{
    w.Put(rrMedium, "_Medium", app.Medium, w.LibraryId(point.GetMediumId()));
    w.Quantity(9, "Temperatur", point, TQuantity::Temperature);
    w.Put(rrPressure, "Druck", point.EditText(TQuantity::Pressure), QStringLiteral("bar")).Remove =
        !point.PressureGroupVisible();
    w.Quantity(11, "Dichte", point, TQuantity::Density);
    w.Quantity(12, "kin. Viskosität", point, TQuantity::KinViscosity);
    w.Quantity(13, "dyn. Viskosität", point, TQuantity::DynViscosity);
    w.Quantity(14, "Strömung", point, TQuantity::Velocity);
    w.Quantity(15, "Volumenfluss", point, TQuantity::VolumeFlow);
    w.Quantity(16, "Massefluss", point, TQuantity::MassFlow);
}

const char* FlowProfileText(double reynolds, double lam, double turb)
{
    if (reynolds <= lam)
        return "full laminar";
    return reynolds >= turb ? "full turbulent" : "laminar/turbulent";
}

// A limit velocity [mm/s] in m/s; a line without one (no diameter) shows 0.
QString LimitVelocityText(double limit, const TMeasuringPoint& point)
{
    const double v = VelocityAtReynolds(limit, point.KinViscosity(), point.InnerDiameter());
    return Format(QStringLiteral("%.3f"), {std::isfinite(v) ? v / 1000.0 : 0.0});
}

void ProfileRows(TRowWriter& w, const TMeasuringPoint& point, const tTranslate& translate)
{
    const TResultPane pane = point.Snapshot(translate).Result;
    const QString velocityUnit = UnitName(TQuantity::Velocity, point.UnitIndex(TQuantity::Velocity));
    const double lam = point.ReynoldsLam();
    const double turb = point.ReynoldsTurb();
    w.Put(rrSeparator, "", QString());
    w.Put(18, "Unkorr. Strömung", point.FormatUncorrectedVelocity(), velocityUnit);
    w.Put(19, "Kalfaktor", pane.Kalfaktor.trimmed());
    w.Put(20, "Reynoldzahl", pane.Reynold.trimmed());
    w.Put(rrFlowProfile, "Flow profile",
          w.T(QString::fromLatin1(FlowProfileText(point.GetReynoldsNumber(), lam, turb))));
    w.Put(22, "Laminare   R*-Schwelle", Format(QStringLiteral("%.0f"), {lam}));
    w.Put(23, "Turbolente R*-Schwelle", Format(QStringLiteral("%.0f"), {turb}));
    w.Put(24, "Laminar    ab v<", LimitVelocityText(lam, point), QStringLiteral("m/s"));
    w.Put(25, "Turbolent  ab v>", LimitVelocityText(turb, point), QStringLiteral("m/s"));
    w.Put(rrSpacer, "", QString());
}

void TransducerRows(TRowWriter& w, const TReportApplication& app)
{
    const QString unknown = QStringLiteral("?");
    const bool none = app.Recommended == 0;
    const QString spacing = app.ResultsValid ? app.Spacing : unknown;
    const QString fixed = app.ResultsValid ? app.FixedSpacing : unknown;
    w.Put(rrRecommended, "Recom. transducer",
          none ? w.T(QStringLiteral("Sorry, no transducer"))
               : (app.RecommendedName.isEmpty() ? unknown : app.RecommendedName));
    // Named only when it differs from the recommendation, so the spacing rows always
    // describe a transducer the report names.
    w.Put(rrSelected, "Selected transducer", app.SelectedName).Remove = none || app.Selected == app.Recommended;
    w.Put(rrSoundPath, "Soundpath", app.Beam + QLatin1Char(' ') + Format(QStringLiteral("(%d)"), {app.SoundPaths}))
        .Remove = none;
    w.Put(rrSpacing, "Transducer distance", spacing, app.LengthUnit).Remove = none;
    w.Put(rrFixedSpacing, "Transducer fixed at", fixed, app.LengthUnit).Remove =
        none || !app.SpacingFixed || fixed == spacing || fixed.isEmpty();
    w.Put(rrFreeSpace, "Free pipe space", app.ResultsValid ? app.FreeSpace : unknown, app.LengthUnit).Remove =
        none;
    const bool valid = app.ResultsValid && !app.TypicalError.isEmpty();
    w.Put(rrTypicalError, "Estimated typ. error", valid ? app.TypicalError : unknown, QStringLiteral("%"))
        .Remove = !app.ErrorEstimation;
}

QString SelectedCaption(const tCodeItems& items)
{
    const int i = items.ItemIndex;
    return i >= 0 && i < static_cast<int>(items.Items.size()) ? items.Items[static_cast<std::size_t>(i)].Caption
                                                              : QString();
}

QString ItemName(const tSensorListing& listing, int item)
{
    return item >= 0 && item < static_cast<int>(listing.Items.size())
               ? listing.Items[static_cast<std::size_t>(item)].Name
               : QString();
}

// The items of the dialog's CBX_ReflDurch.
const char* BeamCaption(tBeamMode mode)
{
    return mode == tBeamMode::Direct ? "Durchstrahlung" : "Reflex";
}

}  // namespace

std::uint8_t ReportSensorType(std::uint8_t storedType, std::uint8_t recommended)
{
    return storedType != 0 ? storedType : recommended;
}

std::uint8_t ReportRecommendedType(const TMeasuringPoint& point, const tApplicationCalc& calc)
{
    return RecommendSensorType(static_cast<std::uint16_t>(point.GetMaterialId()), calc.Listing().OfferedTypes,
                               point.GetInnerDiameterMm(), point.GetTemperature());
}

TReportApplication ReadReportApplication(const tApplicationCalc& calc, std::uint8_t recommended,
                                         const tTranslate& translate)
{
    TReportApplication app;
    app.Material = SelectedCaption(calc.WallItems());
    app.Lining = SelectedCaption(calc.LiningItems());
    app.Medium = SelectedCaption(calc.MediumItems());
    const tSensorListing& listing = calc.Listing();
    app.Recommended = recommended;
    app.RecommendedName = ItemName(listing, ComboIndexOfType(listing, recommended));
    app.Selected = calc.GetSensorTypeCode();
    app.SelectedName = ItemName(listing, calc.SensorItem());
    app.Beam = Translated(translate, QString::fromLatin1(BeamCaption(calc.BeamMode())));
    app.SoundPaths = calc.GetSoundPaths();
    app.ResultsValid = calc.ResultsValid();
    app.Spacing = calc.View().SpacingNumber;
    app.FixedSpacing = calc.View().FixedNumber;
    app.FreeSpace = calc.View().FreeNumber;
    app.LengthUnit = calc.LengthUnitName();
    app.SpacingFixed = calc.SpacingFixed();
    return app;
}

TReportApplication ReportApplicationSteps(const TMeasuringPoint& point, const tApplicationCalc& calc,
                                          const TSelectSensorType& selectType, const tTranslate& translate)
{
    const std::uint8_t recommended = ReportRecommendedType(point, calc);
    if (recommended != 0)
        selectType(ReportSensorType(point.SensorType, recommended));
    return ReadReportApplication(calc, recommended, translate);
}

std::vector<TReportRow> BuildReportRows(const TMeasuringPoint& point, const TReportApplication& application,
                                        const TReportOptions& options, const tTranslate& translate)
{
    std::vector<TReportRow> rows(ReportRowCount);
    TRowWriter writer(rows, options, translate);
    PipeRows(writer, point, application, options);
    MediumAndFlowRows(writer, point, application);
    ProfileRows(writer, point, translate);
    TransducerRows(writer, application);
    if (!options.Details) {
        for (int number : {17, 18, 19, 22, 23, 24, 25})
            rows[static_cast<std::size_t>(number)].Remove = true;
    }
    return rows;
}

std::vector<TReportRow> KeptReportRows(const std::vector<TReportRow>& rows)
{
    std::vector<TReportRow> kept;
    for (const TReportRow& row : rows) {
        if (!row.Remove)
            kept.push_back(row);
    }
    return kept;
}

TReportAlignment ReportCellAlignment(int column, int number)
{
    if (column == 3)
        return TReportAlignment::Center;
    if (column != 2 || number >= ReportRowCount)
        return TReportAlignment::Left;
    switch (number) {
    case 0: case 3: case 8: case 21: case 27: case 28: case 29:
        return TReportAlignment::Center;
    case 17: case 26:
        return TReportAlignment::Left;
    default:
        return TReportAlignment::Right;
    }
}
