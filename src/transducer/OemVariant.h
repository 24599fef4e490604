#pragma once
// The partner-brand flag: set once by the main window at start from the executable's name;
// read by every place that shows brand texts, logos or transducer names.

#include <cstdint>

extern std::uint8_t IsOemVariant;
