#include "CChromaticityDlgWnd.h"

#include "CCT2ColorCoord.h"
#include "ChromaGamutInterpolation.h"
#include "LineEx.h"
#include "Polygon.h"

#include <Common/Assert.h>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Corrected points are left this far inside the region they were pulled into,
// and points closer than this count as the same point.
constexpr float g_fNudge = 0.0001f;

CPointEx<float> ClampNonNegative(CPointEx<float> pt)
{
    return CPointEx<float>(pt.x < 0.0f ? 0.0f : pt.x, pt.y < 0.0f ? 0.0f : pt.y);
}

bool IsWhiteInTriangle(const CPointEx<float>* pTriangle, CPointEx<float> ptWhite)
{
    return IsPointInPolygon(ptWhite, pTriangle, 3);
}

bool IsNear(QPointF pt1, CPointEx<float> pt2)
{
    return std::fabs(pt1.x() - double(pt2.x)) < double(g_fNudge)
        && std::fabs(pt1.y() - double(pt2.y)) < double(g_fNudge);
}

float Distance(CPointEx<float> pt1, CPointEx<float> pt2)
{
    const float fDx = pt1.x - pt2.x;
    const float fDy = pt1.y - pt2.y;
    return std::sqrt(fDx * fDx + fDy * fDy);
}

// The point where the line through pt parallel to the bisector of the angle
// O1–W–O2 meets the edge line that W has to stay on. False when the two lines
// are parallel, or so nearly so that the crossing is not a finite number.
bool BisectorCrossing(CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1,
    CPointEx<float> ptOther2, CPointEx<float>& ptCrossing)
{
    const double dScale = double(Distance(ptWhite, ptOther1)) / double(Distance(ptOther2, ptWhite));
    const float fQx = float(ptWhite.x + (ptOther2.x - ptWhite.x) * dScale);
    const float fQy = float(ptWhite.y + (ptOther2.y - ptWhite.y) * dScale);
    const CPointEx<float> ptMid((fQx + ptOther1.x) / 2.0f, (fQy + ptOther1.y) / 2.0f);

    const CLineEx bisector = LineThroughPoints(ptWhite, ptMid);
    const CLineEx path = LineFromSlope(pt, LineSlope(bisector));
    const CLineEx target = SameSideOfLine(bisector, pt, ptOther1) ? LineThroughPoints(ptOther2, ptWhite)
                                                                  : LineThroughPoints(ptOther1, ptWhite);
    const float fDenominator = path.b * target.a - path.a * target.b;
    if (path.a / target.a == path.b / target.b || fDenominator == 0.0f)
        return false;
    const CPointEx<float> ptX((target.b * path.c - path.b * target.c) / fDenominator,
        (path.a * target.c - target.a * path.c) / fDenominator);
    if (!std::isfinite(ptX.x) || !std::isfinite(ptX.y))
        return false;
    ptCrossing = ptX;
    return true;
}

// Mouse positions are whole pixels, halves rounded away from zero.
QPoint RoundedPos(const QMouseEvent* pEvent)
{
    const QPointF pos = pEvent->localPos();
    return QPoint(int(std::lround(pos.x())), int(std::lround(pos.y())));
}

} // namespace

CChromaticityDlgWnd::CChromaticityDlgWnd(QWidget* parent)
    : QWidget(parent)
{
    m_pCCT = new CCCT2ColorCoord;
    m_pCCT->CalcColorGamut();
    m_pCCT->ColorCoordTables();

    m_pGamutInterp = new CChromaGamutInterpolation;
    m_nCIEScreenPtsNum = m_pGamutInterp->GetQPointFData().size();
    m_pCIEScreenPts = new QPointF[m_nCIEScreenPtsNum]();
    m_pCIEScreenPtsF = new CPointEx<float>[m_nCIEScreenPtsNum]();

    setMouseTracking(true);
    m_pCCT->CCTtoColorCoord(6500.0f, &m_ptD65, false);
    m_pGamutThread = ChromaPaint::CreateGamutThread(*this);
}

CChromaticityDlgWnd::~CChromaticityDlgWnd()
{
    // The worker reads the locus arrays and slots freed below.
    ChromaPaint::StopGamutThread(m_pGamutThread);

    delete m_pCCT;
    delete m_pGamutInterp;
    delete[] m_pCIEScreenPts;
    delete[] m_pCIEScreenPtsF;
    delete[] m_pStaticPixels;
    delete m_pGamutImage;
    ReleaseChromaData();
    for (SChromaWndBitmap& sBitmap : m_sWndBitmap)
        delete sBitmap.m_pImage;
}

void CChromaticityDlgWnd::SetSize(int nWidth, int nHeight)
{
    SENDER_ASSERT(nWidth > 100 && nHeight > 100);
    // The worker reads the mapped locus; let a running one finish before it changes.
    ChromaPaint::StopGamutThread(m_pGamutThread);
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_rcWnd = QRect(0, 0, nWidth, nHeight);
    m_fMarginX = float(nWidth) / 30.0f + 10.0f;
    m_fMarginY = float(nHeight) / 30.0f + 10.0f;
    m_fScale = float(std::min((nHeight - 2.0 * m_fMarginY) / 0.9, (nWidth - 2.0 * m_fMarginX) / 0.8));
    MapLocusToScreen();
}

void CChromaticityDlgWnd::MapLocusToScreen()
{
    const QVector<QPointF>& vecHull = m_pGamutInterp->GetQPointFData();
    for (int i = 0; i < m_nCIEScreenPtsNum; ++i) {
        m_pCIEScreenPts[i] = ChromaToPixel(QPointFToCPointF(vecHull[i]));
        m_pCIEScreenPtsF[i] = QPointFToCPointF(m_pCIEScreenPts[i]);
    }
}

void CChromaticityDlgWnd::SetWndType(int nType)
{
    m_nWndType = nType;
}

void CChromaticityDlgWnd::SetWndData(int nType, int nWidth, int nHeight)
{
    // The worker reads the slot sizes; let a running one finish before they change.
    ChromaPaint::StopGamutThread(m_pGamutThread);
    if (nType >= 0 && nType < WND_BITMAP_NUM) {
        SChromaWndBitmap& sBitmap = m_sWndBitmap[nType];
        sBitmap.m_nType = nType;
        sBitmap.m_nWidth = nWidth;
        sBitmap.m_nHeight = nHeight;
    }
    GetChromaticityBmp(nType);
}

void CChromaticityDlgWnd::GetWndData(int nType, int& nWidth, int& nHeight) const
{
    if (nType < 0 || nType >= WND_BITMAP_NUM)
        return;
    nWidth = m_sWndBitmap[nType].m_nWidth;
    nHeight = m_sWndBitmap[nType].m_nHeight;
}

void CChromaticityDlgWnd::InitialWndBitMap() { }

void CChromaticityDlgWnd::SetBackgroundColor(QColor clrBackground)
{
    m_clrBackground = clrBackground;
    update();
}

void CChromaticityDlgWnd::SetGridLineAlpha(int nAlpha)
{
    m_nGridLineAlpha = nAlpha;
}

void CChromaticityDlgWnd::SetNearstPoint(QPointF ptNearest)
{
    m_ptNearest = ptNearest;
}

void CChromaticityDlgWnd::ShowCIEStandard(int nGroup, enColorStandard enStandard, bool bShow)
{
    m_nGroupIndex = nGroup;
    m_enShowStandard = enStandard;
    m_bShowStandard = bShow;
}

SChromaGroupInfo* CChromaticityDlgWnd::GetChromaGroupByIndex(int nIndex) const
{
    return nIndex < 0 ? nullptr : m_mapGroup.value(nIndex, nullptr);
}

SChromaGroupInfo* CChromaticityDlgWnd::StoreGroupCopy(int nIndex, const SChromaGroupInfo& info)
{
    SChromaGroupInfo* pGroup = new SChromaGroupInfo(info);
    pGroup->m_nIndex = nIndex;
    m_mapGroup.insert(nIndex, pGroup);
    return pGroup;
}

bool CChromaticityDlgWnd::AddChromaGroupByIndex(int nIndex, SChromaGroupInfo info)
{
    if (nIndex < 0 || m_mapGroup.contains(nIndex))
        return false;
    StoreGroupCopy(nIndex, info);
    return true;
}

bool CChromaticityDlgWnd::SetChromaGroupByIndex(int nIndex, SChromaGroupInfo info)
{
    if (nIndex < 0)
        return false;
    // Assigning in place keeps every pointer handed out for this key valid.
    if (SChromaGroupInfo* pGroup = m_mapGroup.value(nIndex, nullptr))
        *pGroup = info;
    else
        StoreGroupCopy(nIndex, info);
    return true;
}

bool CChromaticityDlgWnd::RemoveChromaGroupByIndex(int nIndex)
{
    if (nIndex < 0)
        return false;
    auto it = m_mapGroup.find(nIndex);
    if (it == m_mapGroup.end())
        return false;
    delete it.value();
    m_mapGroup.erase(it);
    return true;
}

void CChromaticityDlgWnd::ReleaseChromaData()
{
    qDeleteAll(m_mapGroup);
    m_mapGroup.clear();
}

CPointEx<float> CChromaticityDlgWnd::QPointFToCPointF(QPointF pt)
{
    return CPointEx<float>(float(pt.x()), float(pt.y()));
}

QPointF CChromaticityDlgWnd::CPointFToQPointF(CPointEx<float> pt)
{
    return QPointF(double(pt.x), double(pt.y));
}

QPointF CChromaticityDlgWnd::ChromaToPixel(CPointEx<float> pt) const
{
    return QPointF(pt.x * m_fScale + m_fMarginX, (float(m_nHeight) - m_fMarginY) - pt.y * m_fScale);
}

CPointEx<float> CChromaticityDlgWnd::PixelToChroma(QPointF pt) const
{
    return CPointEx<float>(float((pt.x() - double(m_fMarginX)) / double(m_fScale)),
        float(((double(m_nHeight) - double(m_fMarginY)) - pt.y()) / double(m_fScale)));
}

const QList<CPointEx<float>>& CChromaticityDlgWnd::LocusPoints() const
{
    return m_pGamutInterp->GetData();
}

bool CChromaticityDlgWnd::IsInLocus(CPointEx<float> pt) const
{
    return m_pGamutInterp->IsPointInCIEPolygon(CPointFToQPointF(pt));
}

// ---- Recalculation ---------------------------------------------------------

bool CChromaticityDlgWnd::GetWhiteIntersection(SChromaGroupInfo* pGroup, CPointEx<float> pt)
{
    if (!pGroup)
        return false;
    const CPointEx<float>* pColor = pGroup->m_ptColor;
    // Three points on one vertical or horizontal line enclose nothing to pull into.
    const auto isClose
        = [](float f1, float f2) { return std::fabs(double(f1) - double(f2)) < double(g_fNudge); };
    if (isClose(pColor[0].x, pColor[1].x) && isClose(pColor[0].x, pColor[2].x))
        return false;
    if (isClose(pColor[0].y, pColor[1].y) && isClose(pColor[0].y, pColor[2].y))
        return false;

    m_ptNearest = CPointFToQPointF(pt);
    CPolygon triangle(
        QPolygonF({CPointFToQPointF(pColor[0]), CPointFToQPointF(pColor[1]), CPointFToQPointF(pColor[2])}));
    const bool bPulled = triangle.GetPointCloser(&m_ptNearest);
    if (bPulled)
        AddFloatExcursion(m_ptNearest, CPointFToQPointF(pt));
    return bPulled;
}

bool CChromaticityDlgWnd::CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup)
{
    if (!pGroup)
        return false;
    CPointEx<float> pt = ClampNonNegative(PixelToChroma(pos));
    CPointEx<float>* pColor = pGroup->m_ptColor;
    const CPointEx<float> ptWhite = pColor[g_nWhitePoint];
    if (!IsInLocus(pt)) {
        // Without a crossing the white point itself is outside the locus, and
        // the raw position could be anywhere: the point stays where it is.
        CPointEx<float> ptOut;
        if (!GetCIEIntersection(LocusPoints(), ptWhite, pt, ptOut))
            return false;
        pt = ptOut;
    }
    if (cursor().shape() != Qt::SizeAllCursor)
        setCursor(Qt::SizeAllCursor);

    if (m_nCurPoint == g_nWhitePoint) {
        if (IsWhiteInTriangle(pColor, pt)) {
            pColor[g_nWhitePoint] = pt;
            return true;
        }
        if (!GetWhiteIntersection(pGroup, pt))
            return false;
        // A white point pulled next to a vertex snaps onto it.
        pColor[g_nWhitePoint] = QPointFToCPointF(m_ptNearest);
        for (int i = 0; i < 3; ++i) {
            if (IsNear(m_ptNearest, pColor[i])) {
                pColor[g_nWhitePoint] = pColor[i];
                break;
            }
        }
        return true;
    }
    if (m_nCurPoint < 0 || m_nCurPoint > 2)
        return false;

    const int nOther1 = m_nCurPoint == 0 ? 1 : 0;
    const int nOther2 = m_nCurPoint == 2 ? 1 : 2;
    CPointEx<float> triangle[3] = {pColor[0], pColor[1], pColor[2]};
    triangle[m_nCurPoint] = pt;
    if (IsWhiteInTriangle(triangle, ptWhite)) {
        pColor[m_nCurPoint] = pt;
        return true;
    }
    if (!GetNearestPoint(ptWhite, pt, pColor[nOther1], pColor[nOther2]))
        return false;
    pColor[m_nCurPoint] = QPointFToCPointF(m_ptNearest);
    return true;
}

bool CChromaticityDlgWnd::ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex)
{
    if (!pGroup)
        return false;
    CPointEx<float>* pColor = pGroup->m_ptColor;
    CPointEx<float> clamped[g_nChromaPointNum];
    for (int i = 0; i < g_nChromaPointNum; ++i)
        clamped[i] = ClampNonNegative(pColor[i]);
    std::copy(clamped, clamped + 3, pColor);

    const CPointEx<float> pt = clamped[nPointIndex];
    const CPointEx<float> ptWhite = pColor[g_nWhitePoint];
    if (nPointIndex == g_nWhitePoint) {
        if (!IsInLocus(pt))
            return false;
        if (IsWhiteInTriangle(clamped, pt))
            pColor[g_nWhitePoint] = pt;
        else if (GetWhiteIntersection(pGroup, pt))
            pColor[g_nWhitePoint] = QPointFToCPointF(m_ptNearest);
        return true;
    }
    if (nPointIndex < 0 || nPointIndex > 2)
        return true;

    CPointEx<float> ptOut = pt;
    if (!IsInLocus(pt)) {
        CPointEx<float> ptCrossing;
        if (GetCIEIntersection(LocusPoints(), ptWhite, pt, ptCrossing))
            ptOut = ptCrossing;
    }
    const int nOther1 = nPointIndex == 0 ? 1 : 0;
    const int nOther2 = nPointIndex == 2 ? 1 : 2;
    if (IsWhiteInTriangle(clamped, ptWhite))
        pColor[nPointIndex] = ptOut;
    else if (GetNearestPoint(ptWhite, pt, clamped[nOther1], clamped[nOther2]))
        pColor[nPointIndex] = QPointFToCPointF(m_ptNearest);
    return true;
}

bool CChromaticityDlgWnd::ReCalCMY(SChromaGroupInfo* pGroup)
{
    if (!pGroup)
        return false;
    CPointEx<float>* pColor = pGroup->m_ptColor;
    const CPointEx<float> secondary[3] = {pColor[0], pColor[1], pColor[2]};
    const CPointEx<float> primary[3] = {
        ClampNonNegative(CPointEx<float>(secondary[1].x + secondary[2].x - secondary[0].x,
            secondary[1].y + secondary[2].y - secondary[0].y)),
        ClampNonNegative(CPointEx<float>(secondary[0].x + secondary[2].x - secondary[1].x,
            secondary[0].y + secondary[2].y - secondary[1].y)),
        ClampNonNegative(CPointEx<float>(secondary[0].x + secondary[1].x - secondary[2].x,
            secondary[0].y + secondary[1].y - secondary[2].y)),
    };
    std::copy(primary, primary + 3, pColor);

    const CPointEx<float> ptWhite = ClampNonNegative(pColor[g_nWhitePoint]);
    if (!IsInLocus(ptWhite)) {
        std::copy(secondary, secondary + 3, pColor);
        return false;
    }
    const bool bWhiteInside = IsWhiteInTriangle(primary, ptWhite);
    for (int i = 2; i >= 0; --i) {
        if (IsInLocus(primary[i]))
            continue;
        CPointEx<float> ptOut = primary[i];
        CPointEx<float> ptCrossing;
        if (GetCIEIntersection(LocusPoints(), ptWhite, primary[i], ptCrossing))
            ptOut = ptCrossing;
        const int nOther1 = i == 0 ? 1 : 0;
        const int nOther2 = i == 2 ? 1 : 2;
        if (bWhiteInside)
            pColor[i] = ptOut;
        else if (GetNearestPoint(ptWhite, primary[i], primary[nOther1], primary[nOther2]))
            pColor[i] = QPointFToCPointF(m_ptNearest);
    }

    const CPointEx<float> corrected[3] = {pColor[0], pColor[1], pColor[2]};
    for (int i = 0; i < 3; ++i) {
        const CPointEx<float>& pt1 = corrected[i == 0 ? 1 : 0];
        const CPointEx<float>& pt2 = corrected[i == 2 ? 1 : 2];
        pColor[i] = CPointEx<float>((pt1.x + pt2.x) / 2.0f, (pt1.y + pt2.y) / 2.0f);
    }
    return true;
}

bool CChromaticityDlgWnd::IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex)
{
    if (!pGroup)
        return false;
    return IsInLocus(ClampNonNegative(pGroup->m_ptColor[nPointIndex]))
        && IsWhiteInTriangle(pGroup->m_ptColor, pGroup->m_ptColor[g_nWhitePoint]);
}

// ---- Searches --------------------------------------------------------------

void CChromaticityDlgWnd::AddFloatExcursion(QPointF& pt, QPointF ptAway)
{
    const float fSlope = SegmentSlope(QPointFToCPointF(pt), QPointFToCPointF(ptAway));
    // A vertical pair gives an infinite square and so no step at all.
    const float fDx = g_fNudge / std::sqrt(fSlope * fSlope + 1.0f);
    const float fDy = fSlope * fDx;
    if (pt.x() <= ptAway.x())
        pt = QPointF(pt.x() - fDx, pt.y() - fDy);
    else
        pt = QPointF(pt.x() + fDx, pt.y() + fDy);
}

bool CChromaticityDlgWnd::GetCIEIntersection(const QList<CPointEx<float>>& listPolygon, CPointEx<float> ptA,
    CPointEx<float> ptB, CPointEx<float>& ptOut)
{
    const int nCount = listPolygon.size();
    if (nCount < 3)
        return false;
    bool bCrossed = false;
    // The last crossing in polygon order wins.
    for (int i = 1; i <= nCount; ++i) {
        if (SegmentIntersection(ptA, ptB, listPolygon[i - 1], listPolygon[i % nCount], ptOut.x, ptOut.y))
            bCrossed = true;
    }
    if (!bCrossed)
        return false;
    QPointF pt = CPointFToQPointF(ptOut);
    AddFloatExcursion(pt, CPointFToQPointF(ptB));
    ptOut = QPointFToCPointF(pt);
    return true;
}

bool CChromaticityDlgWnd::GetNearestPoint(
    CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1, CPointEx<float> ptOther2)
{
    CPointEx<float> ptCrossing;
    if (!BisectorCrossing(ptWhite, pt, ptOther1, ptOther2, ptCrossing))
        return false;
    if (!IsInLocus(ptCrossing)) {
        // No crossing means the white point is outside the locus too; the
        // crossing point could then be anywhere, so there is no answer.
        CPointEx<float> ptOut;
        if (!GetCIEIntersection(LocusPoints(), ptWhite, ptCrossing, ptOut))
            return false;
        ptCrossing = ptOut;
    }
    m_ptNearest = CPointFToQPointF(ptCrossing);
    AddFloatExcursion(m_ptNearest, CPointFToQPointF(pt));
    return true;
}

bool CChromaticityDlgWnd::GetNearestPoint2(CPointEx<float> ptWhite, CPointEx<float> pt,
    CPointEx<float> ptOther1, CPointEx<float> ptOther2, CPointEx<float>& ptOut)
{
    CPointEx<float> ptCrossing;
    if (!BisectorCrossing(ptWhite, pt, ptOther1, ptOther2, ptCrossing))
        return false;
    QPointF ptResult = CPointFToQPointF(ptCrossing);
    AddFloatExcursion(ptResult, CPointFToQPointF(pt));
    ptOut = QPointFToCPointF(ptResult);
    return true;
}

void CChromaticityDlgWnd::GetFeasibleRegionCrossing(
    const QList<CPointEx<float>>& listRegion, bool bFromCentroid, CPointEx<float>& pt)
{
    if (listRegion.size() <= 2)
        return;
    const SChromaGroupInfo* pGroup = GetChromaGroupByIndex(m_nCurGroup);
    if (!pGroup || m_nCurPoint < 0 || m_nCurPoint > 2)
        return;
    CPointEx<float> ptStart = pGroup->m_ptColor[g_nWhitePoint];
    if (bFromCentroid) {
        CPointEx<float> ptSum;
        for (const CPointEx<float>& ptRegion : listRegion) {
            ptSum.x += ptRegion.x;
            ptSum.y += ptRegion.y;
        }
        const float fCount = float(listRegion.size());
        ptStart = CPointEx<float>(ptSum.x / fCount, ptSum.y / fCount);
    }
    CPointEx<float> ptOut = pt;
    if (GetCIEIntersection(listRegion, ptStart, pGroup->m_ptColor[m_nCurPoint], ptOut))
        pt = ptOut;
}

void CChromaticityDlgWnd::GetFeasibleRegionNearstPoint(
    QList<CPointEx<float>>& listRegion, CPointEx<float>& pt)
{
    GetFeasibleRegionCrossing(listRegion, false, pt);
}

void CChromaticityDlgWnd::GetFeasibleRegionNearstPoint2(
    QList<CPointEx<float>>& listRegion, CPointEx<float>& pt)
{
    GetFeasibleRegionCrossing(listRegion, true, pt);
}

// ---- Hit testing and mouse -------------------------------------------------

void CChromaticityDlgWnd::HitTest(QPoint pos, int& nGroupIndex, int& nPointIndex)
{
    const float fHalf = m_fScale / 100.0f;
    const float fSize = 2.0f * fHalf;
    m_bHitWhite = false;
    nGroupIndex = -1;
    nPointIndex = -1;
    for (auto it = m_mapGroup.cbegin(); it != m_mapGroup.cend(); ++it) {
        const SChromaGroupInfo* pGroup = it.value();
        for (int i = 0; i < g_nChromaPointNum; ++i) {
            const CPointEx<float>& pt = pGroup->m_ptColor[i];
            const int nLeft = int(std::round(pt.x * m_fScale + m_fMarginX - fHalf));
            const int nTop = int(std::round(float(m_nHeight) - pt.y * m_fScale - m_fMarginY - fHalf));
            const int nRight = int(float(nLeft) + fSize);
            const int nBottom = int(float(nTop) + fSize);
            if (pos.x() < nLeft || pos.x() > nRight || pos.y() < nTop || pos.y() > nBottom)
                continue;
            if (i == g_nWhitePoint)
                m_bHitWhite = true;
            // Among overlapping markers the last movable one wins.
            if (nGroupIndex < 0 || pGroup->m_bMovable[i]) {
                nGroupIndex = it.key();
                nPointIndex = i;
            }
        }
    }
}

void CChromaticityDlgWnd::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    if (event->button() != Qt::LeftButton)
        return;
    int nGroup = -1;
    int nPoint = -1;
    HitTest(RoundedPos(event), nGroup, nPoint);
    if (nGroup < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_nCurGroup = nGroup;
    m_nCurPoint = nPoint;
    m_bCanMove = m_mapGroup.value(nGroup)->m_bMovable[nPoint];
    m_bPressed = true;
    if (m_bCanMove) {
        m_bDragging = true;
        setCursor(Qt::SizeAllCursor);
    } else {
        m_nCurGroup = -1;
        setCursor(Qt::ArrowCursor);
    }
    update();
}

void CChromaticityDlgWnd::mouseMoveEvent(QMouseEvent* event)
{
    m_ptMouse = RoundedPos(event);
    if (!(event->buttons() & Qt::LeftButton)) {
        int nGroup = -1;
        int nPoint = -1;
        HitTest(m_ptMouse, nGroup, nPoint);
        if (nGroup >= 0)
            m_bCanMove = m_mapGroup.value(nGroup)->m_bMovable[nPoint];
        setCursor(Qt::ArrowCursor);
        m_nCurGroup = nGroup;
        m_nCurPoint = nPoint;
        update();
        return;
    }

    SChromaGroupInfo* pGroup = GetChromaGroupByIndex(m_nCurGroup);
    if (!m_bCanMove || !pGroup)
        return;
    m_bShowStandard = false;
    CalcCurrentPoint(QPointF(m_ptMouse), pGroup);

    bool bSuccessed = false;
    emit OnPositionChangeSignal(m_nCurGroup, m_nCurPoint, bSuccessed);
    // The host may have replaced or removed the group while answering.
    pGroup = GetChromaGroupByIndex(m_nCurGroup);
    if (!bSuccessed && pGroup && m_nCurPoint >= 0 && m_nCurPoint <= 2)
        pGroup->m_ptColor[m_nCurPoint] = QPointFToCPointF(m_ptNearest);
    update();
}

void CChromaticityDlgWnd::mouseReleaseEvent(QMouseEvent*)
{
    m_nCurGroup = -1;
    m_nCurPoint = -1;
    m_bCanMove = false;
    m_bDragging = false;
    setCursor(Qt::ArrowCursor);
}

void CChromaticityDlgWnd::leaveEvent(QEvent*)
{
    update();
}

// ---- Drawing, standards and gamut images: forwarded to their own units ----

void CChromaticityDlgWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Draw(painter);
    painter.end();
}

void CChromaticityDlgWnd::Draw(QPainter& painter)
{
    ChromaPaint::Draw(*this, painter);
}

void CChromaticityDlgWnd::DrawBorder(QPainter& painter)
{
    ChromaPaint::DrawBorder(*this, painter);
}

void CChromaticityDlgWnd::DrawHexCoorDialog(QPainter& painter)
{
    ChromaPaint::DrawHexCoorDialog(*this, painter);
}

void CChromaticityDlgWnd::DrawTipsString(QPainter& painter)
{
    ChromaPaint::DrawTipsString(*this, painter);
}

void CChromaticityDlgWnd::DrawCrossLine(QPainter& painter)
{
    ChromaPaint::DrawCrossLine(*this, painter);
}

void CChromaticityDlgWnd::DrawCCTLine(QPainter& painter)
{
    ChromaPaint::DrawCCTLine(*this, painter);
}

void CChromaticityDlgWnd::DrawCCTLineString(QPainter& painter, float fUnused, QPointF pt, int nCCT)
{
    ChromaPaint::DrawCCTLineString(*this, painter, fUnused, pt, nCCT);
}

void CChromaticityDlgWnd::DrawChromTriangle(QPainter& painter)
{
    ChromaPaint::DrawChromTriangle(*this, painter);
}

void CChromaticityDlgWnd::DrawChromNote(QPainter& painter)
{
    ChromaPaint::DrawChromNote(*this, painter);
}

void CChromaticityDlgWnd::DrawCIEStandardShow(QPainter& painter)
{
    ChromaPaint::DrawCIEStandardShow(*this, painter);
}

void CChromaticityDlgWnd::GetChromaticityBmp(int nType)
{
    ChromaPaint::GetChromaticityBmp(*this, nType);
}

void CChromaticityDlgWnd::CalcCIEStandardValid()
{
    ChromaPaint::CalcCIEStandardValid(*this);
}

int CChromaticityDlgWnd::CalcRatio()
{
    return ChromaPaint::CalcRatio(*this);
}

void CChromaticityDlgWnd::OnGamutThreadRunOver()
{
    ChromaPaint::StopGamutThread(m_pGamutThread);
}

bool CChromaticityDlgWnd::DrawStaticPiexl(
    QPointF* pPoints, int nCount, uchar ucColor0, uchar ucColor1, uchar ucColor2, uchar ucColor3)
{
    if (!pPoints || nCount < 0)
        return false;
    QPointF* pPixels = new QPointF[nCount];
    for (int i = 0; i < nCount; ++i)
        pPixels[i] = ChromaToPixel(QPointFToCPointF(pPoints[i]));
    delete[] m_pStaticPixels;
    m_pStaticPixels = pPixels;
    m_nStaticPixelNum = nCount;
    m_ucPixelColor[0] = ucColor0;
    m_ucPixelColor[1] = ucColor1;
    m_ucPixelColor[2] = ucColor2;
    m_ucPixelColor[3] = ucColor3;
    m_bStaticPixel = true;
    return true;
}
