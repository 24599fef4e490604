#include "calculator/FormRegistry.h"

#include "calculator/D_InputUserValue.h"
#include "calculator/D_NormVolume.h"
#include "calculator/Medieninfo.h"
#include "calculator/MultForm.h"
#include "calculator/NamensListe.h"
#include "calculator/Reynlimi.h"
#include "calculator/Rohgeometrie.h"
#include "calculator/Xmecalc.h"
#include "calculator/shells/D_ErrorDiagramm.h"
#include "calculator/shells/D_SensorAbstand.h"
#include "calculator/shells/d_reportform.h"

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

void TFormRegistry::CreateForms()
{
    CreateForm<TXmeCalcDlg>();
    CreateForm<TReynolDLG>();
    CreateForm<TDLG_MedienInfo>();
    CreateForm<TDLG_Namensliste>();
    CreateForm<TDLG_Rohrgeometrie>();
    CreateForm<TDLG_InputUserValue>();
    CreateForm<TDLG_reportform>();
    CreateForm<TDLG_ErrorDiagram>();
    CreateForm<TDLG_NormVolume>();
    CreateForm<TDLG_SensorAbstand>();
}

void TFormRegistry::Add(std::unique_ptr<TMultilingualForm> form)
{
    order_.push_back(form.get());
    owned_.push_back(std::move(form));
}
