#include "formbase/D_MemoInfo.h"

#include "formbase/FormKit.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDLG_MemoInfo::TDLG_MemoInfo(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_MemoInfo"));
    setWindowTitle(QStringLiteral("Info"));
    CreateMemo();
    Panel_BUTTONS->show();
    FormCreate();
}

void TDLG_MemoInfo::FormCreate()
{
    TMultilingualForm::FormCreate();
}

void TDLG_MemoInfo::CreateMemo()
{
    CreateControl(DasMemo, "DasMemo", ClientArea());
    DasMemo->setReadOnly(true);
    DasMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    DasMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DasMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(13);
    DasMemo->setFont(fixed);
    QPalette palette = DasMemo->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    DasMemo->setPalette(palette);
    DasMemo->setMinimumSize(560, 360);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DasMemo);
}
