#pragma once
// The forms the application creates at start, in their fixed order. The registry owns them
// and frees them in reverse order; the program has one, alive from start to end, and the
// forms' global accessors (XmeCalcDlg(), DLG_MedienInfo() ...) look into it.

#include <memory>
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

    // Creates the ten forms in order: main window, Reynolds limits, medium chart, names
    // list, pipe geometry, value input, report, error diagram, normalized volume and
    // transducer application.
    void CreateForms();

    // Takes a form into the registry (the form is created by the caller and owned from now).
    template <class T>
    T* CreateForm()
    {
        auto form = std::make_unique<T>();
        T* raw = form.get();
        Add(std::move(form));
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
