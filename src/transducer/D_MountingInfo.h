#pragma once
// The mounting information: a picture of how the transducer pair is mounted for the current
// mode (reflection, face to face, face to face with the heads overlapping) and the legend of
// the dimensions T and M.

#include "formbase/MultForm.h"

class QLabel;
class QTabWidget;
class QWidget;

// The page for a path count and the spacing [mm]: 0 "Reflex" for an even count, else
// 1 "Face to Face" for a spacing of 0 or more and 2 "Face to Face (T<0)" below 0.
int MountingPage(int paths, double spacing);

class TDLG_MountingInfo : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_MountingInfo(QWidget* parent = nullptr);

    // Selects the page and shows the dialog modally; the modal result.
    int ShowMountingInfo(int paths, double spacing);
    // Selects the page without showing the dialog.
    void SelectPage(int paths, double spacing);

    QTabWidget* PageControl = nullptr;
    QWidget* Tab_reflex = nullptr;
    QWidget* Tab_F2F = nullptr;
    QWidget* Tab_F2Fsmaller0 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image5 = nullptr;
    QWidget* Panel2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreatePages();
    void CreateLegend();
    QWidget* CreatePage(QWidget*& page, const char* name, const QString& caption, QLabel*& image,
                        const char* imageName, const char* resource);
};

// BTN_MountingInfo of the application dialog: the picture for the path count and the spacing
// [mm] for the medium sound speed, modally.
void ShowMountingInformation(QWidget* parent, int paths, double spacing);
