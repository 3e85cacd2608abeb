// Serial numbers that make objects and windows unique: 1, 2, 3, ...
#pragma once

#include <cstdint>

uint32_t newserial();
