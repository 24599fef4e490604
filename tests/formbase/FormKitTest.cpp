// The form kit: named controls, quantity rows whose columns line up, text that fits.

#include "formbase/FormKit.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class FormKitTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirDesignNames()
    {
        QWidget form;
        QPushButton* BUT_OK = nullptr;
        QAction* ACT_Info = nullptr;
        QPushButton* made = CreateControl(BUT_OK, "BUT_OK", &form, QStringLiteral("OK"));
        CreateControl(ACT_Info, "ACT_Info", &form, QStringLiteral("Info"));
        auto* label = NewControl<QLabel>("LAB_Caption", &form, QStringLiteral("Text"));
        QVERIFY(made == BUT_OK && form.findChild<QPushButton*>("BUT_OK") == BUT_OK && BUT_OK->text() == "OK");
        QVERIFY(form.findChild<QAction*>("ACT_Info") == ACT_Info && ACT_Info->text() == "Info");
        QVERIFY(form.findChild<QLabel*>("LAB_Caption") == label && label->text() == "Text");
    }

    // Rows with and without marker, unit box or panel keep their columns; the marker keeps
    // its place hidden and stands level with the edit's text.
    void quantityRowsLineUp()
    {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        const TRowColumns columns{80, 0, 90, 70, 120};
        const TQuantityRow full =
            CreateQuantityRow(&form, columns, {QStringLiteral("Dichte"), "ResIs_D", "INP_D", "ME_D", "PAN_D"});
        const TQuantityRow bare = CreateQuantityRow(
            &form, columns, {QStringLiteral("Druck"), nullptr, "INP_P", nullptr, nullptr, QStringLiteral("bar")});
        layout->addWidget(full.Row);
        layout->addWidget(bare.Row);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(full.Panel->objectName() == QStringLiteral("PAN_D") && full.Marker->isHidden());
        QVERIFY(!bare.Marker && !bare.Unit && !bare.Panel && bare.UnitText->text() == QStringLiteral("bar"));
        QVERIFY(full.Edit->x() == bare.Edit->x() && full.Unit->x() == bare.UnitText->x() && full.Edit->width() == 90);
        QVERIFY((full.Edit->alignment() & Qt::AlignRight) && (full.Panel->alignment() & Qt::AlignRight));

        const int editX = full.Edit->x();
        full.Marker->show();
        QCoreApplication::processEvents();
        QVERIFY(full.Edit->x() == editX && (full.Marker->alignment() & Qt::AlignVCenter));
        QVERIFY(qAbs(full.Marker->geometry().center().y() - full.Edit->geometry().center().y()) <= 1);
    }

    void widthFitsTheWidestText()
    {
        QLabel panel;
        panel.setFrameShape(QFrame::Panel);
        panel.setFrameShadow(QFrame::Sunken);
        const QStringList texts{QStringLiteral("1.0 m/s"), QStringLiteral("dynamic = 9.9880094E9 mPa*s")};
        panel.setFixedWidth(FitWidth(&panel, texts));
        for (const QString& text : texts) {
            panel.setText(text);
            QVERIFY2(panel.sizeHint().width() <= panel.width(), qPrintable(text));
        }
    }
};

QTEST_MAIN(FormKitTest)
#include "FormKitTest.moc"
