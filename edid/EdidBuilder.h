#pragma once

#include "TimingInfo.h"

#include <cstdint>

// The 128-byte EDID 1.3 base block of a virtual monitor showing one active
// resolution at one rate, plus the timing arithmetic behind it. The timing
// operations are static: they read only their arguments and the standard table.
class CEdidBuilder
{
public:
    static constexpr int BLOCK_SIZE = 128;

    // Block operations. Values wider than a descriptor field keep only the
    // field's low bits; EdidLimits::CheckEncodable tells callers beforehand.
    void ClearBlock();
    void UpdateChecksum();
    void BuildBaseBlock(int nWidth, int nHeight);
    void WriteDetailedTiming(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming);
    void SetDetailedTiming(int nWidth, int nHeight, float fRate);
    void BuildEdid(int nWidth, int nHeight, float fRate);
    // The same block for an interlaced mode: the descriptor holds one field,
    // half the lines (rounded down) at twice the frame rate.
    void BuildInterlacedEdid(int nWidth, int nHeight, float fFrameRate);

    const uint8_t* GetBlock() const { return m_arrBlock; }
    bool IsChecksumValid() const;

    // Timing operations.
    static void FindStdTiming(int nWidth, int nHeight, int nRate, int& nIndex);
    static void CalcCvtTiming(int nWidth, int nHeight, float fRate, int bInterlaced, int bReducedBlanking,
        int bMargins, STimingInfo& sTiming);
    static void CalcCvtTimingByParam(const SCvtParam& sParam, STimingInfo& sTiming);
    static uint32_t CalcBackPorch(uint32_t nBlank, uint32_t nFrontPorch, uint32_t nSync);
    static float CalcPixelClockMHz(
        int nActivePixels, int nHBlank, int nActiveLines, int nVBlank, float fRate);
    static bool IsPixelClockSupported(int nWidth, int nHeight, float fRate);
    // nTimingStandard 0 selects reduced blanking, anything else standard CVT blanking.
    static float CalcPixelRate(int nWidth, int nHeight, float fRate, int nTimingStandard);

    // The descriptor's pixel clock before division into 10 kHz units, in hertz.
    static int64_t CalcDescriptorClockHz(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming);

private:
    uint8_t m_arrBlock[BLOCK_SIZE] = {};
};
