#include "transducer/OemVariant.h"

std::uint8_t IsOemVariant = 0;
