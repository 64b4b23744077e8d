// The timing half of CEdidBuilder. Every step keeps single precision and its
// own floor or truncation on purpose: the values must be reproducible to the
// last bit, rounding slips included.
#include "EdidBuilder.h"
#include "StdTimingTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr float CELL = 8.0f;
constexpr float INV_CELL = 0.125f;

// Truncation toward zero that saturates, so that nonsense rates cannot push a
// conversion into undefined behaviour.
template <typename T> T TruncSaturate(float fValue)
{
    if (std::isnan(fValue))
        return 0;
    if (fValue <= static_cast<float>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (fValue >= static_cast<float>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(fValue);
}

float FloorCells(float fValue)
{
    return std::floor(fValue * INV_CELL) * CELL;
}

// Vertical sync width by aspect ratio, first match wins. The ratio width is
// floored to whole cells, so near-ratios match too.
float VSyncForAspect(float fRoundedWidth, float fHeight)
{
    struct SAspect
    {
        float fNumerator;
        float fDenominator;
        float fSync;
    };
    // Dividing by 4 is exact, so 5:4 equals the 5 x H x 0.25 form.
    static const SAspect s_arrAspects[] = {
        {4.0f, 3.0f, 4.0f},
        {16.0f, 9.0f, 5.0f},
        {16.0f, 10.0f, 6.0f},
        {5.0f, 4.0f, 7.0f},
        {15.0f, 9.0f, 7.0f},
    };
    for (const SAspect& sAspect : s_arrAspects)
        if (FloorCells(sAspect.fNumerator * fHeight / sAspect.fDenominator) == fRoundedWidth)
            return sAspect.fSync;
    return 10.0f;
}

void FillReducedBlanking(float fRate, float fLines, float fVMargin, float fVSync, STimingInfo& sTiming)
{
    constexpr float MIN_VBLANK_US = 460.0f;
    const float fLinePeriod = (1000000.0f / fRate - MIN_VBLANK_US) / (fLines + 2.0f * fVMargin);
    const float fVBlank = std::floor(MIN_VBLANK_US / fLinePeriod) + 1.0f;
    // 3 lines front porch, the sync, at least 6 lines back porch.
    sTiming.nVBlank = TruncSaturate<uint16_t>(std::max(fVBlank, fVSync + 9.0f));
    sTiming.nHBlank = 160;
    sTiming.nHFrontPorch = 48;
    sTiming.nHSyncWidth = 32;
    sTiming.nVFrontPorch = 3;
    sTiming.nSyncFlags = SYNC_H_POSITIVE;
}

void FillStandardBlanking(float fRate, float fActiveWidth, float fLines, float fVMargin, float fInterlace,
    float fVSync, STimingInfo& sTiming)
{
    constexpr float MIN_VSYNC_BP_US = 550.0f;
    const float fLinePeriod
        = ((1.0f / fRate) - 0.00055f) / (fLines + 2.0f * fVMargin + 3.0f + fInterlace) * 1000000.0f;
    float fSyncBackPorch = std::floor(MIN_VSYNC_BP_US / fLinePeriod) + 1.0f;
    fSyncBackPorch = std::max(fSyncBackPorch, fVSync + 3.0f);
    float fDuty = 30.0f - fLinePeriod * 300.0f / 1000.0f;
    fDuty = std::max(fDuty, 20.0f);
    // Blanking in pairs of cells, so that half of it is still whole cells.
    const float fHBlank = std::floor(fDuty * fActiveWidth / (100.0f - fDuty) * 0.0625f) * 16.0f;
    const float fHSync = std::floor(0.125f * ((fActiveWidth + fHBlank) * 0.08f)) * CELL;
    sTiming.nHBlank = TruncSaturate<uint16_t>(fHBlank);
    sTiming.nHSyncWidth = TruncSaturate<uint16_t>(fHSync);
    sTiming.nHFrontPorch = TruncSaturate<uint16_t>(fHBlank - fHBlank * 0.5f - fHSync);
    sTiming.nVBlank = TruncSaturate<uint16_t>(3.0f + fSyncBackPorch);
    sTiming.nVFrontPorch = 3;
    sTiming.nSyncFlags = SYNC_V_POSITIVE;
}

// Horizontal and vertical blanking of a mode, from the fixed table when the
// format is listed there; only the two blanking fields are filled.
STimingInfo LookUpBlanking(int nWidth, int nHeight, float fRate, bool bReducedBlanking)
{
    STimingInfo sTiming;
    int nRow = -1;
    CEdidBuilder::FindStdTiming(nWidth, nHeight, TruncSaturate<int>(fRate), nRow);
    if (nRow >= 0) {
        sTiming.nHBlank = g_StdTimingTable[nRow][STD_H_BLANK];
        sTiming.nVBlank = g_StdTimingTable[nRow][STD_V_BLANK];
    } else {
        CEdidBuilder::CalcCvtTiming(nWidth, nHeight, fRate, 0, bReducedBlanking ? 1 : 0, 0, sTiming);
    }
    return sTiming;
}
} // namespace

void CEdidBuilder::FindStdTiming(int nWidth, int nHeight, int nRate, int& nIndex)
{
    for (int nRow = 0; nRow < STD_TIMING_ROWS; ++nRow) {
        const uint16_t* pRow = g_StdTimingTable[nRow];
        if (pRow[STD_H_ACTIVE] == nWidth && pRow[STD_V_ACTIVE] == nHeight
            && (g_StdTimingRates[nRow][0] == nRate || g_StdTimingRates[nRow][1] == nRate)) {
            nIndex = nRow;
            return;
        }
    }
}

void CEdidBuilder::CalcCvtTiming(int nWidth, int nHeight, float fRate, int bInterlaced, int bReducedBlanking,
    int bMargins, STimingInfo& sTiming)
{
    sTiming = STimingInfo();
    const float fHeight = static_cast<float>(nHeight);
    const float fRoundedWidth = FloorCells(static_cast<float>(nWidth) + CELL - 1.0f);
    const float fVSync = VSyncForAspect(fRoundedWidth, fHeight);

    float fActiveWidth = fRoundedWidth;
    if (bMargins)
        fActiveWidth += 2.0f * FloorCells(fRoundedWidth * 1.8f / 100.0f);
    const float fLines = bInterlaced ? std::floor(fHeight * 0.5f) : fHeight;
    const float fInterlace = bInterlaced ? 0.5f : 0.0f;
    const float fVMargin = bMargins ? std::floor(0.018f * fLines) : 0.0f;

    if (bReducedBlanking)
        FillReducedBlanking(fRate, fLines, fVMargin, fVSync, sTiming);
    else
        FillStandardBlanking(fRate, fActiveWidth, fLines, fVMargin, fInterlace, fVSync, sTiming);
    sTiming.nVSyncWidth = TruncSaturate<uint8_t>(fVSync);
}

void CEdidBuilder::CalcCvtTimingByParam(const SCvtParam& sParam, STimingInfo& sTiming)
{
    STimingInfo sResult;
    CalcCvtTiming(sParam.nWidth, sParam.nHeight, sParam.fRate, sParam.bInterlaced, sParam.bReducedBlanking,
        sParam.bMargins, sResult);
    sTiming = sResult;
}

uint32_t CEdidBuilder::CalcBackPorch(uint32_t nBlank, uint32_t nFrontPorch, uint32_t nSync)
{
    return nBlank - nFrontPorch - nSync;
}

float CEdidBuilder::CalcPixelClockMHz(
    int nActivePixels, int nHBlank, int nActiveLines, int nVBlank, float fRate)
{
    const float fTotalPixels = static_cast<float>(nActivePixels) + static_cast<float>(nHBlank);
    const float fTotalLines = static_cast<float>(nActiveLines) + static_cast<float>(nVBlank);
    return fTotalPixels * fTotalLines * fRate / 1000000.0f;
}

int64_t CEdidBuilder::CalcDescriptorClockHz(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming)
{
    // The product of the totals is an integer first, then scaled in single precision.
    const int64_t nTotal = static_cast<int64_t>(nWidth + sTiming.nHBlank) * (nHeight + sTiming.nVBlank);
    return TruncSaturate<int64_t>(static_cast<float>(nTotal) * fRate);
}

bool CEdidBuilder::IsPixelClockSupported(int nWidth, int nHeight, float fRate)
{
    constexpr int64_t MAX_CLOCK_HZ = 160000000;
    const STimingInfo sTiming = LookUpBlanking(nWidth, nHeight, fRate, true);
    return CalcDescriptorClockHz(nWidth, nHeight, fRate, sTiming) <= MAX_CLOCK_HZ;
}

float CEdidBuilder::CalcPixelRate(int nWidth, int nHeight, float fRate, int nTimingStandard)
{
    const STimingInfo sTiming = LookUpBlanking(nWidth, nHeight, fRate, nTimingStandard == 0);
    return (static_cast<float>(nWidth) + static_cast<float>(sTiming.nHBlank))
        * (static_cast<float>(nHeight) + static_cast<float>(sTiming.nVBlank)) * fRate;
}
