#pragma once

#include "CChromaticityDlgWnd.h"
#include "ChromaGamutInterpolation.h"
#include "LineEx.h"

#include <cmath>

// Opens the widget's state to the tests.
class CChromaticityProbe : public CChromaticityDlgWnd
{
public:
    using CChromaticityDlgWnd::CChromaticityDlgWnd;

    using CChromaticityDlgWnd::m_bCanMove;
    using CChromaticityDlgWnd::m_bDragging;
    using CChromaticityDlgWnd::m_bShowStandard;
    using CChromaticityDlgWnd::m_bStaticPixel;
    using CChromaticityDlgWnd::m_enShowStandard;
    using CChromaticityDlgWnd::m_fMarginX;
    using CChromaticityDlgWnd::m_fMarginY;
    using CChromaticityDlgWnd::m_fScale;
    using CChromaticityDlgWnd::m_mapGroup;
    using CChromaticityDlgWnd::m_nCIEScreenPtsNum;
    using CChromaticityDlgWnd::m_nCurGroup;
    using CChromaticityDlgWnd::m_nCurPoint;
    using CChromaticityDlgWnd::m_nHeight;
    using CChromaticityDlgWnd::m_nStaticPixelNum;
    using CChromaticityDlgWnd::m_nWidth;
    using CChromaticityDlgWnd::m_pCIEScreenPts;
    using CChromaticityDlgWnd::m_pCIEScreenPtsF;
    using CChromaticityDlgWnd::m_pGamutInterp;
    using CChromaticityDlgWnd::m_pStaticPixels;
    using CChromaticityDlgWnd::m_ptMouse;
    using CChromaticityDlgWnd::m_ptNearest;

    // A mapping with round numbers: scale 500, margins 25, height 600.
    void UseRoundMapping()
    {
        m_fScale = 500.0f;
        m_fMarginX = m_fMarginY = 25.0f;
        m_nWidth = 800;
        m_nHeight = 600;
        m_rcWnd = QRect(0, 0, 800, 600);
    }

    void Select(int nGroup, int nPoint)
    {
        m_nCurGroup = nGroup;
        m_nCurPoint = nPoint;
    }

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
    info.m_ptColor[0] = ptRed;
    info.m_ptColor[1] = ptGreen;
    info.m_ptColor[2] = ptBlue;
    info.m_ptColor[3] = ptWhite;
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

inline float DistanceToLine(CPointEx<float> pt, CPointEx<float> ptLine1, CPointEx<float> ptLine2)
{
    return PointLineDistance(LineThroughPoints(ptLine1, ptLine2), pt);
}

// The point fStep past ptTo on the ray from ptFrom (before it when fStep < 0).
inline CPointEx<float> Along(CPointEx<float> ptFrom, CPointEx<float> ptTo, float fStep)
{
    const float fLength = std::hypot(ptTo.x - ptFrom.x, ptTo.y - ptFrom.y);
    return {ptTo.x + (ptTo.x - ptFrom.x) / fLength * fStep, ptTo.y + (ptTo.y - ptFrom.y) / fLength * fStep};
}

} // namespace ChromaFixture
