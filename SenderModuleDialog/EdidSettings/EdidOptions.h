#pragma once

#include <QPair>
#include <QSize>
#include <QString>
#include <QVector>

#include <cstdint>

// What the EDID dialog may offer for one sender input, and the limits that bound
// the choice. The dialog works with list positions; the device with bytes and
// bit fields. Everything here is plain data so it can be checked without a window.
namespace EdidOptions {

// One entry of the frame-rate menu; the array index is the rate position.
struct SFrameRate
{
    const char* pszText;
    uint8_t ucRate; // whole hertz as sent
    bool bFractional; // the real rate is ucRate * 1000 / 1001
    float fCheckRate; // rate for the pixel-rate check; 0 skips it
};

constexpr int g_nRateCount = 11;
constexpr int g_nRatePos60 = 7;
extern const SFrameRate g_arrFrameRates[g_nRateCount];

constexpr int g_nDepthCount = 3;
constexpr int g_nFormatCount = 4;
constexpr int g_nStandardCount = 2;

// Colour byte: one-hot depth in bits 1-3, one-hot format in bits 4-7, bit 0 untouched.
constexpr uint8_t g_ucDepthBitFirst = 1;
constexpr uint8_t g_ucFormatBitFirst = 4;
constexpr uint8_t g_ucDepthMask = 0x0E;
constexpr uint8_t g_ucFormatMask = 0xF0;
constexpr uint8_t g_ucDefaultColor = 0x02; // 8 bit; no format bit reads as RGB

constexpr uint32_t g_uAreaAbove120 = 2304000;

bool FrameRateByIndex(int nIndex, uint8_t& ucRate, bool& bFractional);
bool IndexByFrameRate(uint8_t ucRate, bool bFractional, int& nIndex);
float CheckRateByIndex(int nIndex);
// Largest output area the input carries at that rate, from its area at 60 Hz.
uint32_t MaxAreaByRate(int nIndex, int32_t nBaseArea);

bool ColorDepthByIndex(int nIndex, uint8_t& ucColor);
int IndexByColorDepth(uint8_t ucColor);
bool ColorFormatByIndex(int nIndex, uint8_t& ucColor);
int IndexByColorFormat(uint8_t ucColor);

// Who is asking: model code, input identifier and the answers that shape the menus.
struct SInputContext
{
    int nModel = 0;
    int nInput = 0;
    bool bRestricted = false; // the dialog's own flag: no rate above 50 Hz
    bool bExtendedEdid = false;
};

QVector<int> OfferedRates(const SInputContext& ctx);
int RateIndexMax(bool bRestricted);

struct SDepthOffer
{
    QVector<int> vecPositions;
    bool bForce8Bit = false; // the sender's stored depth must fall back to 8 bit
};
SDepthOffer OfferedDepths(
    const SInputContext& ctx, bool bDepthRestricted, bool b10BitSupported, bool b12BitSupported);

// Longest resolution list the dialog offers. Real inputs list a few dozen
// sizes; a host that reports more would make the menu take seconds to build
// (200,000 entries took 15 s), so the entries past it are dropped.
constexpr int g_nMaxResolutions = 1024;
// The host's list as it is, repeats and odd sizes included, so that position
// i stays entry i - 1; only entries past g_nMaxResolutions are cut.
QVector<QSize> BoundedResolutions(const QVector<QSize>& vecResolutions);
// A screen's mode in device pixels from its logical size and scale factor.
QSize DeviceSize(const QSize& sizeLogical, double dPixelRatio);

bool HasCustomResolution(int nInput);
// Position chosen when the current size is not in the input's list.
int FallbackResolutionIndex(int nInput);
bool IsStandardShown(int nModel);
bool IsShowConnectPC(int nModel, int nInput);
bool IsSenderConnectPC(int nModel, int nInput);

// A custom width or height after an edit: above nMax it is set back to nMax,
// below 0 to 0. A maximum of 0 leaves 0 (the field's own minimum then applies).
int ClampCustomSize(int nValue, int nMax);

// The number the host's format check gets: the pixel clock in whole MHz when
// the input checks by clock, otherwise the largest area for the rate.
uint32_t FormatCheckValue(
    bool bByPixelClock, int nRateIndex, int nWidth, int nHeight, int nStandard, int32_t nBaseArea);

// Milliseconds per progress step while the device applies a send.
int ProgressStepMs(bool bDemoMode, bool bExtended, int nModel);
constexpr int g_nProgressFirst = 2;
constexpr int g_nProgressLast = 99;

// Shown rows of the dialog below the resolution combo.
struct SRowFlags
{
    bool bConnectPC = true;
    bool bStandard = true;
    bool bError = true;
    bool bRate = true;
    bool bCustomSize = true;
};
int WindowHeight(const SRowFlags& rows, bool bKylin402);
constexpr int g_nWindowWidth = 300;

// Product type and version of the running system; tests put their own in.
using FnSystemName = QPair<QString, QString> (*)();
// Returns the previous source; nullptr restores the real system's.
FnSystemName SetSystemNameSource(FnSystemName fnSource);
bool IsKylin402();

} // namespace EdidOptions
