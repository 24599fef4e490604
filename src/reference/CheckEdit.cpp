#include "reference/CheckEdit.h"

#include "reference/CommTool.h"

#include "platform/Colors.h"
#include "platform/FocusRules.h"
#include "platform/MessageBeep.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace {

void SetLabelColor(QLabel* label, std::uint32_t color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorFromTColor(color));
    label->setPalette(palette);
}

}  // namespace

bool CheckEditValue(QLineEdit* edit, QLabel* label, double& value, double minimum, double maximum,
                    const QString& unit)
{
    value = 0;
    const tCheckEditResult result = CheckEditValue(edit->text(), minimum, maximum, unit, label != nullptr);
    if (result.ReplaceEmptyText)
        edit->setText(QStringLiteral("0"));
    if (label != nullptr && result.LabelChanged) {
        label->setText(result.LabelCaption);
        SetLabelColor(label, result.LabelColor);
        if (result.ShowLabel)
            label->setVisible(true);
    }
    if (result.Beep)
        MessageBeep(0xFFFF);
    if (result.FocusBack)
        ReturnFocusLater(edit);
    if (result.Ok)
        value = result.Value;
    return result.Ok;
}
