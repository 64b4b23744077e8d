#pragma once

#include "ChromaGroupInfo.h"
#include "LineEx.h"

#include <algorithm>
#include <cmath>

// Groups and geometry shared by the chromaticity editor's tests.
namespace ChromaFixture {

inline SChromaGroupInfo Group(
    CPointEx<float> ptRed, CPointEx<float> ptGreen, CPointEx<float> ptBlue, CPointEx<float> ptWhite)
{
    SChromaGroupInfo info;
    const CPointEx<float> arrPoints[4] = {ptRed, ptGreen, ptBlue, ptWhite};
    std::copy(arrPoints, arrPoints + 4, info.m_ptColor);
    return info;
}

inline SChromaGroupInfo SRGB()
{
    return Group({0.64f, 0.33f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3127f, 0.329f});
}

// The white point lies on the vertical edge red–blue.
inline SChromaGroupInfo WhiteOnVerticalEdge()
{
    return Group({0.3f, 0.2f}, {0.5f, 0.4f}, {0.3f, 0.6f}, {0.3f, 0.4f});
}

inline bool IsWhiteInside(const SChromaGroupInfo& info)
{
    return IsPointInPolygon(info.m_ptColor[3], info.m_ptColor, 3);
}

inline bool IsFinite(CPointEx<float> pt)
{
    return std::isfinite(pt.x) && std::isfinite(pt.y);
}

// The point fStep past ptTo on the ray from ptFrom (before it when fStep < 0).
inline CPointEx<float> Along(CPointEx<float> ptFrom, CPointEx<float> ptTo, float fStep)
{
    const float fLength = std::hypot(ptTo.x - ptFrom.x, ptTo.y - ptFrom.y);
    return {ptTo.x + (ptTo.x - ptFrom.x) / fLength * fStep, ptTo.y + (ptTo.y - ptFrom.y) / fLength * fStep};
}

} // namespace ChromaFixture
