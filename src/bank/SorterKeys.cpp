#include "bank/SorterKeys.h"

#include <cstdio>

std::string FormatOrderKey(int32_t key1, int32_t key2)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%07d%07d", key1, key2);
    return buf;
}
