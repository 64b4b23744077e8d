#pragma once

#include "CChromaticityDlgWnd.h"
#include "ChromaGamutInterpolation.h"
#include "LineEx.h"

#include <algorithm>
#include <cmath>

// Opens the widget's state to the tests.
class CChromaticityProbe : public CChromaticityDlgWnd
{
public:
    using CChromaticityDlgWnd::CChromaticityDlgWnd;

    using Base = CChromaticityDlgWnd;
    using Base::m_bCanMove, Base::m_bDragging, Base::m_bShowStandard, Base::m_bStaticPixel,
        Base::m_enShowStandard, Base::m_fMarginX, Base::m_fMarginY, Base::m_fScale, Base::m_mapGroup,
        Base::m_nCIEScreenPtsNum, Base::m_nCurGroup, Base::m_nCurPoint, Base::m_nHeight,
        Base::m_nStaticPixelNum, Base::m_nWidth, Base::m_pCIEScreenPts, Base::m_pCIEScreenPtsF,
        Base::m_pGamutInterp, Base::m_pStaticPixels, Base::m_ptMouse, Base::m_ptNearest;

    // A mapping with round numbers: scale 500, margins 25, height 600.
    void UseRoundMapping()
    {
        m_fScale = 500.0f;
        m_fMarginX = m_fMarginY = 25.0f;
        m_nWidth = 800;
        m_nHeight = 600;
        m_rcWnd = QRect(0, 0, 800, 600);
    }

    void Select(int nGroup, int nPoint) { m_nCurGroup = nGroup, m_nCurPoint = nPoint; }

    bool InLocus(CPointEx<float> pt) const
    {
        return m_pGamutInterp->IsPointInCIEPolygon(CPointFToQPointF(pt));
    }
};

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

// The point fStep past ptTo on the ray from ptFrom (before it when fStep < 0).
inline CPointEx<float> Along(CPointEx<float> ptFrom, CPointEx<float> ptTo, float fStep)
{
    const float fLength = std::hypot(ptTo.x - ptFrom.x, ptTo.y - ptFrom.y);
    return {ptTo.x + (ptTo.x - ptFrom.x) / fLength * fStep, ptTo.y + (ptTo.y - ptFrom.y) / fLength * fStep};
}

} // namespace ChromaFixture
