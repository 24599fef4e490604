#include "report/d_reportform.h"

#include "calculator/core/ApplicationHandOver.h"
#include "calculator/core/SettingsFile.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "grids/SortGrid.h"
#include "platform/MessageBox.h"
#include "platform/NumberFormat.h"
#include "reference/FontConvert.h"
#include "report/MatchFont.h"
#include "transducer/D_SensorAbstand.h"
#include "transducer/OemVariant.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace {

constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clBlue = 0xFF0000;
constexpr int FirstDataRow = 1;
// The grid's report row number of a cell, kept as its object.
TGridObject RowObject(int number)
{
    return reinterpret_cast<TGridObject>(static_cast<std::intptr_t>(number));
}

int RowNumberOf(TGridObject object)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(object));
}

TAlignment GridAlignment(TReportAlignment alignment)
{
    switch (alignment) {
    case TReportAlignment::Right:
        return taRightJustify;
    case TReportAlignment::Center:
        return taCenter;
    case TReportAlignment::Left:
        break;
    }
    return taLeftJustify;
}

}  // namespace

TDLG_reportform::TDLG_reportform(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_reportform"));
    setWindowTitle(QStringLiteral("Quelvar Report"));
    // A resizable window, unlike the base form's fixed border.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(423, 303);
    Clock = [] { return QDate::currentDate(); };
    CreateActions();
    CreateGrid();
    CreateMemoPanel();
    CreateButtons();
    ConnectHandlers();
    SetTabOrder();
    FormCreate();
}

TDLG_reportform::~TDLG_reportform() = default;

void TDLG_reportform::CreateActions()
{
    auto action = [this](QAction*& field, const char* name, const QString& text, const QKeySequence& key) {
        CreateControl(field, name, this, text);
        field->setShortcut(key);
        addAction(field);
    };
    action(ACT_TableFont, "ACT_TableFont", QStringLiteral("Schriftart"), {});
    action(ACT_MatchFont, "ACT_MatchFont", QStringLiteral("Match Font"), {});
    action(ACT_SaveToFile, "ACT_SaveToFile", QStringLiteral("&Text-File"), QKeySequence(Qt::CTRL | Qt::Key_S));
    action(ACT_CopyToClipboard, "ACT_CopyToClipboard", QStringLiteral("Zwischenablage"),
           QKeySequence(Qt::CTRL | Qt::Key_C));
    action(ACT_CloseForm, "ACT_CloseForm", QStringLiteral("Schliessen"), QKeySequence(Qt::CTRL | Qt::Key_F4));
}

void TDLG_reportform::CreateGrid()
{
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    CreateControl(Splitter1, "Splitter1", ClientArea(), Qt::Vertical);
    Splitter1->setChildrenCollapsible(false);
    layout->addWidget(Splitter1);

    CreateControl(StringGrid, "StringGrid", Splitter1);
    StringGrid->SetColCount(4);
    StringGrid->SetRowCount(2);
    StringGrid->SetFixedCols(0);
    StringGrid->SetDefaultRowHeight(20);
    StringGrid->SetColor(ColorFromTColor(clSilver));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    StringGrid->setFont(font);
    StringGrid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goColSizing);
    StringGrid->SetScrollBars(ssVertical);
    StringGrid->SortOptions().CanSort = false;
    StringGrid->SortOptions().SortStyle = ssNormal;
    StringGrid->SetAlignmentHorz(taLeftJustify);
    StringGrid->SetAlignmentVert(taMiddle);
    StringGrid->SetBevelStyle(cbNone);
    // The splitter never leaves less than 100 pixels to the table; the panel may always shrink.
    StringGrid->setMinimumHeight(100);
    CreateControl(PopupMenu1, "PopupMenu1", StringGrid);
    PopupMenu1->addActions({ACT_TableFont, ACT_MatchFont});
    StringGrid->SetPopupMenu(PopupMenu1);
}

void TDLG_reportform::CreateMemoPanel()
{
    CreateControl(PAN_MemoUsw, "PAN_MemoUsw", Splitter1);
    PAN_MemoUsw->setMinimumHeight(SplitterMinSize);
    auto* grid = new QGridLayout(PAN_MemoUsw);
    grid->setContentsMargins(2, 2, 2, 2);
    auto field = [this, grid](QLineEdit*& edit, const char* name, const char* labelName, const QString& caption,
                              int row, int column) {
        CreateControl(edit, name, PAN_MemoUsw);
        auto* label = NewControl<QLabel>(labelName, PAN_MemoUsw, caption);
        label->setBuddy(edit);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
    };
    field(EDI_Kunde, "EDI_Kunde", "LAB_Kunde", QStringLiteral("&Kunde:"), 0, 0);
    field(EDI_Bearbeiter, "EDI_Bearbeiter", "LAB_Bearbeiter", QStringLiteral("Be&arbeiter:"), 0, 2);
    field(EDI_Location, "EDI_Location", "LAB_Location", QStringLiteral("&Location:"), 1, 0);
    field(EDI_TAG, "EDI_TAG", "LAB_TAG", QStringLiteral("&TAG:"), 1, 2);
    CreateControl(Memo, "Memo", PAN_MemoUsw);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    Memo->setFont(courier);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(Memo, 2, 0, 1, 4);
    grid->setRowStretch(2, 1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
}

void TDLG_reportform::CreateButtons()
{
    Panel_BUTTONS->show();
    BUT_Cancel->hide();
    BUT_OK->setText(QStringLiteral("Zurueck"));
    BUT_OK->setDefault(false);
    auto* buttons = static_cast<QHBoxLayout*>(Panel_BUTTONS->layout());
    buttons->insertWidget(0, CreateControl(BUT_TextFile, "BUT_TextFile", Panel_BUTTONS, ACT_SaveToFile->text()));
    buttons->insertWidget(1, CreateControl(BUT_ClipBoard, "BUT_ClipBoard", Panel_BUTTONS,
                                           ACT_CopyToClipboard->text()));
    for (QPushButton* button : {BUT_TextFile, BUT_ClipBoard})
        button->setAutoDefault(false);
}

void TDLG_reportform::ConnectHandlers()
{
    StringGrid->OnGetCellFormat = [this](QObject*, int Col, int Row, TGridDrawState, TFormatOptions& FormatOptions,
                                         bool&, bool&, bool&) { StringGridGetCellFormat(Col, Row, FormatOptions); };
    connect(ACT_TableFont, &QAction::triggered, this, [this] { ACT_TableFontExecute(); });
    connect(ACT_MatchFont, &QAction::triggered, this, [this] { ACT_MatchFontExecute(); });
    connect(ACT_SaveToFile, &QAction::triggered, this, [this] { ACT_SaveToFileExecute(); });
    connect(ACT_CopyToClipboard, &QAction::triggered, this, [this] { ACT_CopyToClipboardExecute(); });
    connect(ACT_CloseForm, &QAction::triggered, this, [this] { done(1); });
    connect(BUT_TextFile, &QPushButton::clicked, ACT_SaveToFile, &QAction::trigger);
    connect(BUT_ClipBoard, &QPushButton::clicked, ACT_CopyToClipboard, &QAction::trigger);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { memoHeight_ = PAN_MemoUsw->height(); });
}

void TDLG_reportform::SetTabOrder()
{
    SetTabChain({StringGrid, EDI_Kunde, EDI_Bearbeiter, EDI_Location, EDI_TAG, Memo, BUT_TextFile, BUT_ClipBoard,
                 BUT_OK});
}

void TDLG_reportform::FormCreate()
{
    TMultilingualForm::FormCreate();
    if (IsOemVariant)
        setWindowTitle(Format(TranslateString(QStringLiteral(" %s Report")), {QCoreApplication::applicationName()}));
}

// ---------------------------------------------------------------- building the table

TReportApplication TDLG_reportform::RunApplication() const
{
    // A fresh dialog used as a calculator, never shown; freed however the build ends.
    const auto dialog = CreateDialog<TDLG_SensorAbstand>(nullptr);
    dialog->LoadSetup(MakeApplicationSetup(source_.Point, source_.Materials, source_.Media));
    TReportApplication application = ReportApplicationSteps(
        source_.Point, dialog->Calc(), [&dialog](std::uint8_t code) { dialog->SelectSensorType(code); },
        [this](const QString& text) { return TranslateString(text); });
    application.ErrorEstimation = source_.Point.ErrorEstimation != 0;
    if (application.ErrorEstimation) {
        dialog->PrepareErrorEstimation();
        dialog->GetTypicalErrorText(application.TypicalError);
    }
    return application;
}

void TDLG_reportform::BuildReport(bool Details)
{
    details_ = Details;
    const TReportOptions options{Details, IsOemVariant != 0};
    rows_ = KeptReportRows(BuildReportRows(source_.Point, RunApplication(), options,
                                           [this](const QString& text) { return TranslateString(text); }));
    FillGrid();
    RefreshTable();
}

void TDLG_reportform::FillGrid()
{
    StringGrid->BeginUpdate();
    const auto bracket = qScopeGuard([this] { StringGrid->EndUpdate(); });
    StringGrid->SetFixedCols(1);
    StringGrid->ClearGrid();
    StringGrid->SetRowCount(FirstDataRow + std::max<int>(1, static_cast<int>(rows_.size())));
    for (int row = 0; row < StringGrid->RowCount(); ++row) {
        for (int col = 0; col < StringGrid->ColCount(); ++col) {
            StringGrid->SetCells(col, row, QString());
            StringGrid->SetObjects(col, row, nullptr);
        }
    }
    const char* titles[] = {"Eigenschaft", "Wert", "[ME]"};
    for (int col = 1; col <= 3; ++col)
        StringGrid->SetCells(col, 0, TranslateString(QString::fromLatin1(titles[col - 1])));
    int gridRow = FirstDataRow;
    for (const TReportRow& row : rows_) {
        const QString texts[] = {row.Name, row.Value, row.Unit};
        for (int col = 1; col <= 3; ++col) {
            StringGrid->SetCells(col, gridRow, texts[col - 1]);
            StringGrid->SetObjects(col, gridRow, RowObject(row.Number));
        }
        ++gridRow;
    }
}

void TDLG_reportform::StringGridGetCellFormat(int Col, int Row, TFormatOptions& FormatOptions)
{
    FormatOptions.Font = StringGrid->font();
    if (Row == 0)
        FormatOptions.FontColor = ColorFromTColor(clBlue);
    if (Col == 2 || Col == 3) {
        const TReportAlignment alignment = ReportCellAlignment(Col, RowNumberOf(StringGrid->Objects(Col, Row)));
        // The empty separator rows keep the grid's own alignment.
        if (Col == 3 || alignment != TReportAlignment::Left)
            FormatOptions.AlignmentHorz = GridAlignment(alignment);
    }
}

void TDLG_reportform::SetRowHeights()
{
    const int text = QFontMetrics(StringGrid->font()).height();
    for (int row = 0; row < StringGrid->RowCount(); ++row)
        StringGrid->SetRowHeights(row, std::max(4, text) + (row == 0 ? 4 : 0));
}

void TDLG_reportform::RefreshTable()
{
    StringGrid->viewport()->update();
    StringGrid->AutoSizeColumns(true);
    SetRowHeights();
}

void TDLG_reportform::showEvent(QShowEvent* event)
{
    TMultilingualForm::showEvent(event);
    RefreshTable();
    SetMemoHeight(memoHeight_);
}

// ---------------------------------------------------------------- fonts

void TDLG_reportform::SetTableFont(const QFont& font)
{
    StringGrid->setFont(font);
    RefreshTable();
}

void TDLG_reportform::ACT_TableFontExecute()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, StringGrid->font(), this, QString(),
                                            QFontDialog::DontUseNativeDialog);
    if (ok)
        SetTableFont(font);
}

int TDLG_reportform::NeededTableWidth() const
{
    int width = 0;
    for (int col = 0; col < StringGrid->ColCount(); ++col)
        width += StringGrid->ColWidths(col) + 1;
    width += StringGrid->ColCount() * (StringGrid->GridLineWidth() + 1);
    return width + QFontMetrics(StringGrid->font()).horizontalAdvance(QLatin1Char('X'));
}

void TDLG_reportform::ACT_MatchFontExecute()
{
    // No second run while one is busy; the loop itself processes no events.
    ACT_MatchFont->setEnabled(false);
    const auto enable = qScopeGuard([this] { ACT_MatchFont->setEnabled(true); });
    QFont font = StringGrid->font();
    const int pixels = MatchFontPixels(StringGrid->viewport()->width(), [this, &font](int size) {
        font.setPixelSize(size);
        SetTableFont(font);
        return NeededTableWidth();
    });
    font.setPixelSize(pixels);
    SetTableFont(font);
}

// ---------------------------------------------------------------- text, file, clipboard

TReportHeader TDLG_reportform::Header() const
{
    TReportHeader header;
    header.Date = Clock ? Clock() : QDate::currentDate();
    header.Editor = EDI_Bearbeiter->text();
    header.Customer = EDI_Kunde->text();
    header.Location = EDI_Location->text();
    header.Tag = EDI_TAG->text();
    header.Remarks = Memo->toPlainText();
    header.Oem = IsOemVariant != 0;
    header.ApplicationTitle = QCoreApplication::applicationName();
    return header;
}

QString TDLG_reportform::BuildReportText(bool Padded) const
{
    return ::BuildReportText(Header(), rows_, Padded, [this](const QString& text) { return TranslateString(text); });
}

bool TDLG_reportform::SaveReportFile(const QString& fileName, QString* error) const
{
    QSaveFile file(fileName);
    const QByteArray bytes = BuildReportText(true).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

std::unique_ptr<QFileDialog> TDLG_reportform::CreateSaveDialog()
{
    // The folder of the file this report was last saved to (or a loaded point names), else
    // the folder of the last report saved in any run.
    QString folder = FolderOf(fields_.SavePath);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = LastReportFolder;
    auto dialog =
        std::make_unique<QFileDialog>(this, QString(), folder, TranslateString(QStringLiteral("Text (*.txt)")));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    if (!fields_.SavePath.isEmpty())
        dialog->selectFile(fields_.SavePath);
    return dialog;
}

bool TDLG_reportform::SaveReportTo(const QString& fileName)
{
    QString error;
    if (!SaveReportFile(fileName, &error)) {
        ShowMessage({this, windowTitle(),
                     Format(TranslateString(QStringLiteral("Cannot create file \"%s\". %s")), {fileName, error}),
                     MessageKind::Error});
        return false;
    }
    fields_.SavePath = fileName;
    LastReportFolder = FolderOf(QFileInfo(fileName).absoluteFilePath());
    return true;
}

void TDLG_reportform::ACT_SaveToFileExecute()
{
    const auto dialog = CreateSaveDialog();
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        SaveReportTo(dialog->selectedFiles().constFirst());
}

void TDLG_reportform::ACT_CopyToClipboardExecute()
{
    QGuiApplication::clipboard()->setText(BuildReportText(false));
}

// ---------------------------------------------------------------- panel and state

void TDLG_reportform::SetMemoHeight(int Height)
{
    memoHeight_ = std::min(height() - SplitterMinSize, std::max(SplitterMinSize, Height));
    memoHeight_ = std::max(SplitterMinSize, memoHeight_);
    const int total = Splitter1->height();
    Splitter1->setSizes({std::max(0, total - memoHeight_), memoHeight_});
}

void TDLG_reportform::SetFields(const tReportFileFields& fields)
{
    fields_ = fields;
    EDI_Bearbeiter->setText(fields.Editor);
    EDI_Kunde->setText(fields.Customer);
    EDI_Location->setText(fields.Location);
    EDI_TAG->setText(fields.Tag);
    Memo->setPlainText(fields.Memo);
    if (fields.MemoHeight > 0)
        SetMemoHeight(fields.MemoHeight);
    if (fields.Font != tFontRec())
        SetTableFont(FontFromRec(fields.Font, StringGrid->font()));
}

tReportFileFields TDLG_reportform::Fields() const
{
    tReportFileFields fields = fields_;
    fields.Editor = EDI_Bearbeiter->text();
    fields.Customer = EDI_Kunde->text();
    fields.Location = EDI_Location->text();
    fields.Tag = EDI_TAG->text();
    fields.Memo = Memo->toPlainText();
    fields.MemoHeight = memoHeight_;
    fields.Font = FontRecFromFont(StringGrid->font(), fields_.Font);
    return fields;
}

void RunReport(QWidget* parent, const TReportSource& source, bool details, tReportFileFields& fields,
               QString& lastReportFolder)
{
    const auto form = CreateDialog<TDLG_reportform>(parent);
    form->SetFields(fields);
    form->LastReportFolder = lastReportFolder;
    form->SetSource(source);
    form->BuildReport(details);
    form->ShowDialog();
    fields = form->Fields();
    lastReportFolder = form->LastReportFolder;
}
