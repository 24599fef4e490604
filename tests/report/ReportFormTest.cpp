// The report form: the table from the rows, cell formats, row heights and fonts, the memo
// panel, and the text written to a file and the clipboard.

#include "report/d_reportform.h"

#include "ReportTestItems.h"
#include "formbase/DialogFactory.h"
#include "grids/SortGrid.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "platform/MessageBox.h"
#include "transducer/OemVariant.h"

#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class ReportFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TDLG_reportform> form_;

    TReportSource StandardSource() const
    {
        TReportSource source;
        source.Point.SetStandardValues();
        source.Materials = MaterialItems(source.Point);
        source.Media = MediumItems(source.Point, false);
        return source;
    }

    // The grid row that shows a report row, or -1.
    int GridRowOf(int number) const
    {
        for (int row = 1; row < form_->StringGrid->RowCount(); ++row) {
            if (form_->StringGrid->Objects(1, row) == reinterpret_cast<TGridObject>(static_cast<std::intptr_t>(number)))
                return row;
        }
        return -1;
    }

    TAlignment AlignmentOf(int col, int row) const
    {
        TFormatOptions format;
        bool check = false, combo = false, ellipsis = false;
        form_->StringGrid->GetCellFormat(col, row, format, check, combo, ellipsis);
        return format.AlignmentHorz;
    }

private slots:
    void init()
    {
        TFormatSettings settings;
        settings.ShortDateFormat = QStringLiteral("yyyy-MM-dd");
        formats_ = std::make_unique<FormatSettingsScope>(settings);
        SetMessageBeepHandler(nullptr);
        form_ = CreateDialog<TDLG_reportform>();
        form_->Clock = [] { return QDate(2026, 12, 7); };
        form_->SetSource(StandardSource());
    }

    void cleanup()
    {
        form_.reset();
        formats_.reset();
    }

    void tableFollowsTheRowsAndKeepsFormatsAfterRemoval()
    {
        TSortGrid* grid = form_->StringGrid;
        for (bool details : {true, false}) {
            form_->BuildReport(details);
            QCOMPARE(grid->RowCount(), 1 + static_cast<int>(form_->Rows().size()));
            QCOMPARE(grid->Cells(2, 0), QStringLiteral("Wert"));
            QCOMPARE(GridRowOf(18) > 0, details);
            // Row 20 moves up without details; its cells keep the formats of report row 20.
            const int reynolds = GridRowOf(20);
            QCOMPARE(reynolds, details ? 19 : 16);
            QCOMPARE(grid->Cells(1, reynolds), QStringLiteral("Reynoldzahl"));
            QCOMPARE(AlignmentOf(2, reynolds), taRightJustify);
            QCOMPARE(AlignmentOf(2, GridRowOf(21)), taCenter);
            QCOMPARE(AlignmentOf(2, GridRowOf(26)), taLeftJustify);
        }
        TFormatOptions title;
        bool check = false, combo = false, ellipsis = false;
        grid->GetCellFormat(1, 0, title, check, combo, ellipsis);
        QCOMPARE(title.FontColor, QColor(0, 0, 255));
        QCOMPARE(title.Font, grid->font());
    }

    void rowHeightsFollowTheFont()
    {
        form_->BuildReport(false);
        TSortGrid* grid = form_->StringGrid;
        const int small = grid->RowHeights(1);
        QVERIFY(small >= 4);
        QCOMPARE(grid->RowHeights(0), small + 4);
        QFont large = grid->font();
        large.setPixelSize(40);
        form_->SetTableFont(large);
        QVERIFY(grid->RowHeights(1) > small);
        QCOMPARE(grid->RowHeights(0), grid->RowHeights(1) + 4);
    }

    void matchFontFillsTheGridAndEnds()
    {
        form_->resize(700, 500);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->BuildReport(false);
        TSortGrid* grid = form_->StringGrid;
        form_->ACT_MatchFont->trigger();
        QVERIFY(form_->ACT_MatchFont->isEnabled());
        // The table now reaches the grid's width with the font that stayed.
        int needed = QFontMetrics(grid->font()).horizontalAdvance(QLatin1Char('X'));
        for (int col = 0; col < grid->ColCount(); ++col)
            needed += grid->ColWidths(col) + 1 + grid->GridLineWidth() + 1;
        QVERIFY(needed >= grid->viewport()->width());
        QVERIFY(grid->font().pixelSize() > 13);
        form_->hide();
    }

    void memoPanelHeightIsClamped()
    {
        form_->resize(500, 400);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->SetMemoHeight(5);
        QCOMPARE(form_->GetMemoHeight(), TDLG_reportform::SplitterMinSize);
        form_->SetMemoHeight(100000);
        QCOMPARE(form_->GetMemoHeight(), form_->height() - TDLG_reportform::SplitterMinSize);
        form_->hide();
    }

    void textForFileAndClipboard()
    {
        form_->BuildReport(false);
        form_->EDI_Bearbeiter->setText(QStringLiteral("A. Reiter %1"));
        form_->Memo->setPlainText(QStringLiteral("50% full\nsecond"));
        // The header comes from the form's fields and clock; the layout is the report text's.
        QVERIFY(form_->BuildReportText(true).contains(QStringLiteral(
            "\r\nDatum:\t2026-12-07\r\nVon  :\tA. Reiter %1\r\n")));
        form_->ACT_CopyToClipboard->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, form_->BuildReportText(false));
        QVERIFY(copied.contains(QStringLiteral("\r\nBemerkungen:\r\n50% full\r\nsecond\r\n")));
        QVERIFY(copied.contains(QStringLiteral("\r\nReynoldzahl\t101,297.0\t\t\r\n")));
    }

    void saveReplacesOnlyWithACompleteFile()
    {
        form_->BuildReport(true);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString good = dir.filePath(QStringLiteral("report.txt"));
        QString error;
        QVERIFY(form_->SaveReportFile(good, &error));
        QFile written(good);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), form_->BuildReportText(true).toUtf8());
        QVERIFY(!form_->SaveReportFile(dir.filePath(QStringLiteral("missing/report.txt")), &error));
        QVERIFY(!error.isEmpty());

        // A name with room for the file but not for the save's temporary file beside it:
        // through the command the failure is reported, once, and the old file stays.
        const QString old = dir.filePath(QString(246, QLatin1Char('r')) + QStringLiteral(".txt"));
        QFile kept(old);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("old report");
        kept.close();
        int errors = 0;
        SetMessageHook([&errors](const MessageRequest& request) {
            errors += request.kind == MessageKind::Error && !request.text.isEmpty();
            return true;
        });
        const auto unhook = qScopeGuard([] { SetMessageHook(nullptr); });
        QTimer::singleShot(0, this, [old] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(old);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        form_->ACT_SaveToFile->trigger();
        QCOMPARE(errors, 1);
        QVERIFY(kept.open(QIODevice::ReadOnly));  // by name again: the file now under it
        QCOMPARE(kept.readAll(), QByteArray("old report"));
    }

    void partnerVariant()
    {
        IsOemVariant = 1;
        const auto restore = qScopeGuard([] { IsOemVariant = 0; });
        QCoreApplication::setApplicationName(QStringLiteral("VK_RT"));
        const auto form = CreateDialog<TDLG_reportform>();
        form->Clock = form_->Clock;
        form->SetSource(StandardSource());
        form->BuildReport(false);
        QCOMPARE(form->windowTitle(), QStringLiteral(" VK_RT Report"));
        QVERIFY(form->BuildReportText(false).startsWith(QStringLiteral("----- VK_RT Report  Brandolf----\r\n")));
    }

    void fieldsTravelWithTheMeasuringPoint()
    {
        QCOMPARE(form_->Fields().Font.Height, -13);  // the designed Arial, 13 pixels
        tReportFileFields fields;
        fields.Memo = QStringLiteral("line 1\nline 2");
        fields.SavePath = QStringLiteral("/tmp/r.txt");
        fields.Font = {.Name = QStringLiteral("Arial"), .Height = -17};
        form_->SetFields(fields);
        QCOMPARE(form_->Fields().Memo, fields.Memo);
        QCOMPARE(form_->Fields().SavePath, fields.SavePath);
        QCOMPARE(form_->Fields().Font.Height, -17);
    }
};

QTEST_MAIN(ReportFormTest)
#include "ReportFormTest.moc"
