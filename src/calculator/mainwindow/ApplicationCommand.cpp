#include "calculator/mainwindow/ApplicationCommand.h"

#include "calculator/core/ApplicationHandOver.h"
#include "calculator/mainwindow/Xmecalc.h"
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
    dialog.LoadSetup(MakeApplicationSetup(window.Point, CodeItemsOf(*window.COM_Material),
                                          CodeItemsOf(*window.COM_Medium)));
}

void RunSpacingDialog(TXmeCalcDlg& window)
{
    auto dialog = CreateDialog<TDLG_SensorAbstand>(&window);
    PrepareSpacingDialog(window, *dialog);
    if (dialog->ShowDialog() != 1)
        return;
    TakeBackApplication(window.Point, dialog->Calc().Result());
    window.Render();
}
