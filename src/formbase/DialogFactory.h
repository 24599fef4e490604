#pragma once
// Dialogs made on demand: created when opened, translated once fully constructed, freed
// after use. The start-up forms come from the form registry instead.
//
// How a form opens a dialog:
//
//     auto dialog = CreateDialog<TDLG_Rohrgeometrie>(this);   // constructed and translated
//     dialog->SetInput(...);                                  // load it
//     if (dialog->ShowDialog() == 1)                          // modal; 1 = OK
//         Point.ApplyPipeGeometry(dialog->Result());          // take the values back
//                                                             // freed at the end of scope
//
// The constructor builds the controls only (see FormKit.h); it never translates itself.

#include "formbase/TranslatorHook.h"

#include <memory>
#include <utility>

template <class T, class... Args>
std::unique_ptr<T> CreateDialog(Args&&... args)
{
    auto dialog = std::make_unique<T>(std::forward<Args>(args)...);
    TranslateForm(*dialog);
    return dialog;
}
