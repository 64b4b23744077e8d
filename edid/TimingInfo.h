#pragma once

#include <cstdint>

// One video timing: blanking, sync offsets, sync widths and polarities. The
// back porch is not stored; it is blanking minus front porch minus sync.
struct STimingInfo
{
    uint16_t nHBlank = 0; // horizontal blanking, pixels
    uint16_t nHFrontPorch = 0;
    uint16_t nHSyncWidth = 0;
    uint16_t nVBlank = 0; // vertical blanking, lines
    uint8_t nVFrontPorch = 0;
    uint8_t nVSyncWidth = 0;
    uint8_t nSyncFlags = 0; // see enSyncFlag
};

enum enSyncFlag : uint8_t
{
    SYNC_H_POSITIVE = 0x01,
    SYNC_V_POSITIVE = 0x02,
};

// A CVT request; the flags are non-zero for yes.
struct SCvtParam
{
    int32_t nWidth = 0;
    int32_t nHeight = 0;
    float fRate = 0.0f; // field rate, hertz
    int32_t bInterlaced = 0;
    int32_t bReducedBlanking = 0;
    int32_t bMargins = 0;
};
