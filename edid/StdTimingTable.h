#pragma once

#include <cstdint>

enum enStdTimingColumn
{
    STD_H_ACTIVE,
    STD_H_BLANK,
    STD_H_FRONT_PORCH,
    STD_H_SYNC,
    STD_H_BORDER,
    STD_V_ACTIVE,
    STD_V_BLANK,
    STD_V_FRONT_PORCH,
    STD_V_SYNC,
    STD_V_BORDER,
    STD_SYNC_FLAGS,
    STD_COLUMN_COUNT
};

constexpr int STD_TIMING_ROWS = 13;

// Fixed 60 Hz timings of common formats (the last row is 800x600 at 120 Hz,
// reduced blanking). Formats found here bypass the CVT formula.
extern const uint16_t g_StdTimingTable[STD_TIMING_ROWS][STD_COLUMN_COUNT];

// Whole-hertz rates that select each row; a 50 Hz request borrows the 60 Hz blanking.
extern const int g_StdTimingRates[STD_TIMING_ROWS][2];
