#pragma once

#include "ChromaGroupInfo.h"
#include "LineEx.h"

#include <algorithm>
#include <cmath>

// Groups shared by the chromaticity editor's tests.
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

inline bool IsWhiteInside(const SChromaGroupInfo& info)
{
    return IsPointInPolygon(info.m_ptColor[3], info.m_ptColor, 3);
}

inline bool Near(CPointEx<float> pt, double dX, double dY, double dTolerance = 1e-6)
{
    return std::abs(pt.x - dX) < dTolerance && std::abs(pt.y - dY) < dTolerance;
}

} // namespace ChromaFixture
