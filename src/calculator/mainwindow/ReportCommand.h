#pragma once
// The main window's "Report" command: the report is built from the window's measuring point
// and lists and shown modally; its fields travel with the measuring point's file. Neither
// window keeps the other.

class TXmeCalcDlg;

// ACT_Report.
void RunReportCommand(TXmeCalcDlg& window);
