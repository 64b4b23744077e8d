#pragma once

#include "TimingInfo.h"

#include <QString>

// Checks for callers that must refuse or warn before building a block: the
// builder itself encodes whatever it is given.
namespace EdidLimits {

// The ranges advertised by the block's range-limits descriptor, and the
// lowest pixel clock a sink accepts as real data.
constexpr double MIN_CLOCK_MHZ = 10.0;
constexpr double MAX_CLOCK_MHZ = 170.0;
constexpr double MIN_VFREQ_HZ = 23.0;
constexpr double MAX_VFREQ_HZ = 120.0;
constexpr double MIN_HFREQ_KHZ = 30.0;
constexpr double MAX_HFREQ_KHZ = 153.0;

enum enRangeViolation : unsigned
{
    RANGE_CLOCK_LOW = 0x1,
    RANGE_CLOCK_HIGH = 0x2,
    RANGE_VFREQ = 0x4,
    RANGE_HFREQ = 0x8,
};

// What a sink reads back from the encoded descriptor (10 kHz clock steps).
struct SEncodedFrequencies
{
    double dClockMHz = 0.0;
    double dHFreqKHz = 0.0;
    double dVFreqHz = 0.0;
};

SEncodedFrequencies CalcEncodedFrequencies(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming);

// Why the descriptor fields cannot hold this timing; empty when they can.
QString CheckEncodable(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming);

// enRangeViolation bits for the advertised ranges the timing falls outside.
// The clock limits are exact; the frequencies are compared rounded to the
// descriptor's whole units.
unsigned FindRangeViolations(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming);

// One readable line naming every violated range with the mode's value; empty when none.
QString DescribeRangeViolations(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming);

} // namespace EdidLimits
