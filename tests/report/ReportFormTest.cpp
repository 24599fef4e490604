// The report form: the table from the rows, cell formats, row heights and fonts, the memo
// panel, and the text saved to a file and copied to the clipboard.

#include "report/d_reportform.h"

#include "ModalDriver.h"
#include "ReportTestItems.h"
#include "formbase/DialogFactory.h"
#include "grids/SortGrid.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "platform/MessageBox.h"
#include "transducer/OemVariant.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <memory>

class ReportFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_{std::make_unique<FormatSettingsScope>(TFormatSettings())};
    std::unique_ptr<TDLG_reportform> form_;

    // The grid row that shows a report row (by the number each cell keeps), or -1.
    int GridRowOf(int number) const
    {
        const auto object = reinterpret_cast<TGridObject>(static_cast<std::intptr_t>(number));
        for (int row = 1; row < form_->StringGrid->RowCount(); ++row)
            if (form_->StringGrid->Objects(1, row) == object)
                return row;
        return -1;
    }

    TFormatOptions FormatOf(int col, int row) const
    {
        TFormatOptions format;
        bool check = false, combo = false, ellipsis = false;
        form_->StringGrid->GetCellFormat(col, row, format, check, combo, ellipsis);
        return format;
    }

private slots:
    void init()
    {
        FormatSettings().ShortDateFormat = QStringLiteral("yyyy-MM-dd");
        SetMessageBeepHandler(nullptr);
        form_ = CreateDialog<TDLG_reportform>();
        form_->Clock = [] { return QDate(2026, 12, 7); };
        TMeasuringPoint point;
        point.SetStandardValues();
        form_->SetSource({point, MaterialItems(point), MediumItems(point, false)});
    }

    void tableAndClipboardText()
    {
        for (bool details : {true, false}) {
            form_->BuildReport(details);
            QCOMPARE(form_->StringGrid->RowCount(), 1 + static_cast<int>(form_->Rows().size()));
            // Row 20 moves up without details; its cells keep the formats of report row 20.
            const int reynolds = GridRowOf(20);
            QCOMPARE(reynolds, details ? 19 : 16);
            QCOMPARE(form_->StringGrid->Cells(1, reynolds), QStringLiteral("Reynoldzahl"));
            QCOMPARE(FormatOf(2, reynolds).AlignmentHorz, taRightJustify);
            QCOMPARE(FormatOf(2, GridRowOf(21)).AlignmentHorz, taCenter);
        }
        const QStringList titles{"Eigenschaft", "Wert", "[ME]"};
        for (int col = 1; col <= 3; ++col)
            QCOMPARE(form_->StringGrid->Cells(col, 0), titles[col - 1]);
        QCOMPARE(FormatOf(1, 0).FontColor, QColor(0, 0, 255));
        // The text comes from the rows and the form's fields and clock.
        form_->EDI_Bearbeiter->setText(QStringLiteral("A. Reiter %1"));
        form_->ACT_CopyToClipboard->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, form_->BuildReportText(false));
        QVERIFY(copied.contains(QStringLiteral("\r\nDatum:\t2026-12-07\r\nVon  :\tA. Reiter %1\r\n")));
        QVERIFY(copied.contains(QStringLiteral("\r\nReynoldzahl\t101,297.0\t\t\r\n")));
    }

    void rowHeightsMemoPanelAndMatchFont()
    {
        form_->resize(700, 500);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->BuildReport(false);
        TSortGrid* grid = form_->StringGrid;
        const int small = grid->RowHeights(1);
        form_->SetMemoHeight(5);
        QCOMPARE(form_->GetMemoHeight(), TDLG_reportform::SplitterMinSize);
        form_->SetMemoHeight(100000);
        QCOMPARE(form_->GetMemoHeight(), form_->height() - TDLG_reportform::SplitterMinSize);
        // Match font: the table now reaches the grid's width with the font that stayed.
        form_->ACT_MatchFont->trigger();
        int needed = QFontMetrics(grid->font()).horizontalAdvance(QLatin1Char('X'));
        for (int col = 0; col < grid->ColCount(); ++col)
            needed += grid->ColWidths(col) + 1 + grid->GridLineWidth() + 1;
        QVERIFY(needed >= grid->viewport()->width() && grid->font().pixelSize() > 13);
        QVERIFY(form_->ACT_MatchFont->isEnabled());  // ready for the next run
        // The row heights follow the font; the title row is 4 pixels higher.
        QVERIFY(grid->RowHeights(1) > small);
        QCOMPARE(grid->RowHeights(0), grid->RowHeights(1) + 4);
    }

    // The remarks reach the copied and the saved report, line by line and verbatim.
    void textForFileAndClipboard()
    {
        form_->BuildReport(false);
        form_->Memo->setPlainText(QStringLiteral("50% full\nsecond"));
        const QString remarks = QStringLiteral("\r\nBemerkungen:\r\n50% full\r\nsecond\r\n\r\nStreckendaten:\r\n");
        form_->ACT_CopyToClipboard->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().contains(remarks));
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("report.txt"));
        QVERIFY(form_->SaveReportTo(name));
        QFile saved(name);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(saved.readAll()).contains(remarks));
    }

    // Fields stored with a measuring point are shown again and come back unchanged.
    void fieldsTravelWithTheMeasuringPoint()
    {
        tReportFileFields fields;
        fields.Editor = QStringLiteral("A. Reiter");
        fields.Tag = QStringLiteral("FT-101");
        fields.Memo = QStringLiteral("line 1\nline 2");
        fields.SavePath = QStringLiteral("/tmp/r.txt");
        form_->SetFields(fields);
        QCOMPARE(form_->Memo->toPlainText(), fields.Memo);
        QCOMPARE(form_->EDI_TAG->text(), fields.Tag);
        const tReportFileFields back = form_->Fields();
        QCOMPARE(back.Editor, fields.Editor);
        QCOMPARE(back.Memo, fields.Memo);
        QCOMPARE(back.SavePath, fields.SavePath);
    }

    // Remarks typed in the report are what the measuring point saved after it holds.
    void editedRemarksAreSavedWithTheMeasuringPoint()
    {
        tReportFileFields fields;
        fields.Memo = QStringLiteral("old remark");
        QString folder;
        TMeasuringPoint point;
        point.SetStandardValues();
        const TReportSource source{point, MaterialItems(point), MediumItems(point, false)};
        const bool shown = RunModal<TDLG_reportform>(
            [&] { RunReport(nullptr, source, false, fields, folder); },
            [](TDLG_reportform& form) {
                form.Memo->setFocus(Qt::OtherFocusReason);
                form.Memo->selectAll();
                QTest::keyClicks(form.Memo, QStringLiteral("Valve 80%"));
                QTest::keyClick(form.Memo, Qt::Key_Return);
                QTest::keyClicks(form.Memo, QStringLiteral("Flange"));
                form.BUT_OK->click();
            });
        QVERIFY(shown);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("point.QVR"));
        QString error;
        QVERIFY(SaveMeasuringPointFile(name, point.Record(), fields, QString(), &error));
        const auto ini = OpenMeasuringPointFile(name, &error);
        QVERIFY(ini);
        TMeasuringPointRecord record = point.Record();
        tReportFileFields saved;
        ReadMeasuringPoint(*ini, record, saved, true, false);
        QCOMPARE(saved.Memo, QStringLiteral("Valve 80%\nFlange"));
    }

    // The save dialog starts in the last report folder; a save replaces a file only with a
    // complete one, reports a failure once and remembers the folder of a success.
    void saveStartsInTheLastReportFolder()
    {
        form_->BuildReport(true);
        QTemporaryDir dir;
        int errors = 0;
        SetMessageHook([&errors](const MessageRequest& r) { return errors += r.kind == MessageKind::Error, true; });
        const auto unhook = qScopeGuard([] { SetMessageHook(nullptr); });
        // A name with room for the file but not for the save's temporary file beside it.
        QFile kept(dir.filePath(QString(246, QLatin1Char('r')) + QStringLiteral(".txt")));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("old report") > 0);
        kept.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const QString good = dir.filePath(QStringLiteral("sub/report.txt"));
        form_->LastReportFolder = dir.path() + QLatin1Char('/');
        for (const QString& name : {kept.fileName(), good}) {
            const auto dialog = form_->CreateSaveDialog();
            QCOMPARE(dialog->directory(), QDir(dir.path()));
            QCOMPARE(RunModal(*dialog, [&] { dialog->selectFile(name); static_cast<QDialog&>(*dialog).done(1); }), 1);
            QCOMPARE(form_->SaveReportTo(dialog->selectedFiles().value(0)), name == good);
        }
        QCOMPARE(errors, 1);
        const auto content = [](QFile&& f) { return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); };
        QCOMPARE(content(QFile(kept.fileName())), QByteArray("old report"));
        QCOMPARE(content(QFile(good)), form_->BuildReportText(true).toUtf8());
        QCOMPARE(form_->LastReportFolder, dir.filePath(QStringLiteral("sub/")));
        QCOMPARE(form_->Fields().SavePath, good);
        QString error;  // the reason of a failure is told
        QVERIFY(!form_->SaveReportFile(dir.filePath(QStringLiteral("missing/report.txt")), &error) && !error.isEmpty());
    }

    void partnerCaptionAndFields()
    {
        IsOemVariant = 1;
        const auto restore = qScopeGuard([] { IsOemVariant = 0; });
        QCoreApplication::setApplicationName(QStringLiteral("VK_RT"));
        const auto partner = CreateDialog<TDLG_reportform>();
        QCOMPARE(partner->windowTitle(), QStringLiteral(" VK_RT Report"));
        QVERIFY(partner->BuildReportText(false).startsWith(QStringLiteral("----- VK_RT Report  Brandolf----\r\n")));
        // A font as designed keeps the grid's Arial of 13 pixels; a stored one replaces it.
        QCOMPARE(form_->Fields().Font.Height, -13);
        tReportFileFields fields;
        fields.Font = {.Name = QStringLiteral("Arial"), .Height = -17};
        form_->SetFields(fields);
        QCOMPARE(form_->Fields().Font.Height, -17);
    }
};

QTEST_MAIN(ReportFormTest)
#include "ReportFormTest.moc"
