// The program entry: module initialisation, the application object, the start-up forms in
// their fixed order, and the event loop until the main window closes.

#include "calculator/mainwindow/StartupForms.h"
#include "calculator/mainwindow/XmecalcLanguage.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "components/CEConst.h"
#include "components/PictureFormats.h"
#include "formbase/FormRegistry.h"
#include "platform/Application.h"
#include "platform/FormatSettings.h"
#include "reference/QlvTabels.h"

#include <QLocale>

int main(int argc, char* argv[])
{
    // Module initialisation: the library's names from the firmware's code page.
    ConvertLibraryNames();

    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelvar"));
    SetFormatSettingsFromLocale(QLocale());
    // The dictionary picks German or English from the user's locale; it outlives the forms.
    SetUserDefaultLCID(LcidFromLocaleName(QLocale::system().name()));
    SetSystemDefaultLCID(GetUserDefaultLCID());
    const auto dictionary = CreateProgramDictionary();
    RegisterComponentCursors();
    RegisterPictureFormats();

    // The application's forms; freed before the application object goes.
    TFormRegistry forms;
    CreateStartupForms(forms);
    TXmeCalcDlg* mainWindow = XmeCalcDlg();
    // The program ends with its main window, whatever other window is still open.
    QObject::connect(mainWindow, &QDialog::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    mainWindow->show();
    return app.exec();
}
