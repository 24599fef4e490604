#include "translation/MlParser.h"

QString Unescape(const QString& text)
{
    if (!text.contains(QLatin1Char('#')))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('#') || i + 1 >= text.size()) {
            result.append(c);
            continue;
        }
        const QChar next = text.at(i + 1);
        if (next == QLatin1Char('#'))
            result.append(QLatin1Char('#'));
        else if (next == QLatin1Char('C'))
            result.append(QLatin1Char('\r'));
        else if (next == QLatin1Char('L'))
            result.append(QLatin1Char('\n'));
        else if (next == QLatin1Char('T'))
            result.append(QLatin1Char('\t'));
        else {
            result.append(c);
            continue;  // the other character is copied on the next round
        }
        ++i;
    }
    return result;
}

QString Escape(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'#': result.append(QLatin1String("##")); break;
        case u'\r': result.append(QLatin1String("#C")); break;
        case u'\n': result.append(QLatin1String("#L")); break;
        case u'\t': result.append(QLatin1String("#T")); break;
        default: result.append(c);
        }
    }
    return result;
}

TMlStringParser::TMlStringParser(const QString& text, QChar separator, bool whitespace, bool unescape)
    : text_(text), separator_(separator), whitespace_(whitespace), unescape_(unescape)
{
}

bool TMlStringParser::IsStop(QChar c) const
{
    if (whitespace_)
        return c == QLatin1Char(' ') || c == QLatin1Char('\t');
    return c == separator_;
}

QString TMlStringParser::NextToken()
{
    qsizetype stop = pos_;
    while (stop < text_.size() && !IsStop(text_.at(stop)))
        ++stop;
    QString token = text_.mid(pos_, stop - pos_);
    pos_ = stop + 1;
    if (unescape_)
        token = Unescape(token);
    return token;
}

int TMlStringParser::NextInteger()
{
    bool ok = false;
    const int value = NextToken().trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}
