#pragma once
// The text window: a read-only memo in a fixed-pitch font, closed with OK. Callers fill
// DasMemo and show it.

#include "formbase/MultForm.h"

class QPlainTextEdit;

class TDLG_MemoInfo : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_MemoInfo(QWidget* parent = nullptr);

    QPlainTextEdit* DasMemo = nullptr;

protected:
    void FormCreate();

private:
    void CreateMemo();
};
