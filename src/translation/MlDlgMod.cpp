#include "translation/MlDlgMod.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGroupBox>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QToolButton>

namespace {

// The file list's column headers by the fixed keys; further columns keep their text.
class TMlHeaderProxy : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char* const keys[] = {"Name", "Size", "Type", "Modified", "Attributes"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 5)
            return TranslateDialogKey(QLatin1String(keys[section]));
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

struct TToolTip {
    const char* Button;
    const char* Key;
};

constexpr TToolTip kToolTips[] = {
    {"toParentButton", "Up One Level"}, {"newFolderButton", "Create New Folder"},
    {"listModeButton", "List"},         {"detailModeButton", "Details"},
    {"backButton", "Go To Last Folder Visited"},
};

// A label without a buddy shows an "&" as it is: the accelerator is dropped there ("&&"
// stays one "&").
QString WithoutAccelerator(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

void DropUnusedAccelerators(QFileDialog* dialog)
{
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        if (auto* label = dialog->findChild<QLabel*>(QLatin1String(name)); label && !label->buddy())
            label->setText(WithoutAccelerator(label->text()));
}

void TranslateFileDialog(QFileDialog* dialog, TMlCommonDialog& state)
{
    const bool save = dialog->acceptMode() == QFileDialog::AcceptSave;
    dialog->setLabelText(QFileDialog::LookIn, TranslateDialogKey(save ? QStringLiteral("Save &in:") : QStringLiteral("Look &in:")));
    dialog->setLabelText(QFileDialog::FileName, TranslateDialogKey(QStringLiteral("File &name:")));
    dialog->setLabelText(QFileDialog::FileType,
                         TranslateDialogKey(save ? QStringLiteral("Save as &type:") : QStringLiteral("Files of &type:")));
    DropUnusedAccelerators(dialog);
    // Set once explicitly, the accept button keeps its text in every save dialog.
    dialog->setLabelText(QFileDialog::Accept, TranslateDialogKey(save ? QStringLiteral("&Save") : QStringLiteral("&Open")));
    dialog->setLabelText(QFileDialog::Reject, TranslateDialogKey(QStringLiteral("Cancel")));
    if (!state.OwnTitle)
        dialog->setWindowTitle(TranslateDialogKey(save ? QStringLiteral("Save As") : QStringLiteral("Open")));
    for (const TToolTip& tip : kToolTips)
        if (auto* button = dialog->findChild<QToolButton*>(QLatin1String(tip.Button)))
            button->setToolTip(TranslateDialogKey(QLatin1String(tip.Key)));
    if (!dialog->proxyModel())
        dialog->setProxyModel(new TMlHeaderProxy(dialog));
}

// The font dialog's controls have no names: each is known by the text Qt gave it first,
// in Qt's English or in the language of Qt's catalogue.
QString FontKey(const QString& qtText)
{
    static const std::vector<std::pair<QString, QString>> keys = {
        {QStringLiteral("&Font"), QStringLiteral("&Font:")},
        {QStringLiteral("Font st&yle"), QStringLiteral("Font st&yle:")},
        {QStringLiteral("&Size"), QStringLiteral("&Size:")},
        {QStringLiteral("Effects"), QStringLiteral("Effects")},
        {QStringLiteral("Sample"), QStringLiteral("Sample")},
        {QStringLiteral("Stri&keout"), QStringLiteral("Stri&keout")},
        {QStringLiteral("&Underline"), QStringLiteral("&Underline")},
        {QStringLiteral("Wr&iting System"), QStringLiteral("Sc&ript:")},
        {QStringLiteral("OK"), QStringLiteral("OK")},
        {QStringLiteral("&OK"), QStringLiteral("OK")},
        {QStringLiteral("Cancel"), QStringLiteral("Cancel")},
        {QStringLiteral("&Cancel"), QStringLiteral("Cancel")},
    };
    for (const auto& [source, key] : keys) {
        const QByteArray text = source.toUtf8();
        if (qtText == source || qtText == QCoreApplication::translate("QFontDialog", text.constData()) ||
            qtText == QCoreApplication::translate("QPlatformTheme", text.constData()))
            return key;
    }
    return {};
}

void TranslateFontDialog(QFontDialog* dialog, TMlCommonDialog& state)
{
    if (!state.OwnTitle)
        dialog->setWindowTitle(TranslateDialogKey(QStringLiteral("Font")));
    auto apply = [&](QObject* control, const QString& current, const auto& write) {
        if (!state.Keys.contains(control))
            state.Keys.insert(control, FontKey(current));
        const QString key = state.Keys.value(control);
        if (!key.isEmpty())
            write(TranslateDialogKey(key));
    };
    for (QLabel* label : dialog->findChildren<QLabel*>())
        apply(label, label->text(), [label](const QString& t) { label->setText(t); });
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        apply(button, button->text(), [button](const QString& t) { button->setText(t); });
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>())
        apply(group, group->title(), [group](const QString& t) { group->setTitle(t); });
}

}  // namespace

TMlCommonDialog::TMlCommonDialog(QDialog* dialog) : QObject(dialog)
{
    setObjectName(QStringLiteral("MlCommonDialog"));
    // A title other than Qt's own is the caller's.
    const QString title = dialog->windowTitle();
    if (auto* file = qobject_cast<QFileDialog*>(dialog))
        OwnTitle = !title.isEmpty() && title != QFileDialog::tr(file->acceptMode() == QFileDialog::AcceptSave ? "Save As" : "Open");
    else
        OwnTitle = !title.isEmpty() && title != QFontDialog::tr("Select Font");
}

TMlCommonDialog* TMlCommonDialog::Of(QDialog* dialog)
{
    auto* state = dialog->findChild<TMlCommonDialog*>(QString(), Qt::FindDirectChildrenOnly);
    return state ? state : new TMlCommonDialog(dialog);
}

QString TranslateDialogKey(const QString& key)
{
    const TMlDictionary* dictionary = nullptr;
    try {
        dictionary = DefaultDictionary();
    } catch (const Exception&) {
        return key;
    }
    return dictionary && dictionary->IsOpen() ? dictionary->Translate(key) : key;
}

TMlDialogModule::TMlDialogModule(QObject* owner) : TMlModule(owner)
{
    setObjectName(QStringLiteral("MlDialogModule1"));
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

TMlDialogModule::~TMlDialogModule()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void TMlDialogModule::TranslateDialog(QDialog* dialog)
{
    auto* file = qobject_cast<QFileDialog*>(dialog);
    auto* font = qobject_cast<QFontDialog*>(dialog);
    // With no open dictionary the dialog keeps Qt's own texts.
    const TMlDictionary* dictionary = nullptr;
    try {
        dictionary = DefaultDictionary();
    } catch (const Exception&) {
    }
    if ((!file && !font) || translating_ || !dictionary || !dictionary->IsOpen())
        return;
    translating_ = true;
    TMlCommonDialog& state = *TMlCommonDialog::Of(dialog);
    if (file)
        TranslateFileDialog(file, state);
    else
        TranslateFontDialog(font, state);
    translating_ = false;
}

bool TMlDialogModule::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && watched->isWidgetType())
        if (auto* dialog = qobject_cast<QDialog*>(watched))
            TranslateDialog(dialog);
    return TMlModule::eventFilter(watched, event);
}
