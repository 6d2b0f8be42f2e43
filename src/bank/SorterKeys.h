#pragma once

#include <cstdint>
#include <string>

// Two numbers as one fourteen-digit key ("0000000" each), so that text order
// is numeric order.
std::string FormatOrderKey(int32_t key1, int32_t key2);
