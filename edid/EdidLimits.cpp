#include "EdidLimits.h"

#include "EdidBuilder.h"

#include <QStringList>

#include <cmath>

namespace {
constexpr int64_t MAX_CLOCK_FIELD = 0xFFFF; // 10 kHz steps

// The descriptor holds whole hertz and kilohertz, so a frequency counts as
// inside when it rounds to a value inside.
bool RoundsOutside(double dValue, double dMin, double dMax)
{
    const double dRounded = std::floor(dValue + 0.5);
    return dRounded < dMin || dRounded > dMax;
}

struct SFieldLimit
{
    const char* pszName;
    int64_t nValue;
    int nBits;
};
} // namespace

namespace EdidLimits {

SEncodedFrequencies CalcEncodedFrequencies(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming)
{
    SEncodedFrequencies sFreq;
    const int64_t nClockSteps = CEdidBuilder::CalcDescriptorClockHz(nWidth, nHeight, fRate, sTiming) / 10000;
    const double dHTotal = static_cast<double>(nWidth) + sTiming.nHBlank;
    const double dVTotal = static_cast<double>(nHeight) + sTiming.nVBlank;
    sFreq.dClockMHz = static_cast<double>(nClockSteps) / 100.0;
    if (dHTotal > 0.0 && dVTotal > 0.0) {
        sFreq.dHFreqKHz = sFreq.dClockMHz * 1000.0 / dHTotal;
        sFreq.dVFreqHz = sFreq.dClockMHz * 1000000.0 / (dHTotal * dVTotal);
    }
    return sFreq;
}

QString CheckEncodable(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming)
{
    const int64_t nClockSteps = CEdidBuilder::CalcDescriptorClockHz(nWidth, nHeight, fRate, sTiming) / 10000;
    if (nClockSteps > MAX_CLOCK_FIELD)
        return QString("pixel clock %1 MHz is at or above the descriptor's limit of 655.36 MHz")
            .arg(static_cast<double>(nClockSteps) / 100.0, 0, 'f', 2);
    const SFieldLimit arrFields[] = {
        {"active width", nWidth, 12},
        {"active height", nHeight, 12},
        {"horizontal blanking", sTiming.nHBlank, 12},
        {"vertical blanking", sTiming.nVBlank, 12},
        {"horizontal front porch", sTiming.nHFrontPorch, 10},
        {"horizontal sync width", sTiming.nHSyncWidth, 10},
        {"vertical front porch", sTiming.nVFrontPorch, 6},
        {"vertical sync width", sTiming.nVSyncWidth, 6},
    };
    for (const SFieldLimit& sField : arrFields) {
        const int64_t nMax = (int64_t(1) << sField.nBits) - 1;
        if (sField.nValue < 0 || sField.nValue > nMax)
            return QString("%1 %2 does not fit the descriptor's %3-bit field (0 to %4)")
                .arg(sField.pszName)
                .arg(sField.nValue)
                .arg(sField.nBits)
                .arg(nMax);
    }
    return QString();
}

unsigned FindRangeViolations(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming)
{
    const SEncodedFrequencies sFreq = CalcEncodedFrequencies(nWidth, nHeight, fRate, sTiming);
    unsigned nViolations = 0;
    if (sFreq.dClockMHz < MIN_CLOCK_MHZ)
        nViolations |= RANGE_CLOCK_LOW;
    if (sFreq.dClockMHz > MAX_CLOCK_MHZ)
        nViolations |= RANGE_CLOCK_HIGH;
    // A clock too low to count as data also has no meaningful frequencies.
    if (!(nViolations & RANGE_CLOCK_LOW)) {
        if (RoundsOutside(sFreq.dVFreqHz, MIN_VFREQ_HZ, MAX_VFREQ_HZ))
            nViolations |= RANGE_VFREQ;
        if (RoundsOutside(sFreq.dHFreqKHz, MIN_HFREQ_KHZ, MAX_HFREQ_KHZ))
            nViolations |= RANGE_HFREQ;
    }
    return nViolations;
}

QString DescribeRangeViolations(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming)
{
    const unsigned nViolations = FindRangeViolations(nWidth, nHeight, fRate, sTiming);
    const SEncodedFrequencies sFreq = CalcEncodedFrequencies(nWidth, nHeight, fRate, sTiming);
    QStringList listParts;
    if (nViolations & RANGE_CLOCK_LOW)
        listParts
            << QString("pixel clock %1 MHz below %2 MHz").arg(sFreq.dClockMHz, 0, 'f', 2).arg(MIN_CLOCK_MHZ);
    if (nViolations & RANGE_CLOCK_HIGH)
        listParts
            << QString("pixel clock %1 MHz above %2 MHz").arg(sFreq.dClockMHz, 0, 'f', 2).arg(MAX_CLOCK_MHZ);
    if (nViolations & RANGE_VFREQ)
        listParts << QString("vertical frequency %1 Hz outside %2 to %3 Hz")
                         .arg(sFreq.dVFreqHz, 0, 'f', 2)
                         .arg(MIN_VFREQ_HZ)
                         .arg(MAX_VFREQ_HZ);
    if (nViolations & RANGE_HFREQ)
        listParts << QString("horizontal frequency %1 kHz outside %2 to %3 kHz")
                         .arg(sFreq.dHFreqKHz, 0, 'f', 2)
                         .arg(MIN_HFREQ_KHZ)
                         .arg(MAX_HFREQ_KHZ);
    return listParts.join("; ");
}

} // namespace EdidLimits
