// The corrections that keep a colour group physically meaningful: colour
// points inside the spectral locus, the white point inside their triangle.
#include "ChromaDiagram.h"

#include "LineEx.h"
#include "Polygon.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Corrected points are left this far inside the region they were pulled into,
// and points closer than this count as the same point.
constexpr float g_fNudge = 0.0001f;

using Point = CPointEx<float>;

Point ClampNonNegative(Point pt)
{
    return Point(pt.x < 0.0f ? 0.0f : pt.x, pt.y < 0.0f ? 0.0f : pt.y);
}

bool IsFinite(Point pt)
{
    return std::isfinite(pt.x) && std::isfinite(pt.y);
}

bool IsWhiteInTriangle(const Point* pTriangle, Point ptWhite)
{
    return IsPointInPolygon(ptWhite, pTriangle, 3);
}

bool IsNear(QPointF pt1, Point pt2)
{
    return std::fabs(pt1.x() - double(pt2.x)) < double(g_fNudge)
        && std::fabs(pt1.y() - double(pt2.y)) < double(g_fNudge);
}

float Distance(Point pt1, Point pt2)
{
    const float fDx = pt1.x - pt2.x;
    const float fDy = pt1.y - pt2.y;
    return std::sqrt(fDx * fDx + fDy * fDy);
}

// The two other colour points of point nPoint, in index order.
void OtherPoints(int nPoint, int& nOther1, int& nOther2)
{
    nOther1 = nPoint == 0 ? 1 : 0;
    nOther2 = nPoint == 2 ? 1 : 2;
}

// The point where the line through pt parallel to the bisector of the angle
// O1–W–O2 meets the edge line that W has to stay on. False when there is no
// angle (W on O1 or O2), when the lines are parallel, or when the crossing is
// not a finite number.
bool BisectorCrossing(Point ptWhite, Point pt, Point ptOther1, Point ptOther2, Point& ptCrossing)
{
    const float fDistance1 = Distance(ptWhite, ptOther1);
    const float fDistance2 = Distance(ptOther2, ptWhite);
    if (!(fDistance1 > 0.0f) || !(fDistance2 > 0.0f))
        return false;
    const double dScale = double(fDistance1) / double(fDistance2);
    const float fQx = float(ptWhite.x + (ptOther2.x - ptWhite.x) * dScale);
    const float fQy = float(ptWhite.y + (ptOther2.y - ptWhite.y) * dScale);
    const Point ptMid((fQx + ptOther1.x) / 2.0f, (fQy + ptOther1.y) / 2.0f);

    CLineEx bisector = LineThroughPoints(ptWhite, ptMid);
    if (Distance(ptWhite, ptMid) < 1e-3f * fDistance1) {
        // A straight angle: the midpoint falls on W and spans no line. The
        // bisector then stands square on O1–W.
        const Point ptNormal(ptWhite.x - (ptOther1.y - ptWhite.y), ptWhite.y + (ptOther1.x - ptWhite.x));
        bisector = LineThroughPoints(ptWhite, ptNormal);
    }
    // The vertical form of a vertical path keeps FLT_MAX out of the products.
    const CLineEx path = LineFromSlopeOrVertical(LineSlope(bisector), pt);
    const CLineEx target = SameSideOfLine(bisector, pt, ptOther1) ? LineThroughPoints(ptOther2, ptWhite)
                                                                  : LineThroughPoints(ptOther1, ptWhite);
    const float fDenominator = path.b * target.a - path.a * target.b;
    if (path.a / target.a == path.b / target.b || fDenominator == 0.0f)
        return false;
    const Point ptX((target.b * path.c - path.b * target.c) / fDenominator,
        (path.a * target.c - target.a * path.c) / fDenominator);
    if (!IsFinite(ptX))
        return false;
    ptCrossing = ptX;
    return true;
}

// pt moved 0.0001 away from ptAway into ptOut; false, and ptOut untouched,
// when that gives no number.
bool NudgeInto(Point pt, Point ptAway, Point& ptOut)
{
    QPointF ptResult = pt.ToQPointF();
    CChromaDiagram::AddFloatExcursion(ptResult, ptAway.ToQPointF());
    const Point ptNudged = Point::FromQPointF(ptResult);
    if (!IsFinite(ptNudged))
        return false;
    ptOut = ptNudged;
    return true;
}

} // namespace

// The 0.0001 inset can push a point that was pulled onto a boundary back out,
// and float rounding can leave it a hair outside. The nudged point is kept
// where it lands inside; otherwise the point walks from the raw one towards an
// anchor known to be inside, in steps that double from the inset.
bool CChromaDiagram::Settle(
    Point ptNudged, Point ptRaw, Point ptAnchor, const RegionTest& fnInside, Point& ptOut)
{
    for (const Point& pt : {ptNudged, ptRaw}) {
        if (IsFinite(pt) && fnInside(pt)) {
            ptOut = pt;
            return true;
        }
    }
    if (!IsFinite(ptRaw) || !IsFinite(ptAnchor))
        return false;
    const float fLength = Distance(ptRaw, ptAnchor);
    for (float fStep = g_fNudge; fStep < fLength; fStep *= 2.0f) {
        const float fT = fStep / fLength;
        const Point pt(ptRaw.x + (ptAnchor.x - ptRaw.x) * fT, ptRaw.y + (ptAnchor.y - ptRaw.y) * fT);
        if (fnInside(pt)) {
            ptOut = pt;
            return true;
        }
    }
    if (!fnInside(ptAnchor))
        return false;
    ptOut = ptAnchor;
    return true;
}

bool CChromaDiagram::GetWhiteIntersection(SChromaGroupInfo* pGroup, Point pt)
{
    if (!pGroup || !IsFinite(pt))
        return false;
    const Point* pColor = pGroup->m_ptColor;
    // Three points on one vertical or horizontal line enclose nothing to pull into.
    const auto isClose
        = [](float f1, float f2) { return std::fabs(double(f1) - double(f2)) < double(g_fNudge); };
    if (isClose(pColor[0].x, pColor[1].x) && isClose(pColor[0].x, pColor[2].x))
        return false;
    if (isClose(pColor[0].y, pColor[1].y) && isClose(pColor[0].y, pColor[2].y))
        return false;

    QPointF ptNearest = pt.ToQPointF();
    const CPolygon triangle(QPolygonF({pColor[0].ToQPointF(), pColor[1].ToQPointF(), pColor[2].ToQPointF()}));
    if (!triangle.GetPointCloser(&ptNearest))
        return false;
    AddFloatExcursion(ptNearest, pt.ToQPointF());
    if (!std::isfinite(ptNearest.x()) || !std::isfinite(ptNearest.y()))
        return false;
    m_ptNearest = ptNearest;
    return true;
}

bool CChromaDiagram::CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup)
{
    if (!pGroup || m_nCurPoint < 0 || m_nCurPoint >= g_nChromaPointNum)
        return false;
    Point pt = ClampNonNegative(PixelToChroma(pos));
    if (!IsInLocus(pt)) {
        // Without a crossing the raw point goes on; settling puts it inside.
        Point ptOut;
        if (GetCIEIntersection(m_listLocus, pGroup->m_ptColor[g_nWhitePoint], pt, ptOut))
            pt = ptOut;
    }
    // The point's own position was inside before the drag: the anchor to settle towards.
    const Point ptAnchor = pGroup->m_ptColor[m_nCurPoint];
    if (m_nCurPoint == g_nWhitePoint)
        return ApplyWhitePoint(*pGroup, pt, ptAnchor, true);
    return ApplyColourPoint(*pGroup, m_nCurPoint, pt, ptAnchor);
}

bool CChromaDiagram::ApplyWhitePoint(SChromaGroupInfo& group, Point pt, Point ptAnchor, bool bSnapToVertex)
{
    Point* pColor = group.m_ptColor;
    const auto fnInside = [pColor](Point ptWhite) { return IsWhiteInTriangle(pColor, ptWhite); };
    if (IsFinite(pt) && fnInside(pt)) {
        pColor[g_nWhitePoint] = pt;
        return true;
    }
    if (!GetWhiteIntersection(&group, pt))
        return false;
    Point ptNew = Point::FromQPointF(m_ptNearest);
    // A white point pulled next to a vertex snaps onto it.
    for (int i = 0; bSnapToVertex && i < g_nWhitePoint; ++i) {
        if (IsNear(m_ptNearest, pColor[i])) {
            ptNew = pColor[i];
            break;
        }
    }
    if (!Settle(ptNew, ptNew, ptAnchor, fnInside, ptNew))
        return false;
    pColor[g_nWhitePoint] = ptNew;
    return true;
}

bool CChromaDiagram::ApplyColourPoint(SChromaGroupInfo& group, int nPoint, Point pt, Point ptAnchor)
{
    Point* pColor = group.m_ptColor;
    const Point ptWhite = pColor[g_nWhitePoint];
    const auto fnInside = [this, pColor, nPoint, ptWhite](Point ptNew) {
        Point triangle[3] = {pColor[0], pColor[1], pColor[2]};
        triangle[nPoint] = ptNew;
        return IsInLocus(ptNew) && IsWhiteInTriangle(triangle, ptWhite);
    };
    Point triangle[3] = {pColor[0], pColor[1], pColor[2]};
    triangle[nPoint] = pt;
    Point ptCandidate = pt;
    if (!IsWhiteInTriangle(triangle, ptWhite)) {
        int nOther1 = 0, nOther2 = 0;
        OtherPoints(nPoint, nOther1, nOther2);
        if (!GetNearestPoint(ptWhite, pt, pColor[nOther1], pColor[nOther2]))
            return false;
        ptCandidate = Point::FromQPointF(m_ptNearest);
    }
    Point ptNew;
    if (!Settle(ptCandidate, ptCandidate, ptAnchor, fnInside, ptNew))
        return false;
    pColor[nPoint] = ptNew;
    if (ptNew != ptCandidate)
        m_ptNearest = ptNew.ToQPointF(); // a rejected step falls back to an inside point
    return true;
}

bool CChromaDiagram::ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex)
{
    if (!pGroup || nPointIndex < 0 || nPointIndex >= g_nChromaPointNum)
        return false;
    Point clamped[g_nChromaPointNum];
    for (int i = 0; i < g_nChromaPointNum; ++i)
        clamped[i] = ClampNonNegative(pGroup->m_ptColor[i]);
    // The clamped colour points stay, also when the correction is refused;
    // beyond them a refusal changes nothing, so the rest is worked on a copy.
    std::copy(clamped, clamped + 3, pGroup->m_ptColor);
    SChromaGroupInfo work = *pGroup;
    Point* pColor = work.m_ptColor;

    const Point pt = clamped[nPointIndex];
    const Point ptWhite = pColor[g_nWhitePoint];
    if (!IsFinite(pt) || !IsFinite(ptWhite))
        return false;
    if (nPointIndex == g_nWhitePoint) {
        if (!IsInLocus(pt))
            return false;
        const Point ptCentroid((clamped[0].x + clamped[1].x + clamped[2].x) / 3.0f,
            (clamped[0].y + clamped[1].y + clamped[2].y) / 3.0f);
        if (!ApplyWhitePoint(work, pt, ptCentroid, false))
            return false;
    } else {
        Point ptOut = pt;
        if (!IsInLocus(pt)) {
            Point ptCrossing;
            if (GetCIEIntersection(m_listLocus, ptWhite, pt, ptCrossing))
                ptOut = ptCrossing;
        }
        int nOther1 = 0, nOther2 = 0;
        OtherPoints(nPointIndex, nOther1, nOther2);
        Point ptCandidate = ptOut;
        if (!IsWhiteInTriangle(clamped, ptWhite)) {
            if (!GetNearestPoint(ptWhite, pt, clamped[nOther1], clamped[nOther2]))
                return false;
            ptCandidate = Point::FromQPointF(m_ptNearest);
        }
        // The segment from the white point to any inside point stays inside.
        const auto fnInside = [&](Point ptNew) {
            Point triangle[3] = {clamped[0], clamped[1], clamped[2]};
            triangle[nPointIndex] = ptNew;
            return IsInLocus(ptNew) && IsWhiteInTriangle(triangle, ptWhite);
        };
        if (!Settle(ptCandidate, ptCandidate, ptWhite, fnInside, pColor[nPointIndex]))
            return false;
    }
    std::copy(pColor, pColor + g_nChromaPointNum, pGroup->m_ptColor);
    return true;
}

bool CChromaDiagram::ReCalCMY(SChromaGroupInfo* pGroup)
{
    if (!pGroup)
        return false;
    Point* pColor = pGroup->m_ptColor;
    const Point secondary[3] = {pColor[0], pColor[1], pColor[2]};
    const Point primary[3] = {
        ClampNonNegative(Point(secondary[1].x + secondary[2].x - secondary[0].x,
            secondary[1].y + secondary[2].y - secondary[0].y)),
        ClampNonNegative(Point(secondary[0].x + secondary[2].x - secondary[1].x,
            secondary[0].y + secondary[2].y - secondary[1].y)),
        ClampNonNegative(Point(secondary[0].x + secondary[1].x - secondary[2].x,
            secondary[0].y + secondary[1].y - secondary[2].y)),
    };
    const Point ptWhite = ClampNonNegative(pColor[g_nWhitePoint]);
    if (!IsFinite(ptWhite) || !IsInLocus(ptWhite))
        return false;

    Point corrected[3] = {primary[0], primary[1], primary[2]};
    const bool bWhiteInside = IsWhiteInTriangle(primary, ptWhite);
    for (int i = 2; i >= 0; --i) {
        if (!IsFinite(primary[i]))
            return false;
        if (IsInLocus(primary[i]))
            continue;
        Point ptOut = primary[i];
        Point ptCrossing;
        if (GetCIEIntersection(m_listLocus, ptWhite, primary[i], ptCrossing))
            ptOut = ptCrossing;
        int nOther1 = 0, nOther2 = 0;
        OtherPoints(i, nOther1, nOther2);
        if (!bWhiteInside && GetNearestPoint(ptWhite, primary[i], primary[nOther1], primary[nOther2]))
            ptOut = Point::FromQPointF(m_ptNearest);
        const auto fnInside = [this](Point pt) { return IsInLocus(pt); };
        if (!Settle(ptOut, ptOut, ptWhite, fnInside, corrected[i]))
            return false;
    }

    for (int i = 0; i < 3; ++i) {
        int nOther1 = 0, nOther2 = 0;
        OtherPoints(i, nOther1, nOther2);
        const Point& pt1 = corrected[nOther1];
        const Point& pt2 = corrected[nOther2];
        pColor[i] = Point((pt1.x + pt2.x) / 2.0f, (pt1.y + pt2.y) / 2.0f);
    }
    return true;
}

bool CChromaDiagram::IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex) const
{
    if (!pGroup || nPointIndex < 0 || nPointIndex >= g_nChromaPointNum)
        return false;
    return IsInLocus(ClampNonNegative(pGroup->m_ptColor[nPointIndex]))
        && IsWhiteInTriangle(pGroup->m_ptColor, pGroup->m_ptColor[g_nWhitePoint]);
}

// ---- Searches --------------------------------------------------------------

void CChromaDiagram::AddFloatExcursion(QPointF& pt, QPointF ptAway)
{
    const float fSlope = SegmentSlope(Point::FromQPointF(pt), Point::FromQPointF(ptAway));
    // A vertical pair gives an infinite square and so no step at all.
    const float fDx = g_fNudge / std::sqrt(fSlope * fSlope + 1.0f);
    const float fDy = fSlope * fDx;
    if (pt.x() <= ptAway.x())
        pt = QPointF(pt.x() - fDx, pt.y() - fDy);
    else
        pt = QPointF(pt.x() + fDx, pt.y() + fDy);
}

bool CChromaDiagram::GetCIEIntersection(const QList<Point>& listPolygon, Point ptA, Point ptB, Point& ptOut)
{
    const int nCount = listPolygon.size();
    if (nCount < 3)
        return false;
    bool bCrossed = false;
    Point ptCrossing;
    // The last crossing in polygon order wins. A failed edge may have written
    // one coordinate, so only a whole crossing is kept.
    for (int i = 1; i <= nCount; ++i) {
        float fX = 0.0f, fY = 0.0f;
        if (SegmentIntersection(ptA, ptB, listPolygon[i - 1], listPolygon[i % nCount], fX, fY)) {
            ptCrossing = Point(fX, fY);
            bCrossed = true;
        }
    }
    if (!bCrossed)
        return false;
    return NudgeInto(ptCrossing, ptB, ptOut);
}

bool CChromaDiagram::GetNearestPoint(Point ptWhite, Point pt, Point ptOther1, Point ptOther2)
{
    Point ptCrossing;
    if (!BisectorCrossing(ptWhite, pt, ptOther1, ptOther2, ptCrossing))
        return false;
    if (!IsInLocus(ptCrossing)) {
        // No crossing means the white point is outside the locus too; the
        // crossing point could then be anywhere, so there is no answer.
        Point ptOut;
        if (!GetCIEIntersection(m_listLocus, ptWhite, ptCrossing, ptOut))
            return false;
        ptCrossing = ptOut;
    }
    Point ptResult;
    if (!NudgeInto(ptCrossing, pt, ptResult))
        return false;
    m_ptNearest = ptResult.ToQPointF();
    return true;
}

bool CChromaDiagram::GetNearestPoint2(Point ptWhite, Point pt, Point ptOther1, Point ptOther2, Point& ptOut)
{
    Point ptCrossing;
    if (!BisectorCrossing(ptWhite, pt, ptOther1, ptOther2, ptCrossing))
        return false;
    return NudgeInto(ptCrossing, pt, ptOut);
}

bool CChromaDiagram::FeasibleRegionCrossing(
    const QList<Point>& listRegion, bool bFromCentroid, Point& pt) const
{
    if (listRegion.size() <= 2)
        return false;
    const SChromaGroupInfo* pGroup = GetChromaGroupByIndex(m_nCurGroup);
    if (!pGroup || m_nCurPoint < 0 || m_nCurPoint >= g_nWhitePoint)
        return false;
    Point ptStart = pGroup->m_ptColor[g_nWhitePoint];
    if (bFromCentroid) {
        Point ptSum;
        for (const Point& ptRegion : listRegion) {
            ptSum.x += ptRegion.x;
            ptSum.y += ptRegion.y;
        }
        const float fCount = float(listRegion.size());
        ptStart = Point(ptSum.x / fCount, ptSum.y / fCount);
    }
    return GetCIEIntersection(listRegion, ptStart, pGroup->m_ptColor[m_nCurPoint], pt);
}

void CChromaDiagram::GetFeasibleRegionNearstPoint(const QList<Point>& listRegion, Point& pt) const
{
    FeasibleRegionCrossing(listRegion, false, pt);
}

void CChromaDiagram::GetFeasibleRegionNearstPoint2(const QList<Point>& listRegion, Point& pt) const
{
    FeasibleRegionCrossing(listRegion, true, pt);
}
