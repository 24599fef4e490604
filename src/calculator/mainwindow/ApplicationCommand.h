#pragma once
// The main window's "Applikation" command: a fresh application dialog loaded from the
// window's measuring point, shown, and on OK its results taken back.

class QComboBox;
class TDLG_SensorAbstand;
class TXmeCalcDlg;
struct tCodeItems;

// The items of a material or medium box as the dialog copies them (item data = code).
tCodeItems CodeItemsOf(const QComboBox& box);

// Options, flow data and input record, in the order the dialog expects them.
void PrepareSpacingDialog(TXmeCalcDlg& window, TDLG_SensorAbstand& dialog);

// ACT_SensorAbstand.
void RunSpacingDialog(TXmeCalcDlg& window);
