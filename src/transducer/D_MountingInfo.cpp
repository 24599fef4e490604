#include "transducer/D_MountingInfo.h"

#include "components/CEConst.h"
#include "components/imaging/CeGIF.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "platform/Exceptions.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A picture stored with the program, read through its own GIF reader; a damaged picture
// leaves the page empty rather than stop the dialog.
QPixmap MountingPicture(const char* resource)
{
    InitComponentResources();
    QFile file(QStringLiteral(":/components/") + QLatin1String(resource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    try {
        TGIFImage gif;
        gif.LoadFromStream(file.readAll());
        return QPixmap::fromImage(gif.AssignToBitmap().Image);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

int MountingPage(int paths, double spacing)
{
    if (paths % 2 == 0)
        return 0;
    return spacing >= 0.0 ? 1 : 2;
}

TDLG_MountingInfo::TDLG_MountingInfo(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_MountingInfo"));
    setWindowTitle(QStringLiteral("Mounting Information"));
    FormCreate();
    CreatePages();
    CreateLegend();
    BUT_OK->hide();
    Panel_BUTTONS->show();
}

QWidget* TDLG_MountingInfo::CreatePage(QWidget*& page, const char* name, const QString& caption, QLabel*& image,
                                       const char* imageName, const char* resource)
{
    CreateControl(page, name, PageControl);
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    CreateControl(image, imageName, panel);
    image->setPixmap(MountingPicture(resource));
    image->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(panel))->addWidget(image);
    (new QVBoxLayout(page))->addWidget(panel);
    PageControl->addTab(page, caption);
    return page;
}

void TDLG_MountingInfo::CreatePages()
{
    CreateControl(PageControl, "PageControl", ClientArea());
    QFont bold = font();  // the form's Arial 13 px, bold
    bold.setBold(true);
    PageControl->setFont(bold);
    CreatePage(Tab_reflex, "Tab_reflex", QStringLiteral("Reflex"), Image4, "Image4", "MountingReflex");
    CreatePage(Tab_F2F, "Tab_F2F", QStringLiteral("Face to Face"), Image1, "Image1", "MountingFaceToFace");
    CreatePage(Tab_F2Fsmaller0, "Tab_F2Fsmaller0", QStringLiteral("Face to Face (T<0)"), Image5, "Image5",
               "MountingFaceToFaceNegative");
    // All three tabs in view at once.
    PageControl->setMinimumWidth(PageControl->tabBar()->sizeHint().width() + 8);
}

void TDLG_MountingInfo::CreateLegend()
{
    CreateControl(Panel2, "Panel2", ClientArea());
    auto* frame = new QVBoxLayout(Panel2);
    for (const char* text : {"T = Transducer distance", "M = Free pipe length for mounting "}) {
        auto* label = new QLabel(QString::fromLatin1(text), Panel2);
        label->setFont(PageControl->font());
        frame->addWidget(label);
    }
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);
    layout->addWidget(Panel2);
}

void TDLG_MountingInfo::SelectPage(int paths, double spacing)
{
    PageControl->setCurrentIndex(MountingPage(paths, spacing));
}

int TDLG_MountingInfo::ShowMountingInfo(int paths, double spacing)
{
    SelectPage(paths, spacing);
    return ShowDialog();
}

// FormActivate: the page control takes the focus.
void TDLG_MountingInfo::showEvent(QShowEvent* event)
{
    TMultilingualForm::showEvent(event);
    PageControl->setFocus(Qt::ActiveWindowFocusReason);
}

void ShowMountingInformation(QWidget* parent, int paths, double spacing)
{
    CreateDialog<TDLG_MountingInfo>(parent)->ShowMountingInfo(paths, spacing);
}
