#pragma once

#include "ColorStandardType.h"
#include "PointEx.h"

#include <QMap>
#include <QString>

struct SChromaGroupInfo;

struct SColorStandardGamut
{
    const char* pszName;
    // Red, green, blue, white, as CIE 1931 x, y.
    CPointEx<float> ptColor[4];
};

// Largest difference per coordinate that still matches a standard.
constexpr float g_fStandardTolerance = 2.3841858e-7f;

bool IsColorStandard(int nValue);
// The entry of a valid standard (asserted).
const SColorStandardGamut& ColorStandardGamut(enColorStandard enStandard);
// The standard whose name is strName (any letter case), or enStandardNone.
enColorStandard ColorStandardFromName(const QString& strName);

// The first standard that ptColor (red, green, blue, white) matches, or
// enStandardNone. A match of the sRGB coordinates answers Rec709 only when
// enPreferred already is Rec709.
enColorStandard MatchColorStandard(const CPointEx<float> ptColor[4], enColorStandard enPreferred);

// The group compared with the standards: for nGroupIndex 0 the group with the
// lowest key (nKeyNum = its position, 0). How another value names a group is
// not settled, so any other value selects none. Null when nothing is selected.
SChromaGroupInfo* SelectStandardGroup(
    const QMap<int, SChromaGroupInfo*>& mapGroup, int nGroupIndex, int& nKeyNum);

// The share of the output gamut that the screen gamut covers, in whole
// percent; 0 for an output without area; -1 when a group is missing or
// hidden, or a coordinate is not finite.
int CalcCoverageRatio(const SChromaGroupInfo* pScreen, const SChromaGroupInfo* pOutput);
