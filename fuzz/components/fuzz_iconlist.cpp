// Reads arbitrary bytes as an icon-list stream; a list that reads must write and read back
// with the same entries.

#include "components/imaging/IcoList.h"
#include "platform/ByteReader.h"
#include "platform/Exceptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TIconList list;
    ByteReader reader(data, size);
    try {
        list.LoadFromStream(reader);
    } catch (const Exception&) {
        return 0;
    }
    const QByteArray written = list.SaveToStream();
    TIconList again;
    ByteReader back(written);
    again.LoadFromStream(back);
    if (again.Count() != list.Count() || again.SaveToStream() != written)
        std::abort();
    for (int i = 0; i < list.Count(); ++i) {
        if ((list.Get(i) == nullptr) != (again.Get(i) == nullptr))
            std::abort();
        if (list.Get(i) != nullptr && list.Get(i)->Image() != again.Get(i)->Image())
            std::abort();
    }
    return 0;
}
