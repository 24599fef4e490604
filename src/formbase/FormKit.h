#pragma once
// The form kit: every control of a form is made here, with its design name as object name,
// and a quantity row (caption, "=?" marker, edit, unit, value panel) is one call.
//
// How a form uses it (controls are member fields named as designed):
//
//     TDLG_Example::TDLG_Example(QWidget* parent) : TMultilingualForm(parent)
//     {
//         CreateLimits();            // one Create<Group> step per group box
//         ConnectHandlers();
//         SetTabOrder();
//     }
//     void TDLG_Example::CreateLimits()
//     {
//         CreateControl(GRP_Limits, "GRP_Limits", ClientArea(), QStringLiteral("Grenzen"));
//         CreateControl(BUT_Reset, "BUT_Reset", GRP_Limits, QStringLiteral("Zurücksetzen"));
//         CreateControl(ACT_Reset, "ACT_Reset", this, QStringLiteral("Zurücksetzen"));
//         const TQuantityRow row = CreateQuantityRow(GRP_Limits, columns,
//             {QStringLiteral("Temperatur"), nullptr, "INP_Temp", "ME_Temp", "PAN_Temp"});
//         INP_Temp = row.Edit;
//         ME_Temp = row.Unit;
//         PAN_Temp = row.Panel;
//         SetTextColor(PAN_Temp, clRed);
//     }
//     void TDLG_Example::SetTabOrder() { SetTabChain({INP_Temp, ME_Temp, BUT_Reset}); }
//
// The form is translated by whoever creates it (registry or dialog factory), never by its
// constructor.

#include "platform/Colors.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

class QComboBox;
class QFontMetrics;
class QLabel;
class QLineEdit;

class QWidget;

// Creates a T (a widget, an action, a layout-free helper object) owned by parent, with
// args passed before the parent ("text, parent"), stores it in field and names it.
template <class T, class P, class... Args>
T* CreateControl(T*& field, const char* name, P* parent, Args&&... args)
{
    field = new T(std::forward<Args>(args)..., parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

// The same for a control the form keeps no field of.
template <class T, class P, class... Args>
T* NewControl(const char* name, P* parent, Args&&... args)
{
    T* control = nullptr;
    return CreateControl(control, name, parent, std::forward<Args>(args)...);
}

// Text colour of a label, check box or group (the design's 0x00BBGGRR value).
void SetTextColor(QWidget* control, TColor color);
// Background colour of a panel; the panel fills its background from now on.
void SetBackColor(QWidget* control, TColor color);

// Tab walks the controls in this order.
void SetTabChain(std::initializer_list<QWidget*> controls);

// The width a control needs to show the widest of these texts in its own font, frame and
// indent included.
int FitWidth(const QLabel* control, const QStringList& texts);

// Column widths shared by every quantity row of a form, so the columns line up across
// groups. A zero marker width means the width of a bold "=?".
struct TRowColumns {
    int Caption = 0;
    int Marker = 0;
    int Edit = 0;
    int Unit = 0;
    int Panel = 0;
};

// The design names of one quantity row; nullptr leaves a part out (its column stays).
struct TQuantityRowSpec {
    TQuantityRowSpec(QString caption, const char* marker, const char* edit, const char* unit, const char* panel,
                     QString unitText = {})
        : Caption(std::move(caption)), Marker(marker), Edit(edit), Unit(unit), Panel(panel),
          UnitText(std::move(unitText))
    {
    }
    QString Caption;
    const char* Marker;  // "=?" in bold red, hidden until the window shows it
    const char* Edit;
    const char* Unit;    // a unit box
    const char* Panel;   // a sunken value panel, right-aligned
    QString UnitText;    // a fixed unit shown as text where there is no unit box
};

struct TQuantityRow {
    QWidget* Row = nullptr;  // holds every part; place it in the group's layout
    QLabel* Caption = nullptr;
    QLabel* Marker = nullptr;
    QLineEdit* Edit = nullptr;
    QComboBox* Unit = nullptr;
    QLabel* UnitText = nullptr;
    QLabel* Panel = nullptr;
};

// One row: caption, marker, edit, unit and panel side by side, each vertically centred on
// the row so the marker's "=?" stands level with the edit's text. A click on the caption,
// marker, unit or panel stays with it (it is not a click on the group behind).
TQuantityRow CreateQuantityRow(QWidget* parent, const TRowColumns& columns, const TQuantityRowSpec& spec);
