// Every form in English and in German, made in one language and switched to the other: no
// text is left untranslated except numbers, unit names and brand names, every menu item has
// a hotkey and none is taken twice; a switch and back gives every text back exactly; a
// dialog made after a switch comes up in the new language.

#include "calculator/forms/AboutQuelvar.h"
#include "calculator/forms/D_DefaulFileOptions.h"
#include "formbase/D_MemoInfo.h"
#include "calculator/forms/D_NormVolume.h"
#include "calculator/forms/InpDiagGrenzen.h"
#include "calculator/forms/InpDruck.h"
#include "calculator/forms/KalfaktorDiagr.h"
#include "calculator/forms/Medieninfo.h"
#include "calculator/forms/NamensListe.h"
#include "charts/ChartView.h"
#include "calculator/mainwindow/StartupForms.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "calculator/mainwindow/XmecalcLanguage.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormRegistry.h"
#include "formbase/TranslatorHook.h"
#include "platform/FormatSettings.h"
#include "report/d_reportform.h"
#include "transducer/D_InputSensorAbstand.h"
#include "transducer/D_MountingInfo.h"
#include "transducer/D_SensorAuswahl.h"
#include "transducer/ErrorModel.h"
#include "translation/MlBinDic.h"

#include <QValueAxis>
#include <QtTest>
#include <QtWidgets>

#include <cstdio>

namespace {

// Every text a user can see on a form, with the control it belongs to. The material and
// medium lists hold the library's names in the name language, not dictionary texts; only
// their first entry is translated.
QStringList VisibleTexts(QWidget* form)
{
    QStringList texts;
    auto add = [&](const QObject* o, const QString& text) {
        if (!text.isEmpty())
            texts << o->objectName() + QLatin1Char('\t') + text;
    };
    add(form, form->windowTitle());
    const auto objects = form->findChildren<QObject*>();
    for (const QObject* o : objects) {
        if (const auto* w = qobject_cast<const QWidget*>(o)) {
            if (w->window() != form && !qobject_cast<const QMenu*>(w))
                continue;
            add(o, w->toolTip());
        }
        if (const auto* label = qobject_cast<const QLabel*>(o))
            add(o, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(o))
            add(o, button->text());
        else if (const auto* group = qobject_cast<const QGroupBox*>(o))
            add(o, group->title());
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(o)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->widget(i), tabs->tabText(i));
        } else if (const auto* menu = qobject_cast<const QMenu*>(o))
            add(o, menu->title());
        else if (const auto* action = qobject_cast<const QAction*>(o))
            add(o, action->text());
        else if (const auto* combo = qobject_cast<const QComboBox*>(o)) {
            const bool library = o->objectName() == QLatin1String("COM_Material") || o->objectName() == QLatin1String("COM_Medium");
            for (int i = 0; i < (library ? std::min(1, combo->count()) : combo->count()); ++i)
                add(o, combo->itemText(i));
        }
    }
    return texts;
}

// A unit name: no blank, and a symbol of a unit or a short lower-case abbreviation.
bool IsUnit(const QString& text)
{
    static const QRegularExpression unit(QStringLiteral("^(\\S*[/³²°*]\\S*|[a-z]{1,5}|US-\\S+)$"));
    return unit.match(text).hasMatch();
}

// Texts that are the same in every language (numbers, units, symbols, brand names), and
// texts that are themselves translations which the code wrote, alone or followed by a
// number and a unit.
bool Allowed(QString text, const QSet<QString>& translations)
{
    static const QRegularExpression valued(QStringLiteral("^(.*?)\\s*[-+]?[0-9][0-9.,']*\\s*(\\S*)$"));
    static const QStringList fixed = QStringLiteral("Quelvar VK_RT =? R*< R*> K Re Q v").split(QLatin1Char(' '));
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('_')))
        text.remove(0, 1);
    if (text.isEmpty() || fixed.contains(text) || IsUnit(text) || translations.contains(text))
        return true;
    const QRegularExpressionMatch m = valued.match(text);
    if (!m.hasMatch() || (!m.captured(2).isEmpty() && !IsUnit(m.captured(2))))
        return false;
    const QString prefix = m.captured(1).trimmed();
    return prefix.isEmpty() || translations.contains(prefix);
}

// The texts the dictionary tagged as missing ("@...@"). The walk tags every text it finds
// no entry for, values the code wrote among them; a tag inside means the code asked for a
// text the dictionary lacks.
QStringList Missing(const QStringList& entries, const QSet<QString>& translations)
{
    QStringList missing;
    for (const QString& entry : entries) {
        QString text = entry.section(QLatin1Char('\t'), 1);
        const bool tagged = text.size() >= 2 && text.startsWith(QLatin1Char('@')) && text.endsWith(QLatin1Char('@'));
        if (tagged)
            text = text.mid(1, text.size() - 2);
        if (text.contains(QLatin1Char('@')) || (tagged && !Allowed(text, translations)))
            missing << entry;
    }
    return missing;
}

// Every text of the dictionary in a language, trimmed: what the code may have written.
QSet<QString> Translations(int language)
{
    auto read = [](const char* name) {
        QFile file(QStringLiteral(":/dictionary/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QSet<QString> texts;
    for (TMlTranslation& t : ReadTranslationData(read("TranslationData.bin"), ReadLanguageData(read("LanguageData.bin")), language, 0).Kept)
        texts << t.Text.trimmed() << t.Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed();
    return texts;
}

// A form's hotkeys in the language in force: per caption (by its place among the form's
// objects) its hotkey (upper case) or none; and the faults: a menu item without one, or one taken twice
// in a menu or on the form with its menu bar.
struct THotkeyScan {
    QMap<QString, QChar> Keys;
    QStringList Faults;
};

THotkeyScan ScanHotkeys(QWidget* form)
{
    THotkeyScan scan;
    QMap<const QObject*, QMap<QChar, QString>> holders;
    auto take = [&](const QObject* scope, const QString& who, const QString& text, bool needed) {
        const qsizetype at = QString(text).replace(QLatin1String("&&"), QLatin1String("  ")).indexOf(QLatin1Char('&'));
        const QChar key = at >= 0 && at + 1 < text.size() ? text[at + 1].toUpper() : QChar();
        scan.Keys[who] = key;
        if (key.isNull() && needed)
            scan.Faults << who + QStringLiteral(" \"") + text + QStringLiteral("\" has no hotkey");
        if (key.isNull())
            return;
        QString& holder = holders[scope][key];
        if (!holder.isEmpty())
            scan.Faults << who + QStringLiteral(" shares ") + key + QStringLiteral(" with ") + holder;
        holder = who;
    };
    const auto objects = form->findChildren<QObject*>();
    for (int i = 0; i < objects.size(); ++i) {
        const QObject* o = objects[i];
        const QString who = QStringLiteral("%1 %2").arg(i).arg(o->objectName());
        const auto* widget = qobject_cast<const QWidget*>(o);
        if (!widget || (widget->window() != form && !qobject_cast<const QMenu*>(o)))
            continue;
        if (qobject_cast<const QMenu*>(o) || qobject_cast<const QMenuBar*>(o)) {
            const QList<QAction*> actions = widget->actions();
            for (int a = 0; a < actions.size(); ++a)
                if (!actions[a]->isSeparator())
                    take(qobject_cast<const QMenuBar*>(o) ? form : o, who + QStringLiteral("/%1").arg(a), actions[a]->text(), true);
        } else if (const auto* label = qobject_cast<const QLabel*>(o)) {
            if (label->buddy())
                take(form, who, label->text(), false);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(o)) {
            take(form, who, button->text(), false);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(o)) {
            take(form, who, group->title(), false);
        }
    }
    return scan;
}

}  // namespace

class FormsTranslationTest : public QObject {
    Q_OBJECT

private slots:
    // As at the program's start: the dictionary opens when the first form is translated.
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>();
        SetUserDefaultLCID(0x0407);
        SetSystemDefaultLCID(0x0407);
        dictionary_ = CreateProgramDictionary();
        forms_ = std::make_unique<TFormRegistry>();
    }

    void cleanup()
    {
        dialogs_.clear();
        forms_.reset();
        SetFormsDictionary(nullptr);
        dictionary_.reset();
        formats_.reset();
    }

    void everyFormTranslatedWithHotkeys_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("made in English") << 2;
        QTest::newRow("made in German") << 1;
    }

    // Made in one language and switched to the other: every text translated; every menu item
    // has a hotkey, every caption that has one in either language has one in both, and none
    // is taken twice in a menu or on a form. Switched back, every text is as it was (tags of
    // missing texts aside: the code writes its values again untagged).
    void everyFormTranslatedWithHotkeys()
    {
        QFETCH(int, language);
        dictionary_->MissingTranslation = mlmtTagNative;
        dictionary_->SetLanguage(language);
        const std::vector<TMultilingualForm*> forms = AllForms();
        std::vector<QStringList> made;
        std::vector<THotkeyScan> first;
        QStringList faults;
        auto name = [&](std::size_t i) { return QLatin1String(forms[i]->metaObject()->className()) + QLatin1Char(' '); };
        for (int current : {language, 3 - language}) {
            dictionary_->SetLanguage(current);
            const QSet<QString> translations = Translations(current);
            for (std::size_t i = 0; i < forms.size(); ++i) {
                const QStringList texts = VisibleTexts(forms[i]);
                const THotkeyScan scan = ScanHotkeys(forms[i]);
                if (made.size() == i) {
                    made.push_back(QStringList(texts).replaceInStrings(QStringLiteral("@"), QString()));
                    first.push_back(scan);
                }
                for (const QString& fault : Missing(texts, translations) + scan.Faults)
                    faults << name(i) + fault;
                for (auto it = scan.Keys.begin(); it != scan.Keys.end(); ++it)
                    if (it.value().isNull() != first[i].Keys.value(it.key()).isNull())
                        faults << name(i) + it.key() + QStringLiteral(" has a hotkey in one language only");
            }
        }
        dictionary_->SetLanguage(language);
        for (std::size_t i = 0; i < forms.size(); ++i) {
            const QStringList texts = VisibleTexts(forms[i]).replaceInStrings(QStringLiteral("@"), QString());
            for (const QString& text : texts + made[i])
                if (texts.count(text) != made[i].count(text))
                    faults << name(i) + text + QStringLiteral(" changed by a switch and back");
        }
        for (const QString& fault : faults)
            std::fprintf(stderr, "%s\n", qPrintable(fault));
        QCOMPARE(faults.size(), 0);
    }

    // A switch takes the new number format (chart axes too; the error diagram paints its left
    // labels itself) and shortcut names at once; a dialog made later comes up translated, and
    // texts the code writes later are in the new language.
    void numbersAndShortcutsFollowTheLanguage()
    {
        dictionary_->SetLanguage(1);
        CreateStartupForms(*forms_);
        DLG_MedienInfo()->Chart1->LeftAxis()->setRange(0.0, 2.0);
        TChartView* errorChart = nullptr;
        for (TMultilingualForm* form : forms_->Forms())
            errorChart = errorChart ? errorChart : form->findChild<TChartView*>(QStringLiteral("ErrChart"));
        QVERIFY(errorChart);
        auto shown = [&] {
            return QStringList({AxisLabelText(*DLG_MedienInfo()->Chart1->LeftAxis(), 1.5), tErrorModel::LeftAxisLabel(-0.25),
                                XmeCalcDlg()->INP_IDM->text(), XmeCalcDlg()->ACT_OpenQVFile->shortcut().toString(QKeySequence::NativeText),
                                XmeCalcDlg()->MainMenu->actions().first()->text(),
                                XmeCalcDlg()->ACT_Beenden->shortcut().toString(QKeySequence::NativeText)});
        };
        QCOMPARE(shown(), QStringList({"1,5", "-0,25", "100,0", "Strg+O", "&Datei", "Alt+F4"}));
        XmeCalcDlg()->SetLanguageById(9);
        QCOMPARE(shown(), QStringList({"1.5", "-0.25", "100.0", "Ctrl+O", "&File", "Alt+F4"}));
        QVERIFY(!errorChart->grab().isNull());  // the labels are painted
        QVERIFY(!XmeCalcDlg()->ACT_SpracheENGLISH->isEnabled() && XmeCalcDlg()->ACT_SpracheGerman->isEnabled());
        QCOMPARE(CreateDialog<TDLG_NormVolume>()->BUT_Cancel->text(), QStringLiteral("Cancel"));
        // The names list writes its language labels through the dictionary, padded as designed.
        DLG_Namensliste()->SetMedium(10001);
        const QTableWidget* names = DLG_Namensliste()->StringGrid1;
        QCOMPARE(QStringList({names->item(0, 0)->text(), names->item(7, 0)->text()}), QStringList({"German      ", "English     "}));
        dictionary_->Close();
        QCOMPARE(shown()[3], QStringLiteral("Strg+O"));
    }

private:
    // The start-up forms and every dialog made on demand.
    std::vector<TMultilingualForm*> AllForms()
    {
        if (dialogs_.empty()) {
            CreateStartupForms(*forms_);
            dialogs_.push_back(CreateDialog<TDLG_DefaultFileOptions>());
            dialogs_.push_back(CreateDialog<TDLG_MemoInfo>());
            dialogs_.push_back(CreateDialog<TAboutBox>());
            dialogs_.push_back(CreateDialog<TDLG_InpDruck>());
            dialogs_.push_back(CreateDialog<TDLG_InputGrenzen>());
            dialogs_.push_back(CreateDialog<TDLG_SensorAuswahl>());
            dialogs_.push_back(CreateDialog<TDLG_MountingInfo>());
            dialogs_.push_back(CreateDialog<TDLG_InputSensorAbstand>());
            dialogs_.push_back(CreateDialog<TDLG_Kalfaktordiagramm>());
            dialogs_.push_back(CreateDialog<TDLG_reportform>());
        }
        std::vector<TMultilingualForm*> all = forms_->Forms();
        for (const auto& dialog : dialogs_)
            all.push_back(dialog.get());
        return all;
    }

    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TMlBinaryDictionary> dictionary_;
    std::unique_ptr<TFormRegistry> forms_;
    std::vector<std::unique_ptr<TMultilingualForm>> dialogs_;
};

QTEST_MAIN(FormsTranslationTest)
#include "FormsTranslationTest.moc"
