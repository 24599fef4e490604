#include "calculator/mainwindow/StartupForms.h"

#include "formbase/D_InputUserValue.h"
#include "calculator/forms/D_NormVolume.h"
#include "calculator/forms/Medieninfo.h"
#include "calculator/forms/NamensListe.h"
#include "calculator/forms/Reynlimi.h"
#include "calculator/forms/Rohgeometrie.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "formbase/FormRegistry.h"
#include "transducer/D_ErrorDiagramm.h"
#include "transducer/D_SensorAbstand.h"

void CreateStartupForms(TFormRegistry& forms)
{
    forms.CreateForm<TXmeCalcDlg>();
    forms.CreateForm<TReynolDLG>();
    forms.CreateForm<TDLG_MedienInfo>();
    forms.CreateForm<TDLG_Namensliste>();
    forms.CreateForm<TDLG_Rohrgeometrie>();
    forms.CreateForm<TDLG_InputUserValue>();
    // TDLG_reportform, the report, is made on demand by its command.
    forms.CreateForm<TDLG_ErrorDiagram>();
    forms.CreateForm<TDLG_NormVolume>();
    forms.CreateForm<TDLG_SensorAbstand>();
}
