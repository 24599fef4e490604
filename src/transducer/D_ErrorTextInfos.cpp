#include "transducer/D_ErrorTextInfos.h"

#include "formbase/FormKit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A list item led by a small black square.
QWidget* Item(QWidget* parent, const QString& text)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* square = new QFrame(row);
    square->setFixedSize(7, 7);
    square->setStyleSheet(QStringLiteral("background: black"));
    auto* label = new QLabel(text, row);
    label->setWordWrap(true);
    layout->addWidget(square, 0, Qt::AlignTop);
    layout->addWidget(label, 1);
    return row;
}

QLabel* Text(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TDLG_ErrorTextInfo::TDLG_ErrorTextInfo(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_ErrorTextInfo"));
    setWindowTitle(QStringLiteral("Please note"));
    FormCreate();
    resize(507, 504);
    auto* layout = new QVBoxLayout(ClientArea());
    auto* head = new QHBoxLayout;
    auto* icon = new QLabel(ClientArea());
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16));
    CreateControl(LAB_Heading, "LAB_Heading", ClientArea(), QStringLiteral("Notes about estimated error"));
    LAB_Heading->setFont(QFont(QStringLiteral("Arial"), -1, QFont::Bold));
    LAB_Heading->setStyleSheet(QStringLiteral("font-size: 16px"));
    head->addWidget(icon);
    head->addWidget(LAB_Heading, 1);
    layout->addLayout(head);
    auto* bevel = new QFrame(ClientArea());
    bevel->setFrameShape(QFrame::Box);
    auto* inner = new QVBoxLayout(bevel);
    inner->addWidget(Text(bevel, QStringLiteral("The accuracy of an ultrasonic clamp on flowmeter depends on a lot of "
                                                "factors which are application dependent:")));
    inner->addWidget(Item(bevel, QStringLiteral("The thickness of the pipe wall has to be well known.")));
    inner->addWidget(Item(bevel, QStringLiteral("The sound velocity in the pipe wall has to be well known.")));
    inner->addWidget(Item(bevel, QStringLiteral("Outside and inside diameter of the pipe has to be well known.")));
    inner->addWidget(Item(bevel, QStringLiteral("The transducers has to be placed on the proper distance, which is "
                                                "dependent on the sound velocity of the fluid (and therefore on the "
                                                "temperature), \npipe diameter and wall thickness.")));
    inner->addWidget(Item(bevel, QStringLiteral("Viscosity, density and diameter has to be known to calculate \nthe "
                                                "proper flow profile.")));
    CreateControl(LAB_Conclusion, "LAB_Conclusion", bevel,
                  QStringLiteral("Therefore the flow error is in practice between 1% and 3% of rate."));
    LAB_Conclusion->setAlignment(Qt::AlignCenter);
    LAB_Conclusion->setStyleSheet(QStringLiteral("font-family: Arial; font-weight: bold; font-size: 13px"));
    inner->addWidget(LAB_Conclusion);
    inner->addWidget(Text(bevel, QStringLiteral("The estimated max. error limit is calculated under the assumption, "
                                                "that the above conditions are kept within 5% of reality. ")));
    inner->addWidget(Text(bevel, QStringLiteral("The estimated typical error is calculated under the assumption, that "
                                                "the above conditions are kept within 2% of reality which can be "
                                                "achieved in standard circumstances.")));
    inner->addWidget(Text(bevel, QStringLiteral("However, if the above conditions are known very well (calibration "
                                                "conditions), an accuracy of less than 1% can be achieved.")));
    layout->addWidget(bevel, 1);
    Panel_BUTTONS->show();
    BUT_Cancel->hide();
}
