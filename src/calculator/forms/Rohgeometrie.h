#pragma once
// The pipe geometry dialog: outer diameter, wall and optional lining in the main window's
// length unit, the inner diameter they leave, and a to-scale sketch of the cross-section.
// The values live in TPipeDimensions (mm); the spin edits only show them.

#include "calculator/core/MeasuringPoint.h"
#include "calculator/core/PipeDimensions.h"
#include "formbase/MultForm.h"

#include <QPixmap>

#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class TCeSpinEdit;
class TDUShape;

class TDLG_Rohrgeometrie : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_Rohrgeometrie(QWidget* parent = nullptr);

    // Loads inner diameter, lining and wall [mm]: the outer diameter becomes inner + 2 *
    // lining + 2 * wall; "Mit Auskleidung" is checked exactly when the lining is above 0.
    void SetGeometry(double innerDiameter, double lining, double wall);
    // A row of the length unit table (m, cm, mm, inch); the values stay, their display
    // follows.
    void SetLengthUnit(int unitIndex);

    // In mm; the lining is 0 while "Mit Auskleidung" is unchecked.
    double GetOuterDiameter() const { return Pipe.OuterDiameter(); }
    double GetWallThickness() const { return Pipe.WallThickness(); }
    double GetLiningThickness() const { return Pipe.LiningThickness(); }
    double GetInnerDiameter() const { return Pipe.InnerDiameter(); }
    void SetOuterDiameter(double mm);
    void SetWallThickness(double mm);
    // Also checks "Mit Auskleidung" exactly when mm > 0.
    void SetLiningThickness(double mm);

    void AnyChanged();
    void CB_AUSKLEIDClick();

    TCeSpinEdit* EDI_ADM = nullptr;
    TCeSpinEdit* EDI_WAND = nullptr;
    TCeSpinEdit* EDI_AUSKL = nullptr;
    QCheckBox* CB_AUSKLEID = nullptr;
    QWidget* PAN_AUSKLEID = nullptr;
    QLabel* LAB_Auskleidung = nullptr;
    QLabel* LAB_IDM = nullptr;
    QLabel* LAB_MeADM = nullptr;
    QLabel* LAB_MeWall = nullptr;
    QLabel* LAB_MeAuskl = nullptr;
    QWidget* PAN_Sketch = nullptr;
    TDUShape* SHP_Wall = nullptr;
    TDUShape* SHP_Lining = nullptr;
    TDUShape* SHP_IDM = nullptr;
    QLabel* IMG_DasRohr = nullptr;
    QPixmap IMG_MitAuskleidung;
    QPixmap IMG_OhneAuskleidung;
    QAction* ACT_CloseDialog = nullptr;

protected:
    void FormCreate();
    void showEvent(QShowEvent* event) override;

private:
    void CreateInputs();
    void CreateSketch();
    void CreateActions();
    void ConnectHandlers();
    void SetTabOrder();
    TCeSpinEdit* EditOf(TPipeField field) const;
    // Writes decimals, limits and value of every edit from the dimensions, silently.
    void WriteEdits();
    void EditChanged(TPipeField field);
    void DrawSketch();

    TPipeDimensions Pipe;
};

// The instance the application created at start (nullptr before).
TDLG_Rohrgeometrie* DLG_Rohrgeometrie();

// The main window's pipe-geometry action: loads the dialog with the point's pipe in the
// given length unit and shows it; on OK the point takes inner diameter, wall and lining
// back. Returns the point's verdict on the inner diameter, nothing when cancelled.
std::optional<TInputResult> EditPipeGeometry(TMeasuringPoint& point, int lengthUnit);
