#pragma once
// The translator every program form carries. It binds the form to a dictionary and
// translates texts through it; without a dictionary every text stays as designed.

#include <QObject>
#include <QString>

#include <functional>

class TMlDictionary;

class TMlTranslator : public QObject {
    Q_OBJECT

public:
    // The translate event: the translator asks its form to handle a property itself
    // (translator, property name, component).
    using TranslateEvent = std::function<void(TMlTranslator*, const QString&, QObject*)>;

    explicit TMlTranslator(QObject* owner);

    TMlDictionary* Dictionary() const { return dictionary_; }
    void SetDictionary(TMlDictionary* dictionary) { dictionary_ = dictionary; }

    // The object whose tree is translated; nullptr means the owner (the form).
    QObject* TargetRoot() const { return targetRoot_ ? targetRoot_ : parent(); }
    void SetTargetRoot(QObject* root) { targetRoot_ = root; }

    // Translates the target tree: every text property runs through the translate event.
    // Without a dictionary nothing changes.
    void Attach();

    // The dictionary's text for a native text; the text unchanged without a dictionary or
    // for an empty text.
    QString Translate(const QString& text) const;

    TranslateEvent OnTranslate;

private:
    TMlDictionary* dictionary_ = nullptr;
    QObject* targetRoot_ = nullptr;
};
