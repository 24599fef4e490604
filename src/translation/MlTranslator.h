#pragma once
// The translator every form carries. Bound to the dictionary, it translates the texts of
// its form's controls (captions, hints, list items, memo texts, as the form's target list
// names them), remembers each native text in its table of originals, and on every language
// switch translates again from those natives, so German -> English -> German gives back the
// German texts exactly. The walk covers the form's own controls, menus and actions, never
// other windows parented to the form.
//
// Hotkeys: every menu item gets one, as menus with automatic hotkeys do, whatever its
// translation holds; a control whose design caption has one keeps one in every language.
// No two items of a menu share one, nor two captions of a form (its menu bar included): a
// translation whose hotkey is taken, or that has none, is given a free letter of its own.

#include "translation/MlDictio.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <map>
#include <utility>
#include <vector>

// One target of the target list: class name (empty: any class), property name (empty:
// every text property of that class), flag 0 translate, 1 exclude.
struct TMlTargetProperty {
    QString ClassName;
    QString PropertyName;
    int Flag = 0;
    friend bool operator==(const TMlTargetProperty&, const TMlTargetProperty&) = default;
};

class TMlTargetProperties {
public:
    // Adds a target; one equal to a target in the list is dropped.
    void Add(const TMlTargetProperty& target);
    void Add(const TMlTargetProperties& targets);
    // A pair is translated when no excluding target matches and some including one does.
    bool Matches(const QString& className, const QString& propertyName) const;
    bool IsEmpty() const { return targets_.empty(); }
    int Count() const { return static_cast<int>(targets_.size()); }
    int Exclusions() const { return exclusions_; }

private:
    std::vector<TMlTargetProperty> targets_;
    int exclusions_ = 0;
};

// The design targets of a form class: the entries of the class and of each base class
// (the base form: any Hint, any Caption; the main window adds any Items, Filter, Title...).
TMlTargetProperties DesignTargets(const QMetaObject* formClass);

// The class name a control has in the design (TLabel, TMemo, TComboBox ...), which the
// target list names.
QString DesignClassName(const QObject* object);

class TMlTranslator;
class QWidget;

// A control's mirroring state while the form reads right to left.
struct TMlBidirectionalState {
    QWidget* Control = nullptr;
    bool Mirrored = false;
    int Left = 0;  // the left position before mirroring
};

// A plug-in of the translator: translates or mirrors what the translator cannot reach by
// itself. Each operation returns true when the module handled the control.
class TMlModule : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~TMlModule() override;  // leaves the module list
    virtual bool TranslateComponent(TMlTranslator&, QObject*) { return false; }
    virtual bool MirrorPosition(TMlTranslator&, QWidget*, TMlBidirectionalState&) { return false; }
    virtual bool UnmirrorPosition(TMlTranslator&, QWidget*, TMlBidirectionalState&) { return false; }
    virtual bool MirrorContents(TMlTranslator&, QWidget*) { return false; }
};

// The registered modules, asked in registration order until one handles the control. One
// module per class: a second module of a class already present is not added.
class TMlModules {
public:
    bool Add(TMlModule* module);
    void Remove(TMlModule* module);
    int Count() const { return static_cast<int>(modules_.size()); }
    TMlModule* At(int index) const { return modules_.at(static_cast<std::size_t>(index)); }
    bool TranslateComponent(TMlTranslator& translator, QObject* component) const;
    bool MirrorPosition(TMlTranslator& translator, QWidget* control, TMlBidirectionalState& state) const;
    bool UnmirrorPosition(TMlTranslator& translator, QWidget* control, TMlBidirectionalState& state) const;
    bool MirrorContents(TMlTranslator& translator, QWidget* control) const;

private:
    std::vector<TMlModule*> modules_;
};

TMlModules& ModuleList();

// What the walk leaves out of a component (OnRestrictComponent): its texts, its contents
// (memo text, grid headers, list views, trees), and whether the restrictions also hold for
// the components it owns (they do unless mlrsNotInherited is set).
enum TMlRestriction : unsigned {
    mlrsProperties = 1u << 0,
    mlrsContents = 1u << 1,
    mlrsNotInherited = 1u << 2,
};

class TMlTranslator : public QObject, public TMlDictionaryClient {
    Q_OBJECT

public:
    // The translate event: the form handles a component itself after the walk
    // (translator, property name, component). OnScale has the same form (the root).
    using TranslateEvent = std::function<void(TMlTranslator*, const QString&, QObject*)>;
    // The restriction events, asked before a component, an object or one of its text
    // properties is translated; they may widen the restrictions or veto the translation.
    using RestrictComponentEvent = std::function<void(TMlTranslator*, QObject* component, unsigned& restrictions)>;
    using RestrictObjectEvent = std::function<void(TMlTranslator*, QObject* object, bool& translate)>;
    using RestrictPropertyEvent =
        std::function<void(TMlTranslator*, QObject* object, const QString& property, bool& translate)>;

    explicit TMlTranslator(QObject* owner);
    ~TMlTranslator() override;

    QString DictionaryName = QStringLiteral("Dictionary");
    // The form's own targets; the design targets of the root's classes are added.
    TMlTargetProperties Targets;
    bool AutoTranslate = true;
    bool AutoOpen = true;
    // Far-eastern (multibyte) languages show the form scaled by MultiByteScale percent;
    // switching to another language scales it back. 100: never scaled.
    bool ScaleMultiByte = true;
    int MultiByteScale = 100;
    bool Scaled() const { return scaled_; }

    TMlDictionary* Dictionary() const { return dictionary_; }
    // Binds a dictionary; an attached translator leaves its previous one first.
    void SetDictionary(TMlDictionary* dictionary);

    // The object whose tree is translated; nullptr means the owner (the form).
    QObject* TargetRoot() const { return targetRoot_ ? targetRoot_.data() : parent(); }
    void SetTargetRoot(QObject* root) { targetRoot_ = root; }

    // Finds the dictionary (the bound one, the one named DictionaryName, else the first),
    // opens it, translates the form and registers with the dictionary. An attached
    // translator only translates again. Without any dictionary at all it raises EMlMulti.
    void Attach();
    // Leaves the dictionary and forgets the table of originals.
    void Detach();
    // Gives the form its native texts back, then detaches.
    void Release();
    // Switches the dictionary to the native language without re-translating the other
    // forms, shows this form's native texts, puts the dictionary's locale back and
    // detaches. The dictionary stays on the native language.
    void RestoreNative();
    bool Attached() const { return attached_; }

    // Translates the target tree from the table of originals.
    void TranslateForm();

    // The dictionary's text for a native text; unchanged without an open dictionary or for
    // an empty text. Missing translations follow the dictionary's MissingTranslation.
    QString Translate(const QString& text) const;
    // True (and the text) only when the open dictionary holds a translation.
    bool Find(const QString& text, QString& translation) const;

    int TableSize() const { return static_cast<int>(table_.size()); }

    // For the modules: whether the target list names a (design class, property) pair, and
    // one value translated through the table of originals; key tells apart the values of
    // one control (a cell, an item).
    bool Targeted(const QString& className, const QString& property) const { return targets_.Matches(className, property); }
    QString TranslateProperty(QObject* object, const QString& contextB, const QString& value, const QString& key);

    void LanguageChanged(bool languageChanged, bool localeChanged) override;
    void DictionaryDetached() override;

    TranslateEvent OnTranslate;
    TranslateEvent OnScale;
    RestrictComponentEvent OnRestrictComponent;
    RestrictObjectEvent OnRestrictObject;
    RestrictPropertyEvent OnRestrictProperty;
    std::function<void()> OnBeforeTranslate, OnAfterTranslate, OnLanguageChange, OnLocaleChange;

private:
    struct TItem {
        QString Native;
        QString Last;
    };
    using TKey = std::pair<const QObject*, QString>;

    // A caption written in this pass, for the hotkeys.
    struct TCaption {
        QObject* Object;
        QString Property;
        std::function<void(const QString&)> Write;
    };

    TMlDictionary* FindDictionary() const;
    void AssignHotkeys();
    void DistributeHotkeys(const std::vector<std::size_t>& members, bool everyOne);
    void TranslateTree(QObject* object, unsigned restrictions);
    void TranslateComponent(QObject* object);
    void TranslateContents(QObject* object);
    bool PropertyAllowed(QObject* object, const QString& property);
    void ScaleForLanguage();
    void TranslateItems(QObject* object, const QString& className);
    QString LookUp(const QString& text, const QString& contextB, bool menuItem) const;
    void Watch(const QObject* object);

    QPointer<TMlDictionary> dictionary_;
    QPointer<QObject> targetRoot_;
    bool attached_ = false;
    bool scaled_ = false;
    TMlTargetProperties targets_;        // in force for the pass
    QStringList contextChain_;           // the root's class and its base classes
    std::map<TKey, TItem> table_;
    QSet<const QObject*> watched_;
    QSet<const QObject*> visited_;
    std::vector<TCaption> captions_;
};
