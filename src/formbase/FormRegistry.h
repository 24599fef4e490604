#pragma once
// The forms the application creates at start. The registry owns them and frees them in
// reverse order; the program has one, alive from start to end, and the forms' global
// accessors (XmeCalcDlg(), ReynolDLG() ...) look into it. Which forms, in which order, is
// decided at the top of the program (CreateStartupForms); dialogs made on demand come from
// the dialog factory instead.

#include "formbase/TranslatorHook.h"

#include <memory>
#include <utility>
#include <vector>

class TMultilingualForm;

class TFormRegistry {
public:
    TFormRegistry();
    ~TFormRegistry();
    TFormRegistry(const TFormRegistry&) = delete;
    TFormRegistry& operator=(const TFormRegistry&) = delete;

    // The registry of the running application; nullptr when none exists.
    static TFormRegistry* Instance();

    // Creates a form, takes it into the registry and translates it once it is fully
    // constructed.
    template <class T, class... Args>
    T* CreateForm(Args&&... args)
    {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = form.get();
        Add(std::move(form));
        TranslateForm(*raw);
        return raw;
    }

    const std::vector<TMultilingualForm*>& Forms() const { return order_; }

    // The first form of a class, nullptr when it was not created.
    template <class T>
    T* Find() const
    {
        for (TMultilingualForm* form : order_)
            if (auto* typed = dynamic_cast<T*>(form))
                return typed;
        return nullptr;
    }

    template <class T>
    static T* Lookup()
    {
        return Instance() ? Instance()->Find<T>() : nullptr;
    }

private:
    void Add(std::unique_ptr<TMultilingualForm> form);

    std::vector<std::unique_ptr<TMultilingualForm>> owned_;
    std::vector<TMultilingualForm*> order_;
    TFormRegistry* previous_ = nullptr;
};
