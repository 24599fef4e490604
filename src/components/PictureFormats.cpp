#include "components/PictureFormats.h"

#include "components/VCLUtils.h"
#include "components/imaging/GraphicErrors.h"
#include "components/imaging/ClipIcon.h"
#include "components/imaging/GraphicFormats.h"

void RegisterPictureFormats()
{
    RegisterGIFFormat();
    RegisterIconClipboardFormat();
    SetImagingNotImplementedHandler(&NotImplemented);
}
