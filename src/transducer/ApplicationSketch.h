#pragma once
// The sketch panel of the application dialog (Panel1 in the group "Sensorabstand") with its
// shapes, and the transit-time table in the group "Laufzeiten [µs]". Apply shows a layout
// made by UpdateSketch; the hints of the shapes appear at once where the mouse moves.

#include "transducer/SketchLayout.h"

#include <QWidget>

#include <functional>
#include <map>

class QAbstractButton;
class QGroupBox;
class QLabel;
class TDUShape;
class tAcousticPath;
class tApplicationCalc;

class TApplicationSketch : public QWidget {
    Q_OBJECT

public:
    // Creates the shapes on this panel and the table's labels in table.
    TApplicationSketch(QWidget* parent, QGroupBox* table);

    // Shows the layout; the fixing check box takes its caption, hint and enabling. An
    // invalid pipe hides the shapes and empties their hints and paths.
    void Apply(const tSketchLayout& layout, QAbstractButton* fixBox);
    // Shows the control's hint at the mouse position as soon as the mouse moves over it.
    // With hintAt the control first takes as its hint the text hintAt gives for the mouse
    // position (in the control's coordinates).
    using THintAt = std::function<QString(QPoint)>;
    void TrackHint(QWidget* control, THintAt hintAt = {});

    TDUShape* SHP_Wall = nullptr;
    TDUShape* SHP_Lining = nullptr;
    TDUShape* SHP_IDM = nullptr;
    TDUShape* SHP_SensV = nullptr;
    TDUShape* SHP_SensR_Durch = nullptr;
    TDUShape* SHP_SensR_Reflex = nullptr;
    QLabel* LAB_LZAlpha = nullptr;
    QLabel* LAB_LZBETA = nullptr;
    QLabel* LAB_LZGamma = nullptr;
    QLabel* LZ_SumAlpha = nullptr;
    QLabel* LZ_SumAlphaBeta = nullptr;
    QLabel* LAB_SumAlphaBetaGamma = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateShapes();
    void CreateTable(QGroupBox* table);

    std::map<const QObject*, THintAt> hintAt_;
};

// The detail text may be shown: valid results, or a path that stopped at total reflection.
bool DetailTextAvailable(const tApplicationCalc& calc);
// "Mehr Infos...": the detail text of the path in the memo dialog, modally; the wait cursor
// and the dialog are released on every path.
void ShowApplicationDetail(QWidget* parent, const tAcousticPath& path);
