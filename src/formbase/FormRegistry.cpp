#include "formbase/FormRegistry.h"

#include "formbase/MultForm.h"

namespace {
TFormRegistry* g_instance = nullptr;
}

TFormRegistry::TFormRegistry()
    : previous_(g_instance)
{
    g_instance = this;
}

TFormRegistry::~TFormRegistry()
{
    // Later forms may refer to earlier ones (the main window above all): free newest first.
    while (!owned_.empty()) {
        order_.pop_back();
        owned_.pop_back();
    }
    g_instance = previous_;
}

TFormRegistry* TFormRegistry::Instance()
{
    return g_instance;
}

void TFormRegistry::Add(std::unique_ptr<TMultilingualForm> form)
{
    order_.push_back(form.get());
    owned_.push_back(std::move(form));
}
