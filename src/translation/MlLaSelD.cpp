#include "translation/MlLaSelD.h"

#include "formbase/FormKit.h"
#include "translation/MlDictio.h"
#include "translation/MlTranslator.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

TMlLanguageSelectDialog::TMlLanguageSelectDialog(QWidget* parent, TMlDictionary* dictionary, const QString& caption,
                                                 int helpContext, unsigned options)
    : QDialog(parent), helpContext_(helpContext)
{
    setObjectName(QStringLiteral("MlLanguageSelectDialog"));
    CreateControls();
    if (!caption.isEmpty())
        setWindowTitle(caption);
    HelpButton->setHidden(helpContext == 0);
    Translator->SetDictionary(dictionary);
    if (!(options & mlsoNativeNames))
        Translator->Targets.Add({QString(), QStringLiteral("Items"), 0});
    ListLanguages(*dictionary, options);
    ConnectHandlers();
    Translator->Attach();
    for (int row = 0; row < ListBox->count(); ++row)
        if (ListBox->item(row)->data(Qt::UserRole).toInt() == dictionary->LanguageIndex())
            ListBox->setCurrentRow(row);
    // OK with nothing selected would have no language to give back.
    OkButton->setEnabled(ListBox->currentRow() >= 0);
}

void TMlLanguageSelectDialog::CreateControls()
{
    setWindowTitle(QStringLiteral("Select Language"));
    setFixedSize(256, 136);
    CreateControl(ListBox, "ListBox", this);
    ListBox->setGeometry(8, 8, 161, 121);
    CreateControl(OkButton, "OkButton", this, QStringLiteral("OK"));
    OkButton->setGeometry(176, 8, 75, 25);
    OkButton->setDefault(true);
    CreateControl(CancelButton, "CancelButton", this, QStringLiteral("Cancel"));
    CancelButton->setGeometry(176, 40, 75, 25);
    CreateControl(HelpButton, "HelpButton", this, QStringLiteral("&Help"));
    HelpButton->setGeometry(176, 72, 75, 25);
    Translator = new TMlTranslator(this);
    Translator->DictionaryName = QStringLiteral("Dictionary1");
    Translator->Targets.Add({QString(), QStringLiteral("Hint"), 0});
    Translator->Targets.Add({QString(), QStringLiteral("Caption"), 0});
    ListBox->setFocus(Qt::OtherFocusReason);
}

void TMlLanguageSelectDialog::ListLanguages(const TMlDictionary& dictionary, unsigned options)
{
    const int first = dictionary.LanguageCount() > 0 && dictionary.PrimaryLanguageId(0) == 0 ? 1 : 0;
    for (int index = first; index < dictionary.LanguageCount(); ++index) {
        const TMlLanguage language = dictionary.LanguageItem(index);
        if (dictionary.CheckLevel == mlclCodePage && !(options & mlsoAllLanguages) &&
            !TMlDictionary::IsLanguageSupportedByCodePage(language))
            continue;
        if (dictionary.CheckLevel == mlclSystem && !TMlDictionary::IsLanguageSupportedBySystem(language))
            continue;
        auto* item = new QListWidgetItem((options & mlsoNativeNames) ? language.NativeName : language.EnglishName, ListBox);
        item->setData(Qt::UserRole, index);
    }
}

void TMlLanguageSelectDialog::ConnectHandlers()
{
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
    connect(ListBox, &QListWidget::itemDoubleClicked, this, [this] { ListBoxDblClick(); });
    connect(ListBox, &QListWidget::currentRowChanged, this, [this](int row) { OkButton->setEnabled(row >= 0); });
}

int TMlLanguageSelectDialog::SelectedLanguage() const
{
    const QListWidgetItem* item = ListBox->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

void TMlLanguageSelectDialog::ListBoxDblClick()
{
    if (SelectedLanguage() >= 0)
        accept();
}

// The program has no help system; the only help context it passes is 0, which hides the
// button.
void TMlLanguageSelectDialog::HelpButtonClick() {}

bool SelectLanguage(QWidget* reference, TMlDictionary* dictionary, const QString& caption, int& language,
                    int helpContext, unsigned options)
{
    if (!dictionary || !dictionary->IsOpen())
        throw EMlMulti(QStringLiteral("Dictionary is not open\n\rYou must open the dictionary before you can change the language"));
    TMlLanguageSelectDialog dialog(reference, dictionary, caption, helpContext, options);
    if (!(options & mlsoKeepPosition)) {
        std::optional<QRect> over;
        if (reference)
            over = reference->frameGeometry();
        const QScreen* screen = QGuiApplication::primaryScreen();
        dialog.move(CenterOver(over, dialog.frameGeometry().size(), screen ? screen->availableGeometry() : QRect()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedLanguage() < 0)
        return false;
    language = dialog.SelectedLanguage();
    return true;
}
