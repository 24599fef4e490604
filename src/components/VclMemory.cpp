#include "components/VclMemory.h"

#include <cstdlib>
#include <cstring>

void* AllocMemo(long size)
{
    if (size < 1)
        return nullptr;
    return std::calloc(static_cast<std::size_t>(size), 1);
}

void FreeMemo(void*& p)
{
    std::free(p);
    p = nullptr;
}

bool CompareMem(const void* p1, const void* p2, long count)
{
    if (count < 1)
        return true;
    return std::memcmp(p1, p2, static_cast<std::size_t>(count)) == 0;
}

void* OffsetPointer(void* p, long n)
{
    return static_cast<char*>(p) + n;
}

void MoveBytes(void* dest, const void* source, long count)
{
    if (count > 0)
        std::memmove(dest, source, static_cast<std::size_t>(count));
}
