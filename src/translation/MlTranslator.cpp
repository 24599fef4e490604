#include "translation/MlTranslator.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include <cmath>

namespace {

const QString kCaption = QStringLiteral("Caption");
const QString kHint = QStringLiteral("Hint");
const QString kItems = QStringLiteral("Items");
const QString kText = QStringLiteral("Text");

// Qt controls hold LF; the dictionary's texts hold CR LF.
QString ToCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString ToLf(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// The text without its hotkey marker: "&&" becomes one "&", or stays "&&" where the result
// is still a caption.
QString WithoutHotkey(const QString& text, bool keepAmpersands = false)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            const bool last = i + 1 == text.size();
            if (!last && text[i + 1] == QLatin1Char('&')) {
                if (keepAmpersands)
                    result.append(text[i]);
                ++i;
            } else if (!last || keepAmpersands) {
                continue;
            }
        }
        result.append(text[i]);
    }
    return result;
}

// The hotkey of a caption (upper case), or a null character: the character after the first
// "&" that does not stand for itself ("&&").
QChar HotkeyOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].isLetterOrNumber() ? text[i + 1].toUpper() : QChar();
        ++i;
    }
    return {};
}

// The caption with a hotkey not yet taken: the first free letter that starts a word, else
// any free letter or digit; letters any keyboard has first. Unchanged when none is free.
QString WithFreeHotkey(const QString& text, QSet<QChar>& taken)
{
    const QString plain = WithoutHotkey(text, true);
    auto pick = [&](bool wordStart, bool ascii) -> qsizetype {
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const QChar c = plain[i];
            if (c == QLatin1Char('&')) {
                ++i;  // "&&" is no hotkey
                continue;
            }
            const bool starts = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (c.isLetterOrNumber() && (!ascii || c.unicode() < 128) && (!wordStart || starts) && !taken.contains(c.toUpper()))
                return i;
        }
        return -1;
    };
    static constexpr std::pair<bool, bool> orders[] = {{true, true}, {false, true}, {true, false}, {false, false}};
    for (const auto& [wordStart, ascii] : orders) {
        const qsizetype at = pick(wordStart, ascii);
        if (at >= 0) {
            taken.insert(plain[at].toUpper());
            return QString(plain).insert(at, QLatin1Char('&'));
        }
    }
    return text;
}

int ScaledBy(int value, int m, int d) { return static_cast<int>(std::nearbyint(static_cast<double>(value) * m / d)); }

void ScaleFont(QWidget* widget, int m, int d)
{
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * m / d);
    else
        font.setPixelSize(ScaledBy(font.pixelSize(), m, d));
    widget->setFont(font);
}

// The controls on a widget, scaled by m/d: place, size, and the fonts that set a size of
// their own (the others follow the form's). Other windows are left alone.
void ScaleControls(QWidget* parent, int m, int d)
{
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const QRect r = child->geometry();
        child->setGeometry(ScaledBy(r.x(), m, d), ScaledBy(r.y(), m, d), ScaledBy(r.width(), m, d), ScaledBy(r.height(), m, d));
        if (child->testAttribute(Qt::WA_SetFont) && (child->font().resolveMask() & QFont::SizeResolved))
            ScaleFont(child, m, d);
        ScaleControls(child, m, d);
    }
}

// Scales a form by m/d: its size, its font and its controls.
void ScaleWidgets(QWidget* root, int m, int d)
{
    ScaleControls(root, m, d);
    ScaleFont(root, m, d);
    root->resize(ScaledBy(root->width(), m, d), ScaledBy(root->height(), m, d));
}

struct TClassTargets {
    const char* FormClass;
    std::vector<TMlTargetProperty> Own;
};

// The targets of the program's forms, as designed; a form's list is its base classes'
// lists plus its own.
const std::vector<TClassTargets>& ClassTargets()
{
    static const std::vector<TClassTargets> table = {
        {"TMultilingualForm", {{{}, kHint, 0}, {{}, kCaption, 0}}},
        {"TXmeCalcDlg", {{{}, kItems, 0}, {{}, QStringLiteral("Filter"), 0}, {{}, QStringLiteral("Title"), 0}}},
        {"TDLG_DefaultFileOptions", {{{}, QStringLiteral("Filter"), 0}, {{}, QStringLiteral("Title"), 0}}},
        {"TDLG_ErrorDiagram",
         {{{}, QStringLiteral("Title"), 0}, {QStringLiteral("TMemo"), kText, 0}, {{}, kText, 0}, {{}, QStringLiteral("Lines"), 0}}},
        {"TDLG_MemoInfo", {{QStringLiteral("TMemo"), kText, 0}}},
        {"TDLG_reportform", {{QStringLiteral("TMemo"), kText, 0}, {{}, QStringLiteral("Cells"), 0}}},
        {"TDLG_SensorAbstand", {{QStringLiteral("TComboBox"), kItems, 0}, {{}, kItems, 0}, {QStringLiteral("TBitBtn"), kHint, 0}}},
        {"TDLG_SensorAuswahl", {{{}, QStringLiteral("Title"), 0}, {{}, kText, 0}}},
        {"TMlLanguageSelectDialog", {{{}, kHint, 0}, {{}, kCaption, 0}}},
    };
    return table;
}

bool IsLibraryClass(const char* name)
{
    const QByteArray n(name);
    return n == "QDialog" || n == "QWidget" || n == "QObject" || n == "QMainWindow";
}

}  // namespace

// ---- modules ----

TMlModule::~TMlModule() { ModuleList().Remove(this); }

bool TMlModules::Add(TMlModule* module)
{
    for (const TMlModule* m : modules_)
        if (m == module || m->metaObject() == module->metaObject())
            return false;
    modules_.push_back(module);
    return true;
}

void TMlModules::Remove(TMlModule* module) { std::erase(modules_, module); }

bool TMlModules::TranslateComponent(TMlTranslator& translator, QObject* component) const
{
    return std::any_of(modules_.begin(), modules_.end(), [&](TMlModule* m) { return m->TranslateComponent(translator, component); });
}

bool TMlModules::MirrorPosition(TMlTranslator& translator, QWidget* control, TMlBidirectionalState& state) const
{
    return std::any_of(modules_.begin(), modules_.end(), [&](TMlModule* m) { return m->MirrorPosition(translator, control, state); });
}

bool TMlModules::UnmirrorPosition(TMlTranslator& translator, QWidget* control, TMlBidirectionalState& state) const
{
    return std::any_of(modules_.begin(), modules_.end(), [&](TMlModule* m) { return m->UnmirrorPosition(translator, control, state); });
}

bool TMlModules::MirrorContents(TMlTranslator& translator, QWidget* control) const
{
    return std::any_of(modules_.begin(), modules_.end(), [&](TMlModule* m) { return m->MirrorContents(translator, control); });
}

TMlModules& ModuleList()
{
    static TMlModules list;
    return list;
}

// ---- targets ----

void TMlTargetProperties::Add(const TMlTargetProperty& target)
{
    if (std::find(targets_.begin(), targets_.end(), target) != targets_.end())
        return;
    targets_.push_back(target);
    if (target.Flag == 1)
        ++exclusions_;
}

void TMlTargetProperties::Add(const TMlTargetProperties& targets)
{
    for (const TMlTargetProperty& t : targets.targets_)
        Add(t);
}

bool TMlTargetProperties::Matches(const QString& className, const QString& propertyName) const
{
    auto same = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    auto hits = [&](const TMlTargetProperty& t) {
        return ((t.ClassName.isEmpty() || same(t.ClassName, className)) && same(t.PropertyName, propertyName)) ||
               (same(t.ClassName, className) && t.PropertyName.isEmpty());
    };
    bool included = false;
    for (const TMlTargetProperty& t : targets_) {
        if (!hits(t))
            continue;
        if (t.Flag == 1)
            return false;
        included = true;
    }
    return included;
}

TMlTargetProperties DesignTargets(const QMetaObject* formClass)
{
    // Base classes first, as the form resources are read.
    std::vector<const QMetaObject*> chain;
    for (const QMetaObject* m = formClass; m; m = m->superClass())
        chain.insert(chain.begin(), m);
    TMlTargetProperties targets;
    for (const QMetaObject* m : chain)
        for (const TClassTargets& entry : ClassTargets())
            if (qstrcmp(entry.FormClass, m->className()) == 0)
                for (const TMlTargetProperty& t : entry.Own)
                    targets.Add(t);
    return targets;
}

QString DesignClassName(const QObject* object)
{
    struct Row {
        const char* qtClass;
        const char* design;
    };
    static const Row rows[] = {
        {"QPlainTextEdit", "TMemo"}, {"QTextEdit", "TMemo"},     {"QComboBox", "TComboBox"},
        {"QLabel", "TLabel"},        {"QCheckBox", "TCheckBox"}, {"QRadioButton", "TRadioButton"},
        {"QPushButton", "TBitBtn"},  {"QGroupBox", "TGroupBox"}, {"QLineEdit", "TEdit"},
        {"QAction", "TAction"},      {"QMenu", "TMenuItem"},     {"QListWidget", "TListBox"},
    };
    // The program's own classes keep their names; library widgets take the design name of
    // the nearest library class.
    for (const QMetaObject* m = object->metaObject(); m; m = m->superClass())
        for (const Row& r : rows)
            if (qstrcmp(m->className(), r.qtClass) == 0)
                return QLatin1String(r.design);
    return QLatin1String(object->metaObject()->className());
}

// ---- translator ----

TMlTranslator::TMlTranslator(QObject* owner) : QObject(owner)
{
    setObjectName(QStringLiteral("Translator"));
}

TMlTranslator::~TMlTranslator()
{
    if (attached_ && dictionary_)
        dictionary_->RemoveTranslator(this);
}

void TMlTranslator::SetDictionary(TMlDictionary* dictionary)
{
    if (dictionary == dictionary_)
        return;
    if (attached_)
        Detach();
    dictionary_ = dictionary;
}

TMlDictionary* TMlTranslator::FindDictionary() const
{
    const auto& list = DictionaryList();
    if (list.empty())
        return nullptr;
    for (TMlDictionary* d : list)
        if (d->DictionaryName == DictionaryName)
            return d;
    return list.front();
}

void TMlTranslator::Attach()
{
    if (attached_) {
        TranslateForm();
        return;
    }
    TMlDictionary* d = dictionary_ ? dictionary_.data() : FindDictionary();
    if (!d) {
        const QObject* form = parent();
        throw EMlMulti(QStringLiteral("No dictionary has been assigned to the translator component (%1 on \"%2\" form)")
                           .arg(objectName(), form ? QLatin1String(form->metaObject()->className()) : QLatin1String("")));
    }
    if (!d->Enabled || !TargetRoot())
        return;
    targets_ = Targets;
    targets_.Add(DesignTargets(TargetRoot()->metaObject()));
    if (targets_.IsEmpty())
        return;
    dictionary_ = d;
    if (!d->IsOpen()) {
        if (!AutoOpen)
            return;
        d->Open();
        if (!d->IsOpen())
            return;  // the dictionary refused to open
    }
    TranslateForm();
    LanguageChanged(true, true);
    d->AddTranslator(this);
    attached_ = true;
}

void TMlTranslator::DictionaryDetached()
{
    attached_ = false;
    dictionary_ = nullptr;
    table_.clear();
    targetRoot_ = nullptr;
}

void TMlTranslator::Detach()
{
    if (dictionary_)
        dictionary_->RemoveTranslator(this);
    DictionaryDetached();
}

void TMlTranslator::Release()
{
    if (!attached_)
        return;
    if (dictionary_)
        dictionary_->RemoveTranslator(this);
    dictionary_ = nullptr;
    TranslateForm();  // without a dictionary the natives come back
    DictionaryDetached();
}

void TMlTranslator::RestoreNative()
{
    TMlDictionary* d = dictionary_ ? dictionary_.data() : FindDictionary();
    if (!d)
        return Attach();  // raises: no dictionary to restore from
    const unsigned options = d->Options;
    const bool wasOpen = d->IsOpen();
    const LCID locale = d->LocaleLCID();
    // The other forms keep their texts: only this one is shown native.
    d->Options &= ~mldoAutoTranslate;
    try {
        d->SetLanguage(0);
        Attach();
        if (wasOpen)
            d->SetLocale(locale);
    } catch (...) {
        d->Options = options;
        throw;
    }
    d->Options = options;
    Detach();
}

void TMlTranslator::LanguageChanged(bool languageChanged, bool localeChanged)
{
    if (attached_ && AutoTranslate)
        Attach();
    if (languageChanged && OnLanguageChange)
        OnLanguageChange();
    if (localeChanged && OnLocaleChange)
        OnLocaleChange();
}

void TMlTranslator::TranslateForm()
{
    QObject* root = TargetRoot();
    if (!root)
        return;
    if (targets_.IsEmpty()) {
        targets_ = Targets;
        targets_.Add(DesignTargets(root->metaObject()));
    }
    contextChain_.clear();
    for (const QMetaObject* m = root->metaObject(); m && !IsLibraryClass(m->className()); m = m->superClass())
        contextChain_ << QLatin1String(m->className());
    visited_.clear();
    captions_.clear();
    if (OnBeforeTranslate)
        OnBeforeTranslate();
    TranslateTree(root, 0);
    visited_.clear();
    if (dictionary_)
        AssignHotkeys();
    captions_.clear();
    ScaleForLanguage();
    if (OnAfterTranslate)
        OnAfterTranslate();
}

void TMlTranslator::TranslateTree(QObject* object, unsigned restrictions)
{
    if (visited_.contains(object) || qobject_cast<TMlTranslator*>(object) || qobject_cast<TMlDictionary*>(object))
        return;
    visited_.insert(object);
    if (OnRestrictComponent)
        OnRestrictComponent(this, object, restrictions);
    const unsigned inherited = (restrictions & mlrsNotInherited) ? 0u : restrictions;
    for (QObject* child : object->children()) {
        // Other windows parented to the form (dialogs, message boxes) translate themselves;
        // the form's own menus are popups but belong to it.
        const auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            continue;
        TranslateTree(child, inherited);
    }
    if (!(restrictions & mlrsProperties))
        TranslateComponent(object);
    if (!(restrictions & mlrsContents))
        TranslateContents(object);
    if (OnTranslate)
        OnTranslate(this, QString(), object);
}

void TMlTranslator::Watch(const QObject* object)
{
    if (watched_.contains(object))
        return;
    watched_.insert(object);
    // A destroyed control's originals must not serve a new object at the same address.
    connect(object, &QObject::destroyed, this, [this, object] {
        watched_.remove(object);
        for (auto it = table_.begin(); it != table_.end();)
            it = it->first.first == object ? table_.erase(it) : std::next(it);
    });
}

QString TMlTranslator::TranslateProperty(QObject* object, const QString& contextB, const QString& value,
                                         const QString& property)
{
    Watch(object);
    TItem& item = table_[{object, property}];
    // The value written last is ours: translate from its native text. Anything else was set
    // since (by the user or the code) and is the new native text.
    if (item.Last.isNull() || item.Last != value)
        item.Native = value;
    const bool menuItem = qobject_cast<QAction*>(object) || qobject_cast<QMenu*>(object);
    item.Last = dictionary_ ? LookUp(item.Native, contextB, menuItem) : item.Native;
    return item.Last;
}

QString TMlTranslator::LookUp(const QString& text, const QString& contextB, bool menuItem) const
{
    const TMlDictionary* d = dictionary_;
    const QString bare = menuItem && text.contains(QLatin1Char('&')) ? WithoutHotkey(text) : QString();
    QString translation;
    bool found = false;
    if (d->Keyed()) {
        for (const QString& contextA : contextChain_) {
            found = d->LookupWithContext(text, contextA, translation, contextB) ||
                    (!bare.isEmpty() && d->LookupWithContext(bare, contextA, translation, contextB));
            if (found)
                break;
        }
    }
    if (!found && (!d->Keyed() || (d->Options & mldoUseFlatTranslation)))
        found = d->Lookup(text, translation) || (!bare.isEmpty() && d->Lookup(bare, translation));
    return d->ResolveTranslation(found, text, translation);
}

QString TMlTranslator::Translate(const QString& text) const
{
    if (!dictionary_ || !dictionary_->IsOpen() || text.isEmpty())
        return text;
    return dictionary_->Translate(text);
}

bool TMlTranslator::Find(const QString& text, QString& translation) const
{
    if (!dictionary_ || !dictionary_->IsOpen() || text.isEmpty())
        return false;
    return dictionary_->Lookup(text, translation) && !translation.isEmpty();
}

bool TMlTranslator::PropertyAllowed(QObject* object, const QString& property)
{
    bool translate = true;
    if (OnRestrictProperty)
        OnRestrictProperty(this, object, property, translate);
    return translate;
}

void TMlTranslator::TranslateComponent(QObject* object)
{
    bool translate = true;
    if (OnRestrictObject)
        OnRestrictObject(this, object, translate);
    if (!translate)
        return;
    const bool isRoot = object == TargetRoot();
    const QString className = DesignClassName(object);
    const QString contextB = isRoot ? QString() : object->objectName();
    // One text property: translated when the target list names it, it is not empty and no
    // handler vetoes it.
    auto text = [&](const QString& property, const QString& value, const std::function<void(const QString&)>& write) {
        if (value.isEmpty() || !Targeted(className, property) || !PropertyAllowed(object, property))
            return;
        const QString result = TranslateProperty(object, contextB, value, property);
        if (result != value)
            write(result);
        if (property == kCaption)
            captions_.push_back({object, property, write});
    };
    if (auto* action = qobject_cast<QAction*>(object)) {
        // A menu's own action carries the menu's title, which the menu translates.
        auto* menu = qobject_cast<QMenu*>(action->parent());
        if (menu && menu->menuAction() == action)
            return;
        const QString plainTip = WithoutHotkey(action->text());
        text(kCaption, action->text(), [action](const QString& t) { action->setText(t); });
        if (action->toolTip() != plainTip && action->toolTip() != WithoutHotkey(action->text()))
            text(kHint, action->toolTip(), [action](const QString& t) { action->setToolTip(t); });
        return;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return;
    if (isRoot)
        text(kCaption, widget->windowTitle(), [widget](const QString& t) { widget->setWindowTitle(t); });
    text(kHint, widget->toolTip(), [widget](const QString& t) { widget->setToolTip(t); });
    if (auto* label = qobject_cast<QLabel*>(widget))
        text(kCaption, ToCrLf(label->text()), [label](const QString& t) { label->setText(ToLf(t)); });
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text(kCaption, button->text(), [button](const QString& t) { button->setText(t); });
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        text(kCaption, group->title(), [group](const QString& t) { group->setTitle(t); });
    else if (auto* menu = qobject_cast<QMenu*>(widget))
        text(kCaption, menu->title(), [menu](const QString& t) { menu->setTitle(t); });
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        text(kText, edit->text(), [edit](const QString& t) { edit->setText(t); });
    TranslateItems(object, className);
}

void TMlTranslator::TranslateContents(QObject* object)
{
    if (ModuleList().TranslateComponent(*this, object))
        return;
    auto* memo = qobject_cast<QPlainTextEdit*>(object);
    if (!memo || !Targeted(DesignClassName(memo), kText))
        return;
    // The text is looked up without its trailing line breaks, which stay as they are.
    QString value = ToCrLf(memo->toPlainText());
    qsizetype end = value.size();
    while (end > 0 && (value[end - 1] == QLatin1Char('\n') || value[end - 1] == QLatin1Char('\r')))
        --end;
    const QString tail = value.mid(end);
    value.truncate(end);
    if (value.isEmpty())
        return;
    const QString result = TranslateProperty(memo, memo->objectName(), value, kText);
    if (result != value)
        memo->setPlainText(ToLf(result + tail));
}

void TMlTranslator::ScaleForLanguage()
{
    auto* root = qobject_cast<QWidget*>(TargetRoot());
    if (!dictionary_ || !root || !ScaleMultiByte || MultiByteScale == 100 || MultiByteScale <= 0)
        return;
    const bool multiByte = ReadingOrderOfLCID(dictionary_->CurrentLanguage().LanguageLCID()) == 1;
    if (multiByte == scaled_)
        return;
    if (multiByte)
        ScaleWidgets(root, MultiByteScale, 100);
    else
        ScaleWidgets(root, 100, MultiByteScale);
    scaled_ = multiByte;
    if (OnScale)
        OnScale(this, QString(), root);
}

void TMlTranslator::TranslateItems(QObject* object, const QString& className)
{
    const QString contextB = object->objectName();
    // Each line is its own entry of the table, so a line keeps its native text however
    // the others change.
    auto line = [&](int i, const QString& value, const std::function<void(const QString&)>& write) {
        if (value.isEmpty())
            return;
        const QString result = TranslateProperty(object, contextB, value, kItems + QStringLiteral("#%1").arg(i));
        if (result != value)
            write(result);
    };
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        if (!Targeted(className, kItems) || !PropertyAllowed(object, kItems))
            return;
        for (int i = 0; i < combo->count(); ++i)
            line(i, combo->itemText(i), [combo, i](const QString& t) { combo->setItemText(i, t); });
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        if (!Targeted(className, kItems) || !PropertyAllowed(object, kItems))
            return;
        for (int i = 0; i < list->count(); ++i)
            line(i, list->item(i)->text(), [list, i](const QString& t) { list->item(i)->setText(t); });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        // A page's caption is the page's own property in the design, so it is looked up with
        // the page's name. Its table entry is apart from the page's own caption: a page that
        // is itself a group box or a label keeps both natives.
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget* page = tabs->widget(i);
            const QString value = tabs->tabText(i);
            if (value.isEmpty() || !Targeted(QStringLiteral("TTabSheet"), kCaption) || !PropertyAllowed(page, kCaption))
                continue;
            const QString result = TranslateProperty(page, page->objectName(), value, QStringLiteral("TabCaption"));
            if (result != value)
                tabs->setTabText(i, result);
        }
    }
}

void TMlTranslator::AssignHotkeys()
{
    // The scopes in which hotkeys must differ: each menu, and the form with its menu bar.
    QObject* form = TargetRoot();
    std::vector<std::pair<QObject*, std::vector<std::size_t>>> scopes;
    auto join = [&](QObject* scope, std::size_t caption) {
        auto it = std::find_if(scopes.begin(), scopes.end(), [scope](const auto& s) { return s.first == scope; });
        if (it == scopes.end())
            it = scopes.insert(scopes.end(), {scope, {}});
        it->second.push_back(caption);
    };
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        QObject* object = captions_[i].Object;
        auto* menu = qobject_cast<QMenu*>(object);
        auto* action = menu ? menu->menuAction() : qobject_cast<QAction*>(object);
        if (action) {
            for (QObject* holder : action->associatedObjects()) {
                if (qobject_cast<QMenuBar*>(holder))
                    join(form, i);
                else if (qobject_cast<QMenu*>(holder) && holder != menu)
                    join(holder, i);
            }
        } else if (const auto* label = qobject_cast<QLabel*>(object)) {
            // Only a label with a buddy takes a hotkey ("&alpha;" is a rich-text letter).
            if (label->buddy())
                join(form, i);
        } else if (qobject_cast<QAbstractButton*>(object) || qobject_cast<QGroupBox*>(object)) {
            join(form, i);
        }
    }
    for (auto& [scope, members] : scopes) {
        // A menu's items in the order the menu shows them.
        if (auto* menu = qobject_cast<QMenu*>(scope)) {
            const QList<QAction*> order = menu->actions();
            auto position = [&](std::size_t i) {
                auto* sub = qobject_cast<QMenu*>(captions_[i].Object);
                return order.indexOf(sub ? sub->menuAction() : qobject_cast<QAction*>(captions_[i].Object));
            };
            std::stable_sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) { return position(a) < position(b); });
        }
        DistributeHotkeys(members, scope != form);
    }
}

void TMlTranslator::DistributeHotkeys(const std::vector<std::size_t>& members, bool everyOne)
{
    auto itemOf = [this](const TCaption& c) -> TItem& { return table_[{c.Object, c.Property}]; };
    // Menu items and menu titles want one always; other captions when their design has one.
    auto wants = [&](const TCaption& c) {
        return everyOne || qobject_cast<QMenu*>(c.Object) || qobject_cast<QAction*>(c.Object) ||
               !HotkeyOf(itemOf(c).Native).isNull();
    };
    QSet<QChar> taken;
    std::vector<bool> kept(members.size(), false);
    for (std::size_t m = 0; m < members.size(); ++m) {
        const QChar key = HotkeyOf(itemOf(captions_[members[m]]).Last);
        if (!key.isNull() && !taken.contains(key)) {
            taken.insert(key);
            kept[m] = true;
        }
    }
    for (std::size_t m = 0; m < members.size(); ++m) {
        if (kept[m])
            continue;
        const TCaption& caption = captions_[members[m]];
        TItem& item = itemOf(caption);
        const QString text = wants(caption) ? WithFreeHotkey(item.Last, taken) : WithoutHotkey(item.Last, true);
        if (text != item.Last) {
            item.Last = text;
            caption.Write(text);
        }
    }
}
