#pragma once
// The range check of a numeric edit, applied to the widgets: writes the label next to the
// edit, beeps and returns the focus to the edit.

#include <QString>

class QLabel;
class QLineEdit;

// Checks edit's text against [minimum, maximum]. value is 0 until success. On failure the
// label (may be null) shows the message in red and is made visible, the focus returns to
// the edit after the current event, and the system beeps (see the core CheckEditValue in
// CommTool.h). An empty edit text is replaced by "0".
bool CheckEditValue(QLineEdit* edit, QLabel* label, double& value, double minimum, double maximum,
                    const QString& unit);
