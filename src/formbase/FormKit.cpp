#include "formbase/FormKit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

void SetTextColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, ColorFromTColor(color));
    control->setPalette(palette);
}

void SetBackColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, ColorFromTColor(color));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void SetTabChain(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

int FitWidth(const QLabel* control, const QStringList& texts)
{
    // Measured as the label itself would ask for each text: frame, indent and margin included.
    QLabel probe;
    probe.setFont(control->font());
    probe.setFrameStyle(control->frameStyle());
    probe.setLineWidth(control->lineWidth());
    probe.setIndent(control->indent());
    probe.setMargin(control->margin());
    probe.setAlignment(control->alignment());
    int widest = 0;
    for (const QString& text : texts) {
        probe.setText(text);
        widest = std::max(widest, probe.sizeHint().width());
    }
    return widest;
}

namespace {

// The designed marker width, or that of a bold "=?" in the parent's font.
int MarkerWidth(const QWidget* parent, int designed)
{
    if (designed > 0)
        return designed;
    QFont bold = parent->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(QStringLiteral("=?")) + 6;
}

QLabel* CreateMarker(const char* name, QWidget* parent, int width)
{
    auto* marker = NewControl<QLabel>(name, parent, QStringLiteral("=?"));
    QFont bold = marker->font();
    bold.setBold(true);
    marker->setFont(bold);
    SetTextColor(marker, clRed);
    marker->setAlignment(Qt::AlignCenter);
    marker->setFixedWidth(width);
    // Shown and hidden as results change: the row must not shift when it comes and goes.
    QSizePolicy policy = marker->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    marker->setSizePolicy(policy);
    marker->hide();
    return marker;
}

QLabel* CreatePanel(const char* name, QWidget* parent)
{
    auto* panel = NewControl<QLabel>(name, parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return panel;
}

// Adds a part of fixed width, or keeps its column free when there is none.
void AddPart(QHBoxLayout* line, QWidget* part, int width)
{
    if (!part) {
        line->addSpacing(width + line->spacing());
        return;
    }
    part->setFixedWidth(width);
    line->addWidget(part, 0, Qt::AlignVCenter);
}

}  // namespace

TQuantityRow CreateQuantityRow(QWidget* parent, const TRowColumns& columns, const TQuantityRowSpec& spec)
{
    TQuantityRow row;
    row.Row = new QWidget(parent);
    auto* line = new QHBoxLayout(row.Row);
    line->setContentsMargins(0, 0, 0, 0);

    row.Caption = new QLabel(spec.Caption, row.Row);
    row.Caption->setAttribute(Qt::WA_NoMousePropagation);
    AddPart(line, row.Caption, columns.Caption);

    const int markerWidth = MarkerWidth(parent, columns.Marker);
    if (spec.Marker) {
        row.Marker = CreateMarker(spec.Marker, row.Row, markerWidth);
        row.Marker->setAttribute(Qt::WA_NoMousePropagation);
    }
    AddPart(line, row.Marker, markerWidth);

    row.Edit = NewControl<QLineEdit>(spec.Edit, row.Row);
    row.Edit->setAlignment(Qt::AlignRight);
    AddPart(line, row.Edit, columns.Edit);

    QWidget* unit = nullptr;
    if (spec.Unit) {
        row.Unit = NewControl<QComboBox>(spec.Unit, row.Row);
        unit = row.Unit;
    } else if (!spec.UnitText.isEmpty()) {
        row.UnitText = new QLabel(spec.UnitText, row.Row);
        unit = row.UnitText;
    }
    if (unit)
        unit->setAttribute(Qt::WA_NoMousePropagation);
    AddPart(line, unit, columns.Unit);

    if (spec.Panel) {
        row.Panel = CreatePanel(spec.Panel, row.Row);
        row.Panel->setAttribute(Qt::WA_NoMousePropagation);
    }
    AddPart(line, row.Panel, columns.Panel);
    line->addStretch();
    return row;
}
