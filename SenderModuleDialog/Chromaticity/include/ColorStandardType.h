#pragma once

// The standard gamuts the chromaticity diagram recognises. sRGB and Rec709
// share their coordinates; the caller's preference decides which name is shown.
enum enColorStandard
{
    enStandardNone = -1,
    enStandardSRGB = 0,
    enStandardAdobeRGB,
    enStandardPAL,
    enStandardNTSC,
    enStandardRec601,
    enStandardRec709,
    enStandardRec2020,
    enStandardDCIP3,
    enStandardCount
};
