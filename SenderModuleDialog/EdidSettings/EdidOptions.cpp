#include "EdidOptions.h"

#include "EdidBuilder.h"

#include <QSysInfo>

#include <cmath>

#include <algorithm>
#include <initializer_list>

namespace EdidOptions {

const SFrameRate g_arrFrameRates[g_nRateCount] = {
    {"23.976", 24, true, 0.0f},
    {"24", 24, false, 0.0f},
    {"25", 25, false, 0.0f},
    {"29.97", 30, true, 29.97f},
    {"30", 30, false, 30.0f},
    {"50", 50, false, 50.0f},
    {"59.94", 60, true, 59.94f},
    {"60", 60, false, 60.0f},
    {"120", 120, false, 120.0f},
    {"144", 144, false, 0.0f},
    {"240", 240, false, 0.0f},
};

namespace {

bool IsIn(int nValue, std::initializer_list<int> listValues)
{
    return std::find(listValues.begin(), listValues.end(), nValue) != listValues.end();
}

bool IsHdmiInput(int nInput)
{
    return nInput >= 16 && nInput <= 19;
}

bool IsModel73Hdmi(const SInputContext& ctx)
{
    return ctx.nModel == 73 && IsHdmiInput(ctx.nInput);
}

bool OffersCinemaRates(const SInputContext& ctx)
{
    return IsIn(ctx.nModel, {51, 53, 61, 62, 63, 65, 66, 69}) || IsModel73Hdmi(ctx);
}

bool Offers25(const SInputContext& ctx)
{
    return IsIn(ctx.nModel, {53, 62}) || IsModel73Hdmi(ctx);
}

bool OffersNtscRates(const SInputContext& ctx)
{
    return IsIn(ctx.nModel, {50, 51, 53, 59, 61, 62, 63, 65, 66, 69}) || IsModel73Hdmi(ctx);
}

bool OffersLowRates(const SInputContext& ctx)
{
    return ctx.nInput != 132;
}

bool OffersAlways(const SInputContext&)
{
    return true;
}

bool Offers120(const SInputContext& ctx)
{
    const bool bExtendedInput = ctx.nInput >= 1 && (ctx.nInput <= 4 || IsHdmiInput(ctx.nInput));
    return (ctx.bExtendedEdid && bExtendedInput)
        || IsIn(ctx.nModel, {17, 27, 28, 35, 36, 44, 46, 50, 51, 53, 59, 61, 62, 63, 65, 66, 68, 69});
}

bool OffersAbove120(const SInputContext& ctx)
{
    return ctx.nModel == 68;
}

struct SRateRule
{
    int nPosition;
    bool (*fnOffered)(const SInputContext&);
    bool bLastWhenRestricted;
};

// Menu order; the restricted dialog stops after 50 Hz.
const SRateRule g_arrRateRules[] = {
    {0, OffersCinemaRates, false},
    {1, OffersCinemaRates, false},
    {2, Offers25, false},
    {3, OffersNtscRates, false},
    {4, OffersLowRates, false},
    {5, OffersLowRates, true},
    {6, OffersNtscRates, false},
    {7, OffersAlways, false},
    {8, Offers120, false},
    {9, OffersAbove120, false},
    {10, OffersAbove120, false},
};

bool SetOneHot(int nIndex, int nCount, uint8_t ucFirstBit, uint8_t ucMask, uint8_t& ucColor)
{
    if (nIndex < 0 || nIndex >= nCount)
        return false;
    ucColor = static_cast<uint8_t>((ucColor & ~ucMask) | (1u << (ucFirstBit + nIndex)));
    return true;
}

// The lowest set bit wins; no bit reads as position 0.
int FirstOneHot(uint8_t ucColor, int nCount, uint8_t ucFirstBit)
{
    for (int i = 0; i < nCount; ++i) {
        if (ucColor & (1u << (ucFirstBit + i)))
            return i;
    }
    return 0;
}

QPair<QString, QString> RealSystemName()
{
    return {QSysInfo::productType(), QSysInfo::productVersion()};
}

FnSystemName g_fnSystemName = RealSystemName;

} // namespace

bool FrameRateByIndex(int nIndex, uint8_t& ucRate, bool& bFractional)
{
    ucRate = 0;
    bFractional = false;
    if (nIndex < 0 || nIndex >= g_nRateCount)
        return false;
    ucRate = g_arrFrameRates[nIndex].ucRate;
    bFractional = g_arrFrameRates[nIndex].bFractional;
    return true;
}

bool IndexByFrameRate(uint8_t ucRate, bool bFractional, int& nIndex)
{
    // Only 24, 30 and 60 Hz have a fractional twin; elsewhere the flag is ignored.
    int nFound = -1;
    for (int i = 0; i < g_nRateCount; ++i) {
        const SFrameRate& rate = g_arrFrameRates[i];
        if (rate.ucRate != ucRate)
            continue;
        if (rate.bFractional == bFractional)
            nFound = i;
        else if (nFound < 0)
            nFound = i;
    }
    if (nFound < 0)
        return false;
    nIndex = nFound;
    return true;
}

float CheckRateByIndex(int nIndex)
{
    return nIndex >= 0 && nIndex < g_nRateCount ? g_arrFrameRates[nIndex].fCheckRate : 0.0f;
}

uint32_t MaxAreaByRate(int nIndex, int32_t nBaseArea)
{
    const double dBase = nBaseArea;
    const int64_t nBase = nBaseArea;
    int64_t nArea = g_uAreaAbove120;
    switch (nIndex) {
    case 0:
        nArea = static_cast<int64_t>(dBase * 2.5 / 1000 * 1001);
        break;
    case 1:
        nArea = static_cast<int64_t>(dBase * 2.5);
        break;
    case 2:
        nArea = static_cast<int64_t>(dBase * 2.4);
        break;
    case 3:
        nArea = nBase / 500 * 1001;
        break;
    case 4:
        nArea = nBase * 2;
        break;
    case 5:
        nArea = static_cast<int64_t>(dBase * 1.2);
        break;
    case 6:
        nArea = nBase / 1000 * 1001;
        break;
    case 7:
        nArea = nBase;
        break;
    case 8:
        nArea = nBase / 2;
        break;
    default:
        break;
    }
    return static_cast<uint32_t>(nArea);
}

bool ColorDepthByIndex(int nIndex, uint8_t& ucColor)
{
    return SetOneHot(nIndex, g_nDepthCount, g_ucDepthBitFirst, g_ucDepthMask, ucColor);
}

int IndexByColorDepth(uint8_t ucColor)
{
    return FirstOneHot(ucColor, g_nDepthCount, g_ucDepthBitFirst);
}

bool ColorFormatByIndex(int nIndex, uint8_t& ucColor)
{
    return SetOneHot(nIndex, g_nFormatCount, g_ucFormatBitFirst, g_ucFormatMask, ucColor);
}

int IndexByColorFormat(uint8_t ucColor)
{
    return FirstOneHot(ucColor, g_nFormatCount, g_ucFormatBitFirst);
}

QVector<int> OfferedRates(const SInputContext& ctx)
{
    QVector<int> vecPositions;
    for (const SRateRule& rule : g_arrRateRules) {
        if (rule.fnOffered(ctx))
            vecPositions.append(rule.nPosition);
        if (rule.bLastWhenRestricted && ctx.bRestricted)
            break;
    }
    return vecPositions;
}

int RateIndexMax(bool bRestricted)
{
    return bRestricted ? 2 : 4;
}

SDepthOffer OfferedDepths(
    const SInputContext& ctx, bool bDepthRestricted, bool b10BitSupported, bool b12BitSupported)
{
    SDepthOffer offer;
    offer.vecPositions.append(0);
    if (!bDepthRestricted) {
        offer.vecPositions << 1 << 2;
        return offer;
    }
    if (!b10BitSupported && !b12BitSupported) {
        offer.bForce8Bit = true;
        return offer;
    }
    offer.vecPositions.append(1);
    if (b12BitSupported || (ctx.nModel == 17 && IsHdmiInput(ctx.nInput)) || ctx.nModel == 73)
        offer.vecPositions.append(2);
    return offer;
}

QVector<QSize> BoundedResolutions(const QVector<QSize>& vecResolutions)
{
    return vecResolutions.mid(0, g_nMaxResolutions);
}

QSize DeviceSize(const QSize& sizeLogical, double dPixelRatio)
{
    return QSize(static_cast<int>(std::lround(sizeLogical.width() * dPixelRatio)),
        static_cast<int>(std::lround(sizeLogical.height() * dPixelRatio)));
}

bool HasCustomResolution(int nInput)
{
    return nInput != 132;
}

int FallbackResolutionIndex(int nInput)
{
    return HasCustomResolution(nInput) ? 0 : 4;
}

bool IsStandardShown(int nModel)
{
    return IsIn(nModel,
        {16, 17, 19, 20, 23, 24, 26, 27, 28, 29, 30, 31, 34, 35, 36, 39, 40, 41, 42, 43, 44, 46, 49, 50, 51,
            53, 59, 61, 62, 63, 65, 66, 68, 69, 73});
}

bool IsShowConnectPC(int nModel, int nInput)
{
    return IsHdmiInput(nInput) && IsIn(nModel, {19, 20, 24, 30, 34, 42, 43});
}

bool IsSenderConnectPC(int nModel, int nInput)
{
    return IsHdmiInput(nInput) && IsIn(nModel, {17, 26, 27, 28, 29, 36, 37});
}

int ClampCustomSize(int nValue, int nMax)
{
    if (nValue > nMax)
        nValue = nMax;
    return nValue < 0 ? 0 : nValue;
}

uint32_t FormatCheckValue(
    bool bByPixelClock, int nRateIndex, int nWidth, int nHeight, int nStandard, int32_t nBaseArea)
{
    if (!bByPixelClock)
        return MaxAreaByRate(nRateIndex, nBaseArea);
    const float fPixelRate
        = CEdidBuilder::CalcPixelRate(nWidth, nHeight, CheckRateByIndex(nRateIndex), nStandard);
    return static_cast<uint32_t>(fPixelRate / 1000000.0f);
}

int ProgressStepMs(bool bDemoMode, bool bExtended, int nModel)
{
    if (bDemoMode)
        return 10;
    // These two models take longer to store an extended EDID.
    return bExtended && (nModel == 21 || nModel == 54) ? 200 : 120;
}

int WindowHeight(const SRowFlags& rows, bool bKylin402)
{
    // Kylin 4.0.2 lays the custom-size row out even while it is hidden.
    int nRows = bKylin402 || rows.bCustomSize ? 4 : 3;
    for (bool bShown : {rows.bRate, rows.bError, rows.bStandard, rows.bConnectPC})
        nRows += bShown ? 1 : 0;
    return nRows * 32 + 39;
}

FnSystemName SetSystemNameSource(FnSystemName fnSource)
{
    const FnSystemName fnPrevious = g_fnSystemName;
    g_fnSystemName = fnSource ? fnSource : RealSystemName;
    return fnPrevious;
}

bool IsKylin402()
{
    const QPair<QString, QString> name = g_fnSystemName();
    return name.first == QLatin1String("kylin") && name.second == QLatin1String("4.0.2");
}

} // namespace EdidOptions
