#include "ColorStandard.h"

#include "ChromaGroupInfo.h"
#include "TriangleOverlap.h"

#include <Common/Assert.h>

#include <cmath>

namespace {

const SColorStandardGamut g_arrStandards[enStandardCount] = {
    {"sRGB", {{0.64f, 0.33f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3127f, 0.329f}}},
    {"AdobeRGB", {{0.64f, 0.33f}, {0.21f, 0.71f}, {0.15f, 0.06f}, {0.3127f, 0.329f}}},
    {"PAL", {{0.6f, 0.33f}, {0.148f, 0.6f}, {0.15f, 0.16f}, {0.3127f, 0.329f}}},
    {"NTSC", {{0.67f, 0.33f}, {0.21f, 0.71f}, {0.14f, 0.08f}, {0.31f, 0.316f}}},
    {"Rec601", {{0.64f, 0.33f}, {0.29f, 0.6f}, {0.15f, 0.06f}, {0.3127f, 0.329f}}},
    {"Rec709", {{0.64f, 0.33f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3127f, 0.329f}}},
    {"Rec2020", {{0.708f, 0.292f}, {0.17f, 0.797f}, {0.131f, 0.046f}, {0.3127f, 0.329f}}},
    {"DCIP3", {{0.68f, 0.32f}, {0.265f, 0.69f}, {0.15f, 0.06f}, {0.3127f, 0.329f}}},
};

bool IsNear(float fValue, float fReference)
{
    return std::fabs(fValue - fReference) < g_fStandardTolerance;
}

bool Matches(const CPointEx<float> ptColor[4], const SColorStandardGamut& sGamut)
{
    for (int i = 0; i < 4; ++i) {
        if (!IsNear(ptColor[i].x, sGamut.ptColor[i].x) || !IsNear(ptColor[i].y, sGamut.ptColor[i].y))
            return false;
    }
    return true;
}

} // namespace

bool IsColorStandard(int nValue)
{
    return nValue >= 0 && nValue < enStandardCount;
}

const SColorStandardGamut& ColorStandardGamut(enColorStandard enStandard)
{
    SENDER_ASSERT(IsColorStandard(enStandard));
    return g_arrStandards[enStandard];
}

enColorStandard ColorStandardFromName(const QString& strName)
{
    for (int i = 0; i < enStandardCount; ++i) {
        if (strName.compare(QLatin1String(g_arrStandards[i].pszName), Qt::CaseInsensitive) == 0)
            return enColorStandard(i);
    }
    return enStandardNone;
}

enColorStandard MatchColorStandard(const CPointEx<float> ptColor[4], enColorStandard enPreferred)
{
    for (int i = 0; i < enStandardCount; ++i) {
        if (!Matches(ptColor, g_arrStandards[i]))
            continue;
        // sRGB and Rec709 are one entry twice; keep the name the caller chose.
        if (i == enStandardSRGB && enPreferred == enStandardRec709)
            return enStandardRec709;
        return enColorStandard(i);
    }
    return enStandardNone;
}

SChromaGroupInfo* SelectStandardGroup(
    const QMap<int, SChromaGroupInfo*>& mapGroup, int nGroupIndex, int& nKeyNum)
{
    if (nGroupIndex != 0 || mapGroup.isEmpty())
        return nullptr;
    nKeyNum = 0;
    return mapGroup.first();
}

int CalcCoverageRatio(const SChromaGroupInfo* pScreen, const SChromaGroupInfo* pOutput)
{
    if (!pScreen || !pOutput || !pScreen->m_bVisible || !pOutput->m_bVisible)
        return -1;
    for (const SChromaGroupInfo* pGroup : {pScreen, pOutput}) {
        for (int i = 0; i < 3; ++i) {
            if (!std::isfinite(pGroup->m_ptColor[i].x) || !std::isfinite(pGroup->m_ptColor[i].y))
                return -1;
        }
    }
    // An output gamut without area leaves the ratio at 0: nothing of it is covered.
    float fRatio = 0.0f;
    CTriangleOverlap().CalcOverlapRatio(pScreen->m_ptColor, pOutput->m_ptColor, fRatio);
    if (!std::isfinite(fRatio))
        return -1;
    return int(std::lround(100.0 * double(fRatio)));
}
