#include "calculator/D_InputUserValue.h"

#include "formbase/FormRegistry.h"

TDLG_InputUserValue::TDLG_InputUserValue(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_InputUserValue"));
    FormCreate();
}

void TDLG_InputUserValue::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_InputUserValue* DLG_InputUserValue()
{
    return TFormRegistry::Lookup<TDLG_InputUserValue>();
}
