#pragma once
// The strict number parser for user input and files: optional blanks, an optional sign,
// digits with at most one decimal separator (the current one unless given), an optional
// exponent "e"/"E" with optional sign and digits, optional trailing blanks. At least one
// digit before the exponent. Rejects thousands separators, "nan", "inf", hexadecimal and
// any value that is not finite (such as "1e400").

#include <QChar>
#include <QString>
#include <QStringView>

bool TryStrToFloat(const QString& text, long double& value, QChar decimalSeparator);
bool TryStrToFloat(const QString& text, long double& value);
bool TryStrToFloat(const QString& text, double& value, QChar decimalSeparator);
bool TryStrToFloat(const QString& text, double& value);
// The same on a view, without copying the text (sorting parses many cells).
bool TryStrToFloat(QStringView text, double& value);

// Raises EConvertError ("'<text>' is not a valid floating point value") on failure.
double StrToFloat(const QString& text);

// Decimal integers: optional blanks and sign, digits; "$" or "0x" hexadecimal as the run-time
// library accepts them. Out of 32-bit range fails.
bool TryStrToInt(const QString& text, int& value);
int StrToIntDef(const QString& text, int defaultValue);
// Raises EConvertError ("'<text>' is not a valid integer value") on failure.
int StrToInt(const QString& text);
