#pragma once
// The report as plain text for a file or the clipboard: header lines, the remarks, and the
// table rows that stay, one line each with TAB after every cell. Lines end with CR LF.
//
// Only the program's labels are translated. What the user typed (editor, customer,
// location, tag, remarks) is written verbatim, "%" and "%1" included. In the padded form
// (file) every cell of a column is padded with blanks to the column's longest text,
// counted in characters, on the side its alignment gives; a longer text is never cut. The
// clipboard form is unpadded.

#include "report/ReportRows.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

// The clock the report's date comes from; tests inject a fixed one.
using TReportClock = std::function<QDate()>;

struct TReportHeader {
    QDate Date;
    QString Editor;    // EDI_Bearbeiter
    QString Customer;  // EDI_Kunde
    QString Location;  // EDI_Location
    QString Tag;       // EDI_TAG
    QString Remarks;   // the memo's text, LF line breaks
    bool Oem = false;
    QString ApplicationTitle;  // the partner brand's program name
};

// The date in the short date format of FormatSettings().
QString ReportDateText(const QDate& date);

// The whole report; rows are the table rows as shown (removed rows left out).
QString BuildReportText(const TReportHeader& header, const std::vector<TReportRow>& rows, bool padded,
                        const tTranslate& translate = {});
