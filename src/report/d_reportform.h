#pragma once
// The report: the measuring point and its transducer application as a table (property,
// value, unit) in the sort grid, above the customer fields and remarks; saved as a text
// file or copied to the clipboard. The rows and the text are the report core's
// (ReportRows.h, ReportText.h); this form shows them and keeps the user's fields.

#include "calculator/core/MeasuringPoint.h"
#include "calculator/core/MeasuringPointFile.h"
#include "formbase/MultForm.h"
#include "report/ReportRows.h"
#include "report/ReportText.h"
#include "transducer/ApplicationInput.h"

#include <memory>
#include <vector>

class QAction;
class QFileDialog;
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
    // The fields that travel with the measuring point: editor, customer, location, tag,
    // remarks, panel height, table font and the last file saved. A font record as designed
    // (none read from a file) keeps the designed table font.
    void SetFields(const tReportFileFields& fields);
    tReportFileFields Fields() const;

    // Table font: applied, columns auto-sized and row heights set.
    void SetTableFont(const QFont& font);
    void SetRowHeights();

    // The rows of the last build (removed rows left out).
    const std::vector<TReportRow>& Rows() const { return rows_; }
    // Where the report's date comes from.
    TReportClock Clock;
    // The folder of the last report saved (settings COMMONS LastReport), with its trailing
    // separator; the save dialog starts there when no file names a better one.
    QString LastReportFolder;

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
    // The steps of ACT_SaveToFile: the save dialog, and the save of the chosen file, which
    // reports a failure and, on success, remembers the file and its folder.
    std::unique_ptr<QFileDialog> CreateSaveDialog();
    bool SaveReportTo(const QString& fileName);
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
    void FillGrid();
    void StringGridGetCellFormat(int Col, int Row, TFormatOptions& FormatOptions);
    void RefreshTable();
    int NeededTableWidth() const;
    TReportHeader Header() const;

    TReportSource source_;
    std::vector<TReportRow> rows_;
    bool details_ = false;
    int memoHeight_ = 120;
    tReportFileFields fields_;
};

// The main window's report command: a fresh report form on the source and the fields,
// shown modally; what the user entered and arranged goes back into fields, the folder of a
// report saved into lastReportFolder.
void RunReport(QWidget* parent, const TReportSource& source, bool details, tReportFileFields& fields,
               QString& lastReportFolder);
