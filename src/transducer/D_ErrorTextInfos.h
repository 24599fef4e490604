#pragma once
// "Please note": the static note on how the estimated error is to be read.

#include "formbase/MultForm.h"

class QLabel;

class TDLG_ErrorTextInfo : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_ErrorTextInfo(QWidget* parent = nullptr);

    QLabel* LAB_Heading = nullptr;
    QLabel* LAB_Conclusion = nullptr;
};
