#pragma once
// Opens the application dialog on a measuring point for the form tests (not shown).

#include "ApplicationPoint.h"
#include "formbase/DialogFactory.h"
#include "transducer/D_SensorAbstand.h"

#include <memory>

inline std::unique_ptr<TDLG_SensorAbstand> OpenApplication(const tApplicationInput& in = BasePoint())
{
    auto dialog = CreateDialog<TDLG_SensorAbstand>();
    dialog->SetInputData(in);
    return dialog;
}
