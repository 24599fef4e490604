#include "calculator/mainwindow/ReportCommand.h"

#include "calculator/mainwindow/ApplicationCommand.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "calculator/mainwindow/XmecalcCommands.h"
#include "report/d_reportform.h"

void RunReportCommand(TXmeCalcDlg& window)
{
    // A value typed but not yet committed belongs in the report.
    window.CommitActiveEdit();
    RunReport(&window, {window.Point, CodeItemsOf(*window.COM_Material), CodeItemsOf(*window.COM_Medium)},
              window.Point.ViewMode == 1, window.Commands->Report, window.Commands->LastReportFolder);
}
