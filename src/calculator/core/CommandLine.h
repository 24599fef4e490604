#pragma once
// The command-line switches the main window reads when it is first shown. A switch is a
// whole parameter that starts with "/"; the rest is compared with the switch name ignoring
// case. The access code and the names of the expert and error-estimation switches are not
// kept as plain text in the program: they are built from stored bytes at run time.

#include <QString>
#include <QStringList>

struct tCommandLineSwitches {
    bool FullView = false;         // "CODE=" + the 10-character access code
    bool MegaUser = false;         // the 4-character expert switch
    bool ReynoldsDetails = false;  // "RD"
    bool ErrorEstimation = false;  // the 5-character switch; always on for the partner brand
                                   // and for experts

    friend bool operator==(const tCommandLineSwitches&, const tCommandLineSwitches&) = default;
};

// arguments: the parameters without the program name.
tCommandLineSwitches ParseCommandLine(const QStringList& arguments, bool oemVariant);

// The switch names as the user types them behind "/".
QString ViewSwitchName();             // "CODE=" and the access code
QString ExpertSwitchName();           // 4 characters
QString ErrorEstimationSwitchName();  // 5 characters
