#pragma once
// The larger and the smaller of two 32-bit integers.

#include <cstdint>

constexpr std::int32_t Max(std::int32_t a, std::int32_t b)
{
    return a > b ? a : b;
}

constexpr std::int32_t Min(std::int32_t a, std::int32_t b)
{
    return a < b ? a : b;
}
