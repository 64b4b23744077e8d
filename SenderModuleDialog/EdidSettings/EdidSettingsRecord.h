#pragma once

#include <array>
#include <cstdint>

// The EDID settings of one video input as the video-source logic exchanges
// them: 20 bytes, little-endian, fixed offsets.
struct SEdidSettingsRecord
{
    static constexpr int g_nSize = 20;
    using CBytes = std::array<uint8_t, g_nSize>;

    uint32_t uFrameRate = 0; // whole hertz
    bool bFractional = false; // rate * 1000 / 1001
    uint16_t uWidth = 0;
    uint16_t uHeight = 0;
    uint8_t ucColor = 0; // depth and format bits
    uint8_t ucTimingStandard = 0; // 0 CVT_RB, 1 CVT
    uint8_t ucConnectPC = 0;

    CBytes ToBytes() const;
    // The first four bytes and the reserved tail are ignored.
    static SEdidSettingsRecord FromBytes(const CBytes& bytes);
};

// How the video-source logic names an input in its record-based operations:
// zeros with the input identifier at offset 12.
SEdidSettingsRecord::CBytes MakeEdidInputDescriptor(int nInputId);
