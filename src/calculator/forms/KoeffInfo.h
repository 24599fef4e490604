#pragma once
// The coefficient list: one coefficient set as text. A plain dialog without translator (its
// lines are formula keys and numbers), so callers create it directly, not through the
// dialog factory.

#include "reference/CoeffSet.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TDLG_Koeffs : public QDialog {
    Q_OBJECT

public:
    explicit TDLG_Koeffs(QWidget* parent = nullptr);

    // Keeps a copy of the set and fills Memo1 with its six lines.
    void ShowCoefficients(const tCoeffSet& set);
    const tCoeffSet& Coefficients() const { return coefficients_; }

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BUT_OK = nullptr;

private:
    tCoeffSet coefficients_;
};
