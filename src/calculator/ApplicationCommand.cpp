#include "calculator/ApplicationCommand.h"

#include "calculator/ApplicationHandOver.h"
#include "calculator/Reynlimi.h"
#include "calculator/Xmecalc.h"
#include "formbase/DialogFactory.h"
#include "transducer/D_SensorAbstand.h"

#include <QComboBox>

tCodeItems CodeItemsOf(const QComboBox& box)
{
    tCodeItems items;
    for (int i = 0; i < box.count(); ++i)
        items.Items.push_back({box.itemText(i), box.itemData(i).toInt()});
    items.ItemIndex = box.currentIndex();
    return items;
}

void PrepareSpacingDialog(TXmeCalcDlg& window, TDLG_SensorAbstand& dialog)
{
    const TMeasuringPoint& point = window.Point;
    dialog.SetMegaUserMode(point.MegaUser != 0);
    dialog.SetShowSmallPipe(point.ViewMode == 1);
    dialog.SetErrorEstimationEnabled(point.ErrorEstimation != 0);
    const TReynolDLG* limits = ReynolDLG();
    dialog.SetFlowHandOver(MakeFlowHandOver(point, limits ? limits->ReynoldsLam() : FirmwareReynoldsLam,
                                            limits ? limits->ReynoldsTurb() : FirmwareReynoldsTurb));
    dialog.SetInputData(MakeApplicationInput(point, CodeItemsOf(*window.COM_Material),
                                             CodeItemsOf(*window.COM_Medium)));
}

void RunSpacingDialog(TXmeCalcDlg& window)
{
    auto dialog = CreateDialog<TDLG_SensorAbstand>(&window);
    PrepareSpacingDialog(window, *dialog);
    if (dialog->ShowDialog() == 1)
        TakeBackApplication(window.Point, dialog->Calc().Result());
}
