#include "report/ReportText.h"

#include "platform/FormatSettings.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QChar Tab = QLatin1Char('\t');

// Characters as the reader counts them: a surrogate pair is one.
int CharacterCount(const QString& text)
{
    return static_cast<int>(text.toUcs4().size());
}

QString Padded(const QString& text, int width, TReportAlignment alignment)
{
    const int missing = width - CharacterCount(text);
    if (missing <= 0)
        return text;
    const QString blanks(missing, QLatin1Char(' '));
    return alignment == TReportAlignment::Left ? text + blanks : blanks + text;
}

QString Cell(const TReportRow& row, int column)
{
    return column == 1 ? row.Name : (column == 2 ? row.Value : row.Unit);
}

QString TitleLine(const TReportHeader& header)
{
    if (header.Oem)
        return QStringLiteral("----- %1 Report  Brandolf----").arg(header.ApplicationTitle);
    return QStringLiteral("-----Quelvar Report  DU Ultrasonics----");
}

// "label" TAB value; the label alone is translated.
QString FieldLine(const tTranslate& translate, const char* label, const QString& value)
{
    return Translated(translate, QString::fromUtf8(label)) + Tab + value;
}

QStringList RemarkLines(const QString& remarks)
{
    if (remarks.isEmpty())
        return {};
    QStringList lines = remarks.split(QLatin1Char('\n'));
    // A final line break ends the last line; it does not start another.
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString HeaderText(const TReportHeader& header, const tTranslate& translate)
{
    QString text = Translated(translate, TitleLine(header)) + CrLf;
    text += FieldLine(translate, "Datum:", ReportDateText(header.Date)) + CrLf;
    text += FieldLine(translate, "Von  :", header.Editor) + CrLf;
    text += FieldLine(translate, "Kunde:", header.Customer) + CrLf;
    text += FieldLine(translate, "Location:", header.Location) + CrLf;
    text += FieldLine(translate, "Tag:", header.Tag) + CrLf;
    const QStringList remarks = RemarkLines(header.Remarks);
    QString label = Translated(translate, QStringLiteral("Bemerkungen:%s"));
    label.replace(QStringLiteral("%s"), remarks.isEmpty() ? QStringLiteral("\t-") : QString());
    text += label + CrLf;
    for (const QString& line : remarks)
        text += line + CrLf;
    text += CrLf;
    text += Translated(translate, QStringLiteral("Streckendaten:")) + CrLf;
    return text;
}

}  // namespace

QString ReportDateText(const QDate& date)
{
    // The C locale keeps month names independent of the machine.
    return QLocale::c().toString(date, FormatSettings().ShortDateFormat);
}

QString BuildReportText(const TReportHeader& header, const std::vector<TReportRow>& rows, bool padded,
                        const tTranslate& translate)
{
    std::array<int, 3> widths{-1, -1, -1};
    if (padded) {
        for (int column = 1; column <= 3; ++column) {
            int& width = widths[static_cast<std::size_t>(column - 1)];
            width = 0;
            for (const TReportRow& row : rows)
                width = std::max(width, CharacterCount(Cell(row, column)));
        }
    }
    QString text = HeaderText(header, translate);
    for (const TReportRow& row : rows) {
        for (int column = 1; column <= 3; ++column) {
            const int width = widths[static_cast<std::size_t>(column - 1)];
            text += Padded(Cell(row, column), width, ReportCellAlignment(column, row.Number)) + Tab;
        }
        text += CrLf;
    }
    return text;
}
