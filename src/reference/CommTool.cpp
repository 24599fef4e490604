#include "reference/CommTool.h"

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"
#include "platform/NumberParse.h"

#include <cmath>

namespace {
constexpr std::uint32_t LabelBlack = 0x000000;
constexpr std::uint32_t LabelRed = 0x0000FF;

// A range failure of CheckEditValue.
void RangeFailure(tCheckEditResult& result, const QString& prefix, double limit, const QString& unit,
                  bool hasLabel)
{
    if (hasLabel) {
        result.LabelChanged = true;
        result.LabelCaption = prefix + FloatToStrF(limit, ffGeneral, 10, 0) + QLatin1Char(' ') + unit;
        result.LabelColor = LabelRed;
        result.ShowLabel = true;
        result.Beep = true;
    }
    result.FocusBack = true;
}
}  // namespace

tCheckEditResult CheckEditValue(const QString& text, double minimum, double maximum, const QString& unit,
                                bool hasLabel)
{
    tCheckEditResult result;
    QString input = text;
    if (input.isEmpty()) {
        input = QStringLiteral("0");
        result.ReplaceEmptyText = true;
    }
    const TFormatSettings& settings = FormatSettings();
    input.remove(settings.ThousandSeparator);

    double value = 0;
    if (!TryStrToFloat(input, value, settings.DecimalSeparator) || !std::isfinite(value)) {
        result.Beep = true;
        if (hasLabel) {
            result.LabelChanged = true;
            result.LabelCaption = QStringLiteral("SYNTAX ERROR ") + unit;
            result.LabelColor = LabelRed;
            result.ShowLabel = true;
        }
        result.FocusBack = true;
        return result;
    }
    if (value > maximum) {
        RangeFailure(result, QStringLiteral("MAX: "), maximum, unit, hasLabel);
        return result;
    }
    if (value < minimum) {
        RangeFailure(result, QStringLiteral("MIN: "), minimum, unit, hasLabel);
        return result;
    }
    if (hasLabel) {
        result.LabelChanged = true;
        result.LabelCaption.clear();
        result.LabelColor = LabelBlack;
    }
    result.Value = value;
    result.Ok = true;
    return result;
}

QString GetDelimitedField(const QString& text, QChar delimiter, std::uint8_t n)
{
    if (text.isEmpty())
        return QString();
    int cut = 0;
    qsizetype start = 0;
    QString current;
    while (cut < n) {
        const qsizetype pos = text.indexOf(delimiter, start);
        if (pos < 0) {
            current = text.mid(start);
            ++cut;
            break;
        }
        current = text.mid(start, pos - start);
        start = pos + 1;
        ++cut;
    }
    return cut < n ? QString() : current;
}

std::uint8_t MaskChar(const QString& text, QChar c)
{
    if (text.isEmpty())
        return 0;
    // The count is a byte, as the callers' field loops expect.
    return static_cast<std::uint8_t>(text.count(c) + 1);
}

QString FloatToIniStr(double value)
{
    QString text = FloatToStr(value);
    text.replace(FormatSettings().DecimalSeparator, QLatin1Char('*'));
    return text;
}

double IniStrToFloat(const QString& text)
{
    QString local = text;
    local.replace(QLatin1Char('*'), FormatSettings().DecimalSeparator);
    return StrToFloat(local);
}

void IniWriteFloat(IniFile& ini, const QString& section, const QString& key, double value)
{
    ini.WriteString(section, key, FloatToIniStr(value));
}

double IniReadFloat(const IniFile& ini, const QString& section, const QString& key, double defaultValue)
{
    const QString text = ini.ReadString(section, key, QStringLiteral("NA"));
    if (text == QLatin1String("NA"))
        return defaultValue;
    try {
        return IniStrToFloat(text);
    } catch (const EConvertError&) {
        return defaultValue;
    }
}

QString IniEncodeLineBreaks(const QString& text)
{
    static const QString Marker = QStringLiteral("~CR~");
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            result += Marker;
        } else if (c == QLatin1Char('\n')) {
            result += Marker;
        } else {
            result += c;
        }
    }
    return result;
}

QString IniDecodeLineBreaks(const QString& text, tLineBreak lineBreak)
{
    QString result = text;
    result.replace(QStringLiteral("~CR~"),
                   lineBreak == tLineBreak::CrLf ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    return result;
}

void IniWriteFont(IniFile& ini, const QString& section, const QString& key, const tFontRec& font)
{
    QString value = font.Name + QLatin1Char(',') + QString::number(font.Height) + QLatin1Char(',')
        + QString::number(font.Color) + QLatin1Char(',') + QString::number(font.Pitch) + QLatin1Char(',')
        + QString::number(font.Charset);
    for (int bit = fsBold; bit <= fsStrikeOut; ++bit) {
        if ((font.Style & (1u << bit)) != 0)
            value += QLatin1Char(',') + QString::number(bit);
    }
    ini.WriteString(section, key, value);
}

void IniReadFont(const IniFile& ini, const QString& section, const QString& key, tFontRec& font)
{
    const QString value = ini.ReadString(section, key, QString());
    if (value.isEmpty())
        return;
    const QChar comma = QLatin1Char(',');
    const QString name = GetDelimitedField(value, comma, 1);
    if (!name.isEmpty())
        font.Name = name;
    int number = 0;
    if (TryStrToInt(GetDelimitedField(value, comma, 2), number))
        font.Height = number;
    if (TryStrToInt(GetDelimitedField(value, comma, 3), number))
        font.Color = number;
    if (TryStrToInt(GetDelimitedField(value, comma, 4), number) && number >= fpDefault && number <= fpFixed)
        font.Pitch = number;
    if (TryStrToInt(GetDelimitedField(value, comma, 5), number) && number >= 0 && number <= 255)
        font.Charset = number;
    std::uint8_t style = 0;
    const std::uint8_t fields = MaskChar(value, comma);
    for (int n = 6; n <= fields; ++n) {
        if (TryStrToInt(GetDelimitedField(value, comma, static_cast<std::uint8_t>(n)), number)
            && number >= fsBold && number <= fsStrikeOut)
            style = static_cast<std::uint8_t>(style | (1u << number));
    }
    font.Style = style;
}
