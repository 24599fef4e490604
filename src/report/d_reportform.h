#pragma once
// The report: the measuring point and its transducer application as a table (property,
// value, unit) in the sort grid, above the customer fields and remarks; saved as a text
// file or copied to the clipboard. The rows and the text are the report core's
// (ReportRows.h, ReportText.h); this form shows them and keeps the user's fields.

#include "calculator/MeasuringPoint.h"
#include "formbase/MultForm.h"
#include "report/ReportRows.h"
#include "report/ReportText.h"
#include "transducer/ApplicationInput.h"

#include <QFont>

#include <optional>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QWidget;
class TDLG_SensorAbstand;
class TSortGrid;
struct TFormatOptions;

// What the report is built from: the measuring point and the material and medium lists
// as the main window shows them (the application dialog takes its boxes from them).
struct TReportSource {
    TMeasuringPoint Point;
    tCodeItems Materials;
    tCodeItems Media;
};

// What the user entered and arranged, kept from one report to the next.
struct TReportFormState {
    QString Editor;    // EDI_Bearbeiter
    QString Customer;  // EDI_Kunde
    QString Location;  // EDI_Location
    QString Tag;       // EDI_TAG
    QString Memo;      // LF line breaks
    int MemoHeight = 0;              // 0: as designed
    std::optional<QFont> TableFont;  // none: as designed
    QString SavePath;                // the last file saved
};

class TDLG_reportform : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_reportform(QWidget* parent = nullptr);
    ~TDLG_reportform() override;

    void SetSource(const TReportSource& source) { source_ = source; }
    // Fills the table from the source; Details adds the flow-profile rows.
    void BuildReport(bool Details);
    // The report as text: padded columns for a file, unpadded for the clipboard.
    QString BuildReportText(bool Padded) const;
    // Writes the padded report; an existing file is replaced only by a complete one. False,
    // with the reason in *error, when the file cannot be written.
    bool SaveReportFile(const QString& fileName, QString* error) const;

    void SetMemoHeight(int Height);
    int GetMemoHeight() const { return memoHeight_; }
    void SetState(const TReportFormState& state);
    TReportFormState State() const;

    // Table font: applied, columns auto-sized and row heights set.
    void SetTableFont(const QFont& font);
    void SetRowHeights();

    // The rows of the last build (removed rows left out).
    const std::vector<TReportRow>& Rows() const { return rows_; }
    // Where the report's date comes from.
    TReportClock Clock;

    TSortGrid* StringGrid = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* PAN_MemoUsw = nullptr;
    QLineEdit* EDI_Kunde = nullptr;
    QLineEdit* EDI_Bearbeiter = nullptr;
    QLineEdit* EDI_Location = nullptr;
    QLineEdit* EDI_TAG = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QPushButton* BUT_TextFile = nullptr;
    QPushButton* BUT_ClipBoard = nullptr;

    QAction* ACT_TableFont = nullptr;
    QAction* ACT_MatchFont = nullptr;
    QAction* ACT_SaveToFile = nullptr;
    QAction* ACT_CopyToClipboard = nullptr;
    QAction* ACT_CloseForm = nullptr;

    void ACT_TableFontExecute();
    void ACT_MatchFontExecute();
    void ACT_SaveToFileExecute();
    void ACT_CopyToClipboardExecute();

    // The splitter's minimum panel height.
    static constexpr int SplitterMinSize = 32;

protected:
    void FormCreate();
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateGrid();
    void CreateMemoPanel();
    void CreateButtons();
    void ConnectHandlers();
    void SetTabOrder();

    TReportApplication RunApplication() const;
    void LoadApplication(TDLG_SensorAbstand& dialog) const;
    void FillGrid();
    void StringGridGetCellFormat(int Col, int Row, TFormatOptions& FormatOptions);
    void RefreshTable();
    int NeededTableWidth() const;
    TReportHeader Header() const;

    TReportSource source_;
    std::vector<TReportRow> rows_;
    bool details_ = false;
    int memoHeight_ = 120;
    QString savePath_;
};

// The main window's report command: a fresh report form on the source, shown modally; the
// user's fields and arrangement are kept for the next report.
void RunReport(QWidget* parent, const TReportSource& source, bool details);
