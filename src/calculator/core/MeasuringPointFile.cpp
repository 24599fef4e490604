#include "calculator/core/MeasuringPointFile.h"

#include "calculator/core/FlowProfileLimits.h"
#include "calculator/core/PipeDimensions.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "platform/NumberParse.h"
#include "reference/QlvTabels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString Commons = QStringLiteral("COMMONS");
const QString Fixed = QStringLiteral("FIXED");
const QString Pipe = QStringLiteral("PIPE");
const QString PipeFl = QStringLiteral("PIPEFL");
const QString Medium = QStringLiteral("MEDIUM");
const QString Flow = QStringLiteral("FLOW");
const QString MeOrd = QStringLiteral("MEORD");
const QString Transd = QStringLiteral("TRANSD");
const QString Report = QStringLiteral("REPORT");
const QString NormVol = QStringLiteral("NORMVOL");

// MEORD keys in their order, with the quantity whose unit each holds.
struct TUnitKey {
    const char* Key;
    TQuantity Quantity;
};
constexpr TUnitKey UnitKeys[] = {
    {"VELOC", TQuantity::Velocity},   {"VOLUME", TQuantity::VolumeFlow},    {"MASSFL", TQuantity::MassFlow},
    {"IDM", TQuantity::InnerDiameter}, {"QUER", TQuantity::CrossSection},  {"ROUGH", TQuantity::Roughness},
    {"TEMP", TQuantity::Temperature}, {"DICHTE", TQuantity::Density},      {"VISK", TQuantity::KinViscosity},
    {"VISKDYN", TQuantity::DynViscosity}};

// Input ranges the file shares with the dialogs (mm, m/s).
constexpr double MaxSoundSpeed = 20000.0;
constexpr int MaxMemoHeight = 10000;
constexpr int MaxTypeCode = 14;
constexpr int MaxSoundPaths = 8;

QString Key(const char* key)
{
    return QString::fromLatin1(key);
}

// Reads typed values; a key that is there but out of range or unreadable counts as missing
// and is named in the ignored list.
class TPointReader {
public:
    TPointReader(const IniFile& ini, QStringList* ignored) : ini_(ini), ignored_(ignored) {}

    // The value as a hand-edited file may hold it: one pair of enclosing quotes removed.
    std::optional<QString> Text(const QString& section, const QString& key) const
    {
        if (!ini_.ValueExists(section, key))
            return std::nullopt;
        QString value = ini_.ReadString(section, key, QString());
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
            && value.back() == value.front())
            value = value.mid(1, value.size() - 2).trimmed();
        return value;
    }

    std::optional<double> Float(const QString& section, const QString& key, double minimum, double maximum) const
    {
        const auto text = Text(section, key);
        if (!text)
            return std::nullopt;
        QString local = *text;
        const QChar separator = FormatSettings().DecimalSeparator;
        local.replace(QLatin1Char('*'), separator);
        double value = 0.0;
        if (TryStrToFloat(local, value, separator) && std::isfinite(value) && value >= minimum && value <= maximum)
            return value;
        return Ignore(section, key);
    }

    std::optional<double> Quantity(const QString& section, const char* key, TQuantity quantity) const
    {
        const TInputLimits limits = InputLimits(quantity);
        return Float(section, Key(key), limits.Minimum, limits.Maximum);
    }

    std::optional<int> Integer(const QString& section, const QString& key, int minimum, int maximum) const
    {
        const auto text = Text(section, key);
        int value = 0;
        if (!text)
            return std::nullopt;
        if (TryStrToInt(*text, value) && value >= minimum && value <= maximum)
            return value;
        return Ignore(section, key);
    }

    std::optional<bool> Flag(const QString& section, const QString& key) const
    {
        const auto text = Text(section, key);
        int value = 0;
        if (!text)
            return std::nullopt;
        if (TryStrToInt(*text, value))
            return value != 0;
        return Ignore(section, key);
    }

    std::nullopt_t Ignore(const QString& section, const QString& key) const
    {
        if (ignored_)
            ignored_->append(section + QLatin1Char(' ') + key);
        return std::nullopt;
    }

private:
    const IniFile& ini_;
    QStringList* ignored_;
};

template <typename T, typename U>
void Take(T& target, const std::optional<U>& value)
{
    if (value)
        target = static_cast<T>(*value);
}

bool Listed(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// An identifier from a list: one the list does not hold selects its first entry.
void ReadListId(const TPointReader& in, const QString& section, const std::vector<int>& ids, int& target)
{
    if (const auto id = in.Integer(section, QStringLiteral("DESC"), 0, 0xFFFF))
        target = Listed(ids, *id) ? *id : ids.front();
}

void ReadUnits(const TPointReader& in, TMeasuringPointRecord& point)
{
    for (const TUnitKey& unit : UnitKeys) {
        const int count = UnitCount(unit.Quantity);
        Take(point.Units[static_cast<int>(unit.Quantity)], in.Integer(MeOrd, Key(unit.Key), 0, count - 1));
    }
}

// The other medium's own values, each through its setter in turn: a value the file leaves
// out is the one the setters before it left, so density and both viscosities stay coupled.
// A viscosity is taken only when the state it leaves could have come from typed input: it
// lies in its own input range, or the other one it gives through the density does (the
// user typed that one and this one followed), or the file's density and two viscosities
// are coupled as the program writes them (switching the view between density entries
// carries both viscosities beyond their ranges, and such a point must come back too).
// The derived values are checked with a relative slack of 1e-9, far above what the
// written digits and the division can change.
void ReadOwnMedium(const TPointReader& in, TMeasuringPointRecord& point)
{
    constexpr double Slack = 1e-9;
    auto inRange = [](TQuantity quantity, double value, double slack) {
        const TInputLimits limits = InputLimits(quantity);
        return value >= limits.Minimum * (1.0 - slack) && value <= limits.Maximum * (1.0 + slack);
    };
    const auto density = in.Quantity(Medium, "DICHTE", TQuantity::Density);
    if (density) {
        point.Density = *density;
        CoupleViscosities(point.Density, point.DynViscosityVisible, point.KinViscosity, point.DynViscosity);
    }
    const double most = std::numeric_limits<double>::max();
    const auto kin = in.Float(Medium, QStringLiteral("VISK"), 0.0, most);
    const auto dyn = in.Float(Medium, QStringLiteral("VISKDYN"), 0.0, most);
    const bool coupled = density && kin && dyn && *dyn > 0.0
                         && std::fabs(DynFromKinViscosity(*kin, *density) - *dyn) <= *dyn * Slack;
    // One viscosity through its setter, or named as ignored.
    auto take = [&](const QString& key, const std::optional<double>& value, bool dynamic) {
        if (!value)
            return;
        const TQuantity own = dynamic ? TQuantity::DynViscosity : TQuantity::KinViscosity;
        const TQuantity other = dynamic ? TQuantity::KinViscosity : TQuantity::DynViscosity;
        const double follows = dynamic ? KinFromDynViscosity(*value, point.Density)
                                       : DynFromKinViscosity(*value, point.Density);
        if (!coupled && !inRange(own, *value, 0.0) && !inRange(other, follows, Slack)) {
            in.Ignore(Medium, key);
            return;
        }
        (dynamic ? point.DynViscosity : point.KinViscosity) = *value;
        CoupleViscosities(point.Density, dynamic, point.KinViscosity, point.DynViscosity);
    };
    take(QStringLiteral("VISK"), kin, false);
    take(QStringLiteral("VISKDYN"), dyn, true);
}

void ReadMedium(const TPointReader& in, TMeasuringPointRecord& point, bool oemVariant)
{
    Take(point.MediumCUser, in.Float(Medium, QStringLiteral("CUSER"), 0.0, MaxSoundSpeed));
    Take(point.Temperature, in.Quantity(Medium, "TEMP", TQuantity::Temperature));
    Take(point.Pressure, in.Quantity(Medium, "PRESS", TQuantity::Pressure));
    ReadListId(in, Medium, TMeasuringPoint::ListedMediumIds(oemVariant), point.MediumId);
    // A library medium takes its properties from the library, not from the file.
    if (point.MediumId == OtherMediumId)
        ReadOwnMedium(in, point);
    // Any pair is a profile: equal limits leave no blend zone, a lower one above the upper
    // one makes every flow above it turbulent.
    Take(point.ReynoldsLam, in.Float(Medium, QStringLiteral("RMIN"), MinReynoldsLimit, MaxReynoldsLimit));
    Take(point.ReynoldsTurb, in.Float(Medium, QStringLiteral("RMAX"), MinReynoldsLimit, MaxReynoldsLimit));
}

void ReadPipe(const TPointReader& in, TMeasuringPointRecord& point)
{
    Take(point.WallCUser, in.Float(PipeFl, QStringLiteral("WALLCUSER"), 0.0, MaxSoundSpeed));
    Take(point.LiningCUser, in.Float(PipeFl, QStringLiteral("LINCUSER"), 0.0, MaxSoundSpeed));
    ReadListId(in, Pipe, TMeasuringPoint::ListedMaterialIds(), point.MaterialId);
    Take(point.Roughness, in.Quantity(Pipe, "ROUGH", TQuantity::Roughness));
    // The file holds mm, the input 0.1 mm.
    const TInputLimits diameter = InputLimits(TQuantity::InnerDiameter);
    Take(point.InnerDiameterMm,
         in.Float(PipeFl, QStringLiteral("DN"), diameter.Minimum / 10.0, diameter.Maximum / 10.0));
    Take(point.VolumeFlow, in.Quantity(Flow, "VOLUME", TQuantity::VolumeFlow));
    const auto wall = TPipeDimensions::MmLimits(TPipeField::Wall);
    Take(point.WallThickness, in.Float(PipeFl, QStringLiteral("WALL"), wall.Min, wall.Max));
    if (const auto lining = in.Integer(PipeFl, QStringLiteral("LINDESC"), 0, 0xFFFF)) {
        if (Listed(TMeasuringPoint::ListedMaterialIds(), *lining))
            point.LiningId = *lining;
        else
            in.Ignore(PipeFl, QStringLiteral("LINDESC"));
    }
    const auto liningLimits = TPipeDimensions::MmLimits(TPipeField::Lining);
    Take(point.LiningThickness, in.Float(PipeFl, QStringLiteral("LINING"), liningLimits.Min, liningLimits.Max));
}

void ReadReport(const TPointReader& in, const IniFile& ini, tReportFileFields& report, bool fromFile)
{
    IniReadFont(ini, Report, QStringLiteral("Font"), report.Font);
    Take(report.MemoHeight, in.Integer(Report, QStringLiteral("Splitter"), 0, MaxMemoHeight));
    if (!fromFile)
        return;
    Take(report.Editor, in.Text(Report, QStringLiteral("LastEditor")));
    Take(report.Customer, in.Text(Report, QStringLiteral("Kunde")));
    Take(report.Location, in.Text(Report, QStringLiteral("Location")));
    Take(report.Tag, in.Text(Report, QStringLiteral("Tag")));
    if (const auto memo = in.Text(Report, QStringLiteral("Memo")))
        report.Memo = IniDecodeLineBreaks(*memo, tLineBreak::Lf);
    Take(report.SavePath, in.Text(Report, QStringLiteral("SavePath")));
}

void ReadRest(const TPointReader& in, TMeasuringPointRecord& point)
{
    Take(point.NormTemperature, in.Quantity(NormVol, "TEMP", TQuantity::Temperature));
    Take(point.NormPressure, in.Quantity(NormVol, "PRESS", TQuantity::Pressure));
    Take(point.Compressibility, in.Float(NormVol, QStringLiteral("COMPRESS"), 0.1, 10.0));
    point.SensorType = in.Integer(Transd, QStringLiteral("SELCTED"), 0, MaxTypeCode).value_or(0);
    point.SoundPaths = in.Integer(Transd, QStringLiteral("SOUNDPATH"), 0, MaxSoundPaths).value_or(0);
    Take(point.SpacingFixed, in.Flag(Transd, QStringLiteral("FIXED")));
    // The transducers may overlap (a negative spacing): every finite value is a spacing.
    const double most = std::numeric_limits<double>::max();
    if (point.SpacingFixed)
        Take(point.FixedSpacing, in.Float(Transd, QStringLiteral("FIXDIST"), -most, most));
}

void WritePipeAndMedium(IniFile& ini, const TMeasuringPointRecord& p)
{
    ini.WriteInteger(Pipe, QStringLiteral("DESC"), p.MaterialId);
    IniWriteFloat(ini, PipeFl, QStringLiteral("DN"), p.InnerDiameterMm);
    IniWriteFloat(ini, PipeFl, QStringLiteral("LINING"), p.LiningThickness);
    IniWriteFloat(ini, PipeFl, QStringLiteral("WALL"), p.WallThickness);
    IniWriteFloat(ini, PipeFl, QStringLiteral("WALLCUSER"), p.WallCUser);
    IniWriteFloat(ini, PipeFl, QStringLiteral("LINCUSER"), p.LiningCUser);
    ini.WriteInteger(PipeFl, QStringLiteral("LINDESC"), p.LiningId);
    IniWriteFloat(ini, Pipe, QStringLiteral("ROUGH"), p.Roughness);
    ini.WriteInteger(Medium, QStringLiteral("DESC"), p.MediumId);
    IniWriteFloat(ini, Medium, QStringLiteral("TEMP"), p.Temperature);
    IniWriteFloat(ini, Medium, QStringLiteral("PRESS"), p.Pressure);
    IniWriteFloat(ini, Medium, QStringLiteral("DICHTE"), p.Density);
    IniWriteFloat(ini, Medium, QStringLiteral("VISK"), p.KinViscosity);
    IniWriteFloat(ini, Medium, QStringLiteral("VISKDYN"), p.DynViscosity);
    IniWriteFloat(ini, Medium, QStringLiteral("RMIN"), p.ReynoldsLam);
    IniWriteFloat(ini, Medium, QStringLiteral("RMAX"), p.ReynoldsTurb);
    IniWriteFloat(ini, Medium, QStringLiteral("CUSER"), p.MediumCUser);
}

void WriteFlowAndRest(IniFile& ini, const TMeasuringPointRecord& p, const tReportFileFields& r)
{
    IniWriteFloat(ini, Flow, QStringLiteral("VELOC"), p.Velocity);
    IniWriteFloat(ini, Flow, QStringLiteral("VOLUME"), p.VolumeFlow);
    IniWriteFloat(ini, Flow, QStringLiteral("MASSFL"), p.MassFlow);
    for (const TUnitKey& unit : UnitKeys)
        ini.WriteInteger(MeOrd, Key(unit.Key), p.Units[static_cast<int>(unit.Quantity)]);
    ini.WriteInteger(Transd, QStringLiteral("SELCTED"), p.SensorType);
    ini.WriteInteger(Transd, QStringLiteral("SOUNDPATH"), p.SoundPaths);
    ini.WriteBool(Transd, QStringLiteral("FIXED"), p.SpacingFixed);
    IniWriteFloat(ini, Transd, QStringLiteral("FIXDIST"), p.FixedSpacing);
    ini.WriteString(Report, QStringLiteral("LastEditor"), r.Editor);
    ini.WriteString(Report, QStringLiteral("Kunde"), r.Customer);
    ini.WriteString(Report, QStringLiteral("Location"), r.Location);
    ini.WriteString(Report, QStringLiteral("Tag"), r.Tag);
    ini.WriteString(Report, QStringLiteral("Memo"), IniEncodeLineBreaks(r.Memo));
    ini.WriteInteger(Report, QStringLiteral("Splitter"), r.MemoHeight);
    ini.WriteString(Report, QStringLiteral("SavePath"), r.SavePath);
    IniWriteFont(ini, Report, QStringLiteral("Font"), r.Font);
    IniWriteFloat(ini, NormVol, QStringLiteral("TEMP"), p.NormTemperature);
    IniWriteFloat(ini, NormVol, QStringLiteral("PRESS"), p.NormPressure);
    IniWriteFloat(ini, NormVol, QStringLiteral("COMPRESS"), p.Compressibility);
}

}  // namespace

void WriteMeasuringPoint(IniFile& ini, const TMeasuringPointRecord& point, const tReportFileFields& report,
                         const QString& createdBy)
{
    ini.WriteString(QStringLiteral("COMMON_INFO"), QStringLiteral("CREATED_BY"), createdBy);
    ini.WriteString(QStringLiteral("COMMON_INFO"), QStringLiteral("SIGNATUR"), MeasuringPointSignature);
    ini.WriteBool(Commons, QStringLiteral("VISKDYN"), point.DynViscosityVisible);
    ini.WriteBool(Fixed, QStringLiteral("PIPE"), point.Hold == THold::CrossSection);
    ini.WriteBool(Fixed, QStringLiteral("VELOC"), point.Hold == THold::Velocity);
    ini.WriteBool(Fixed, QStringLiteral("VOLUME"), point.Hold == THold::Volume);
    WritePipeAndMedium(ini, point);
    WriteFlowAndRest(ini, point, report);
}

void ReadMeasuringPoint(const IniFile& ini, TMeasuringPointRecord& point, tReportFileFields& report,
                        bool fromFile, bool oemVariant, QStringList* ignored)
{
    const TPointReader in(ini, ignored);
    Take(point.DynViscosityVisible, in.Flag(Commons, QStringLiteral("VISKDYN")));
    ReadUnits(in, point);
    ReadMedium(in, point, oemVariant);
    ReadPipe(in, point);
    ReadReport(in, ini, report, fromFile);
    ReadRest(in, point);
}

bool LoadMeasuringPoint(TMeasuringPoint& point, tReportFileFields& report, const IniFile& ini, bool fromFile,
                        bool oemVariant, QString* error, QStringList* ignored)
{
    TMeasuringPointRecord record = point.Record();
    tReportFileFields fields = report;
    ReadMeasuringPoint(ini, record, fields, fromFile, oemVariant, ignored);
    if (!point.Apply(record, error))
        return false;
    report = fields;
    return true;
}

bool LoadDefaultValueFile(TMeasuringPoint& point, tReportFileFields& report, const TDefaValueFile& options,
                          bool oemVariant, QString* error, const tTranslate& translate)
{
    if (!ShouldLoadDefaultFile(options, [](const QString& name) { return QFileInfo(name).isFile(); }))
        return false;
    const auto ini = OpenMeasuringPointFile(options.FileName, error, translate);
    if (!ini || !LoadMeasuringPoint(point, report, *ini, true, oemVariant, error))
        return false;
    if (options.FR_TRANSD)
        point.SensorType = 0;
    if (options.FR_SOUNDPATH)
        point.SoundPaths = 0;
    return true;
}

const QStringList& MeasuringPointSections()
{
    static const QStringList sections = {Commons, Fixed, Pipe, PipeFl, Medium, Flow, MeOrd, Transd, Report, NormVol};
    return sections;
}

bool HoldsMeasuringPoint(const IniFile& ini)
{
    return std::any_of(MeasuringPointSections().begin(), MeasuringPointSections().end(),
                       [&](const QString& section) { return ini.SectionExists(section); });
}

std::optional<QByteArray> ReadBoundedFile(const QString& fileName, qint64 maxBytes, QString* error,
                                          const tTranslate& translate)
{
    auto fail = [&](const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(fileName), reason);
        return std::nullopt;
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > maxBytes)
        return fail(Translated(translate, NotAMeasuringPointFile));
    // Devices and growing files report no reliable size: read one byte past the limit.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > maxBytes)
        return fail(Translated(translate, NotAMeasuringPointFile));
    return bytes;
}

std::optional<IniFile> OpenMeasuringPointFile(const QString& fileName, QString* error, const tTranslate& translate)
{
    const auto bytes = ReadBoundedFile(fileName, MaxMeasuringPointFileSize, error, translate);
    if (!bytes)
        return std::nullopt;
    IniFile ini = IniFile::FromBytes(*bytes);
    if (!HoldsMeasuringPoint(ini)) {
        if (error)
            *error = QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(fileName),
                                                          Translated(translate, NotAMeasuringPointFile));
        return std::nullopt;
    }
    return ini;
}

bool SaveMeasuringPointFile(const QString& fileName, const TMeasuringPointRecord& point,
                            const tReportFileFields& report, const QString& createdBy, QString* error,
                            const tTranslate& translate)
{
    IniFile ini = IniFile::FromBytes(QByteArray());
    WriteMeasuringPoint(ini, point, report, createdBy);
    const QByteArray bytes = ini.ToBytes();
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error)
        *error = Format(Translated(translate, QStringLiteral("Cannot write \"%s\": %s")),
                        {QDir::toNativeSeparators(fileName), file.errorString()});
    return ok;
}
