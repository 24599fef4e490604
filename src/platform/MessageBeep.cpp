#include "platform/MessageBeep.h"

#include <utility>

namespace {
int beepCount = 0;

std::function<void(unsigned)>& BeepHandler()
{
    static std::function<void(unsigned)> handler;
    return handler;
}
}  // namespace

void MessageBeep(unsigned type)
{
    ++beepCount;
    if (const auto& handler = BeepHandler())
        handler(type);
}

int MessageBeepCount()
{
    return beepCount;
}

void ResetMessageBeepCount()
{
    beepCount = 0;
}

void SetMessageBeepHandler(std::function<void(unsigned)> handler)
{
    BeepHandler() = std::move(handler);
}
