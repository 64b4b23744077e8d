#pragma once

/// @file
/// The standard gamuts the chromaticity widget recognises.

/// The standard gamuts the chromaticity diagram recognises. sRGB and Rec709
/// share their coordinates; the caller's preference decides which name is shown.
enum enColorStandard
{
    enStandardNone = -1, ///< no standard
    enStandardSRGB = 0, ///< sRGB: red 0.64, 0.33, green 0.3, 0.6, blue 0.15, 0.06, white D65
    enStandardAdobeRGB, ///< AdobeRGB: green 0.21, 0.71, otherwise as sRGB
    enStandardPAL, ///< PAL: red 0.6, 0.33, green 0.148, 0.6, blue 0.15, 0.16, white D65
    enStandardNTSC, ///< NTSC: red 0.67, 0.33, green 0.21, 0.71, blue 0.14, 0.08, white 0.31, 0.316
    enStandardRec601, ///< Rec601: green 0.29, 0.6, otherwise as sRGB
    enStandardRec709, ///< Rec709: the coordinates of sRGB
    enStandardRec2020, ///< Rec2020: red 0.708, 0.292, green 0.17, 0.797, blue 0.131, 0.046, white D65
    enStandardDCIP3, ///< DCI-P3: red 0.68, 0.32, green 0.265, 0.69, blue 0.15, 0.06, white D65
    enStandardCount ///< number of standards
};
