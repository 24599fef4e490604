// Reads arbitrary bytes as an animated cursor; a cursor that reads hands its steps on to a
// GIF image, which must write.

#include "components/imaging/AniFile.h"
#include "components/imaging/CeGIF.h"
#include "components/imaging/IcoList.h"
#include "platform/Exceptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TAnimatedCursorImage cursor;
    if (size == 0)
        return 0;  // nothing is read from nothing
    try {
        cursor.LoadFromStream(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const Exception&) {
        return 0;
    }
    if (cursor.FrameCount() < 1 || cursor.Header.Steps != std::uint32_t(cursor.FrameCount()))
        std::abort();
    TIconList list;
    cursor.AssignTo(list);
    if (list.Count() != cursor.FrameCount())
        std::abort();
    if (cursor.FrameCount() <= 4) {
        TGIFImage gif;
        gif.Assign(cursor);
        if (gif.FrameCount() != cursor.FrameCount() || gif.SaveToStream().isEmpty())
            std::abort();
    }
    return 0;
}
