// The base form: string and multi-line translation, language choice, and the translator
// hook through which the registry and the dialog factory translate a form once it is built.

#include "FakeDictionary.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormRegistry.h"
#include "formbase/FramePlacement.h"
#include "formbase/MultForm.h"
#include "formbase/TranslatorHook.h"
#include "translation/MlTranslator.h"

#include <QLabel>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QtTest>

namespace {
// A form whose constructor sets its texts, as every form does.
class TSampleForm : public TMultilingualForm {
public:
    using TMultilingualForm::ClientArea;
    QLabel* Caption = new QLabel(QStringLiteral("Zeile 1\nZeile 2"), ClientArea());
};
// A style without standard dialog icons.
class TNoIconStyle : public QProxyStyle {
public:
    TNoIconStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap, const QStyleOption* = nullptr, const QWidget* = nullptr) const override
    {
        return {};
    }
};

QRect Available(const QWidget& widget) { return widget.screen()->availableGeometry(); }
}  // namespace

class MultFormTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetFormsDictionary(nullptr); }

    void lineBreaksAreEncodedForTheDictionary()
    {
        QString text = QStringLiteral("eins\r\nzwei\r\ndrei");
        QVERIFY(TMultilingualForm::EncodeLineBreaks(text) && text == QStringLiteral("eins#C#Lzwei#C#Ldrei"));
        QCOMPARE(TMultilingualForm::DecodeLineBreaks(text), QStringLiteral("eins\r\nzwei\r\ndrei"));
        QString lone = QStringLiteral("a\nb\rc");
        QVERIFY(!TMultilingualForm::EncodeLineBreaks(lone) && lone == QStringLiteral("a\nb\rc"));

        FakeDictionary dictionary;
        dictionary.entries.insert(QStringLiteral("Zeile 1#C#LZeile 2"), QStringLiteral("Line 1#C#LLine 2"));
        TSampleForm form;
        form.Translator->SetDictionary(&dictionary);
        QCOMPARE(form.TranslateMultiLine(QStringLiteral("Zeile 1\r\nZeile 2")), QStringLiteral("Line 1\r\nLine 2"));
        QCOMPARE(dictionary.lastKey, QStringLiteral("Zeile 1#C#LZeile 2"));
        // A single line and an empty text are not looked up at all.
        const int lookups = dictionary.lookups;
        QVERIFY(form.TranslateMultiLine(QStringLiteral("Zeile 1")) == QStringLiteral("Zeile 1") && form.TranslateString({}).isEmpty());
        QCOMPARE(dictionary.lookups, lookups);

        // A two-line label (LF in Qt) finds the entry and gets LF back.
        form.TranslatorTranslate(form.Translator, QStringLiteral("Caption"), form.Caption);
        QCOMPARE(form.Caption->text(), QStringLiteral("Line 1\nLine 2"));
    }

    void languagesAreSelectedByPrimaryId()
    {
        TSampleForm form;
        // Without a dictionary texts stay and no language is chosen.
        QVERIFY(form.TranslateString(QStringLiteral("Medium")) == QStringLiteral("Medium") && form.CurrentLanguageId() == 0);
        form.SetLanguageById(9);
        QCOMPARE(form.CurrentLanguageId(), 0);
        FakeDictionary dictionary;
        form.Translator->SetDictionary(&dictionary);
        QCOMPARE(form.CurrentLanguageId(), 7);
        // The native language (index 0) is not searched: German is index 1; unknown: unchanged.
        for (const auto& [id, index, current] : {std::tuple{9, 2, 9}, {7, 1, 7}, {12, 1, 7}}) {
            form.SetLanguageById(id);
            QVERIFY(dictionary.LanguageIndex() == index && form.CurrentLanguageId() == current);
        }
        form.Translator = nullptr;
        QCOMPARE(form.TranslateString(QStringLiteral("Text")), QStringLiteral("Text"));
    }

    // The registry and the factory translate a form after its constructor has set its texts;
    // a shared dictionary reaches every registered form, each translator rooted at its own.
    void formsAreTranslatedOnceBuilt()
    {
        FakeDictionary dictionary;
        dictionary.entries.insert(QStringLiteral("Zeile 1#C#LZeile 2"), QStringLiteral("Line 1#C#LLine 2"));
        TFormRegistry forms;
        TSampleForm* before = forms.CreateForm<TSampleForm>();
        QCOMPARE(before->Caption->text(), QStringLiteral("Zeile 1\nZeile 2"));  // no dictionary yet

        TSampleForm* second = forms.CreateForm<TSampleForm>();
        second->ShareDictionary(&dictionary);
        QCOMPARE(FormsDictionary(), &dictionary);
        for (TMultilingualForm* form : forms.Forms()) {
            QCOMPARE(form->Translator->Dictionary(), &dictionary);
            QCOMPARE(form->Translator->TargetRoot(), static_cast<QObject*>(form));
        }
        QCOMPARE(before->Caption->text(), QStringLiteral("Line 1\nLine 2"));

        QCOMPARE(forms.CreateForm<TSampleForm>()->Caption->text(), QStringLiteral("Line 1\nLine 2"));
        const auto dialog = CreateDialog<TSampleForm>();
        QCOMPARE(dialog->Caption->text(), QStringLiteral("Line 1\nLine 2"));
        QCOMPARE(dialog->Translator->TargetRoot(), static_cast<QObject*>(dialog.get()));
        QVERIFY(TFormRegistry::Lookup<TSampleForm>() == before && before->Panel_BUTTONS->isHidden());
    }

    // OK and Cancel are bitmap buttons: each shows its glyph beside the caption, the
    // style's or, where the style has none, our own.
    void okAndCancelCarryTheirGlyphs()
    {
        for (QStyle* style : {static_cast<QStyle*>(nullptr), static_cast<QStyle*>(new TNoIconStyle)}) {
            const QString before = QApplication::style()->name();
            if (style)
                QApplication::setStyle(style);
            const auto restore = qScopeGuard([&] {
                if (style)
                    QApplication::setStyle(before);
            });
            TSampleForm form;
            QVERIFY(!form.BUT_OK->icon().isNull() && !form.BUT_Cancel->icon().isNull());
            QVERIFY(form.BUT_OK->icon().pixmap(16).toImage() != form.BUT_Cancel->icon().pixmap(16).toImage());
        }
    }

    // A frame is kept inside the screen's available area; one larger than the area keeps
    // its top and left edge (the title bar) inside.
    void framesStayOnTheScreen()
    {
        const QRect area(0, 24, 1600, 976);
        const struct {
            QRect frame;
            QPoint kept;
        } rows[] = {
            {{100, 100, 400, 300}, {100, 100}},   {{-5, -30, 400, 300}, {0, 24}},
            {{1400, 900, 400, 300}, {1200, 700}}, {{100, 10, 400, 1100}, {100, 24}},
            {{-50, 500, 1700, 300}, {0, 500}},    {{0, 24, 1600, 976}, {0, 24}},
        };
        for (const auto& row : rows)
            QCOMPARE(KeepFrameInside(row.frame, area), row.kept);
        QCOMPARE(CentredFrame(QSize(401, 301), area), QPoint(599, 361));
        QCOMPARE(CentredFrame(QSize(800, 1200), area), QPoint(400, 24));
        QCOMPARE(ClientTopLeft(QPoint(400, 24), QMargins(4, 30, 4, 4)), QPoint(404, 54));

        // Before any window has a frame, a form taller than the screen keeps a title bar's
        // height above its client area. (Offscreen, a frameless window has no frame, as a new
        // one has none until the window system frames it.)
        {
            TSampleForm tall;
            tall.setWindowFlags(tall.windowFlags() | Qt::FramelessWindowHint);
            tall.ClientArea()->setFixedHeight(Available(tall).height() + 100);
            tall.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tall));
            QVERIFY(tall.geometry().top() - Available(tall).top() >= tall.style()->pixelMetric(QStyle::PM_TitleBarHeight));
        }

        // A dialog taller than the screen, over a window at the screen's top: its frame
        // starts at the top of the area; a small one is centred on the screen.
        TSampleForm owner;
        owner.move(Available(owner).topLeft());
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        for (const int height : {Available(owner).height() + 100, 100}) {
            TSampleForm form;
            form.setParent(&owner, form.windowFlags());
            form.ClientArea()->setFixedHeight(height);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const QRect frame = form.frameGeometry();
            const QRect area = Available(form);
            QVERIFY2(frame.top() >= area.top() && frame.left() >= area.left(),
                     qPrintable(QStringLiteral("%1,%2").arg(frame.left()).arg(frame.top())));
            if (frame.height() <= area.height()) {
                QVERIFY(std::abs(frame.center().y() - area.center().y()) <= 1);
                QVERIFY(std::abs(frame.center().x() - area.center().x()) <= 1);
            }
        }

        // Shown again after hiding and a change of size, a form is centred again; one that
        // the program moved before its show stays where it was put.
        TSampleForm form;
        form.setParent(&owner, form.windowFlags());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.hide();
        form.ClientArea()->setFixedHeight(300);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.height() > 300 && std::abs(form.frameGeometry().center().y() - Available(form).center().y()) <= 1);
        form.hide();
        const QPoint put = Available(form).topLeft() + QPoint(40, 50);
        form.move(put);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.pos(), put);
    }
};

QTEST_MAIN(MultFormTest)
#include "MultFormTest.moc"
