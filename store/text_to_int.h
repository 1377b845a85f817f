// How every edit text is read as a number.
#pragma once

#include <cstdint>
#include <string_view>

// Leading blanks, an optional sign, then a decimal number or a hexadecimal one introduced by
// "$", "x", "X", "0x" or "0X". Anything else, a decimal value outside the signed 32-bit range
// or a hexadecimal value above FFFFFFFF gives the default. Hexadecimal is a 32-bit pattern.
int32_t TextToInt(std::string_view text, int32_t defaultValue);
