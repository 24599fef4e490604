#pragma once
// Shared helpers: the range check of numeric input (without any widget; the adapter in
// CheckEdit.h applies its result to an edit and a label), delimited fields, and the
// locale-independent encoding of floats, multi-line texts and fonts in settings files.

#include <QString>

#include <cstdint>

class IniFile;

// What CheckEditValue wants done to the edit, its label and the user.
struct tCheckEditResult {
    bool Ok = false;
    double Value = 0;             // the value on success, 0 otherwise
    bool ReplaceEmptyText = false;  // the edit was empty: its text becomes "0"
    bool LabelChanged = false;    // LabelCaption / LabelColor apply (only with a label)
    QString LabelCaption;
    std::uint32_t LabelColor = 0;  // 0x00BBGGRR: 0 black, 0x0000FF red
    bool ShowLabel = false;       // make the label visible
    bool Beep = false;            // MessageBeep(0xFFFF)
    bool FocusBack = false;       // return the focus to the edit
};

// Checks the edit text against [minimum, maximum] (both inclusive). The thousands separator
// of FormatSettings() is removed, then the text is parsed with its decimal separator.
// Failures: "MIN: " / "MAX: " + limit (general format, 10 digits) + " " + unit, or
// "SYNTAX ERROR " + unit, in red. Non-finite input ("1e400", "nan", "inf") is a syntax error.
// Without a label a range failure only returns the focus; a syntax failure also beeps.
tCheckEditResult CheckEditValue(const QString& text, double minimum, double maximum,
                                const QString& unit, bool hasLabel);

// Field n (1-based) of text split at delimiter; empty when there are fewer fields.
QString GetDelimitedField(const QString& text, QChar delimiter, std::uint8_t n);
// The number of fields c separates in text: 0 for an empty text, else occurrences + 1.
std::uint8_t MaskChar(const QString& text, QChar c);

// Shortest general float text with "*" in place of the decimal separator ("1*5").
QString FloatToIniStr(double value);
// The reverse; raises EConvertError for a text that is not a number.
double IniStrToFloat(const QString& text);
void IniWriteFloat(IniFile& ini, const QString& section, const QString& key, double value);
// A missing key, "NA" or a text that is not a number gives defaultValue.
double IniReadFloat(const IniFile& ini, const QString& section, const QString& key, double defaultValue);

// Every line break (CR LF, LF or a lone CR) becomes the four characters "~CR~", so a
// multi-line text stays on one line of the file.
QString IniEncodeLineBreaks(const QString& text);
// "~CR~" back to a line break of the caller's kind: CR LF for file text, LF for Qt controls.
enum class tLineBreak { CrLf, Lf };
QString IniDecodeLineBreaks(const QString& text, tLineBreak lineBreak = tLineBreak::CrLf);

// A font as the settings files hold it (the widget layer converts it to and from QFont).
// Style bit numbers and pitch ordinals.
constexpr int fsBold = 0;
constexpr int fsItalic = 1;
constexpr int fsUnderline = 2;
constexpr int fsStrikeOut = 3;
constexpr int fpDefault = 0;
constexpr int fpVariable = 1;
constexpr int fpFixed = 2;
struct tFontRec {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;          // negative: character height in pixels at 96 dpi
    std::int32_t Color = 0;    // 0x00BBGGRR
    int Pitch = fpDefault;
    int Charset = 1;           // DEFAULT_CHARSET
    std::uint8_t Style = 0;    // bit n set: style n (fsBold .. fsStrikeOut)

    friend bool operator==(const tFontRec&, const tFontRec&) = default;
};

// Writes Name,Height,Color,Pitch,Charset followed by ",n" for every style bit n set.
void IniWriteFont(IniFile& ini, const QString& section, const QString& key, const tFontRec& font);
// Reads a font written by IniWriteFont. Each of the five leading fields is taken only when
// it is present and valid; the style is rebuilt from the remaining fields (numbers outside
// 0..3 and bad fields are skipped). A missing or empty key leaves the font unchanged.
void IniReadFont(const IniFile& ini, const QString& section, const QString& key, tFontRec& font);
