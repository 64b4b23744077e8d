#include "Polygon.h"

#include "LineEx.h"

#include <Common/Assert.h>

#include <cmath>
#include <utility>

namespace {
// Inward step of the pull-in operations, in chromaticity units.
constexpr float g_fCloserStep = 0.00001f;

// Coordinate differences in double, everything after that in float.
float FloatDistance(const QPointF& pt1, const QPointF& pt2)
{
    const float fDx = float(pt1.x() - pt2.x());
    const float fDy = float(pt1.y() - pt2.y());
    return std::sqrt(fDx * fDx + fDy * fDy);
}

bool Coincide(const CPointEx<float>& pt1, const CPointEx<float>& pt2)
{
    return std::fabs(pt1.x - pt2.x) < FLT_EPSILON && std::fabs(pt1.y - pt2.y) < FLT_EPSILON;
}
} // namespace

CPolygon::CPolygon() = default;

CPolygon::CPolygon(const QPolygonF& polygon)
    : m_polygon(polygon)
{
}

CPolygon::CPolygon(const QRectF& rect)
    : m_polygon(rect)
{
}

CPolygon::CPolygon(int n)
    : m_polygon(n > 0 ? n : 0)
{
}

CPolygon::CPolygon(const QVector<QPointF>& vecPoints)
    : m_polygon(vecPoints)
    , m_vecScanPoint(vecPoints)
{
}

bool CPolygon::IsConvex() const
{
    const int n = m_polygon.size();
    if (n < 3)
        return true;
    float fReference = 0.0f;
    for (int i = 0; i < n; ++i) {
        const QPointF& pt0 = m_polygon[i];
        const QPointF& pt1 = m_polygon[(i + 1) % n];
        const QPointF& pt2 = m_polygon[(i + 2) % n];
        const float fDx1 = float(pt1.x() - pt0.x()), fDy1 = float(pt1.y() - pt0.y());
        const float fDx2 = float(pt2.x() - pt1.x()), fDy2 = float(pt2.y() - pt1.y());
        const float fTurn = fDx1 * fDy2 - fDx2 * fDy1;
        if (i == 0)
            fReference = fTurn;
        else if (fTurn * fReference < 0.0f)
            return false;
    }
    return true;
}

QPointF CPolygon::MakePointCloser(const QPointF& p, const QPointF& ptToward) const
{
    const float fSlope
        = SegmentSlope(CPointEx<float>::FromQPointF(p), CPointEx<float>::FromQPointF(ptToward));
    // A vertical or extremely steep slope overflows fSlope² and gives no step at all.
    const float fDx = g_fCloserStep / std::sqrt(fSlope * fSlope + 1.0f);
    const float fDy = fSlope * fDx;
    if (ptToward.x() > p.x())
        return QPointF(p.x() + fDx, p.y() + fDy);
    return QPointF(p.x() - fDx, p.y() - fDy);
}

QPointF CPolygon::VertexCentroid() const
{
    QPointF ptSum;
    for (const QPointF& pt : m_polygon)
        ptSum += pt;
    return ptSum / m_polygon.size();
}

bool CPolygon::GetPointCloser2Convex(QPointF* pt) const
{
    SENDER_ASSERT(pt != nullptr);
    if (m_polygon.containsPoint(*pt, Qt::WindingFill))
        return true;
    const int n = m_polygon.size();
    if (n == 0)
        return false;

    const QPointF ptCentroid = VertexCentroid();
    const CPointEx<float> ptG = CPointEx<float>::FromQPointF(ptCentroid),
                          ptP = CPointEx<float>::FromQPointF(*pt);
    int nEdge = -1;
    for (int i = 0; i < n && nEdge < 0; ++i) {
        const CPointEx<float> ptA = CPointEx<float>::FromQPointF(m_polygon[i]),
                              ptB = CPointEx<float>::FromQPointF(m_polygon[(i + 1) % n]);
        if ((Coincide(ptG, ptA) && Coincide(ptP, ptB)) || (Coincide(ptG, ptB) && Coincide(ptP, ptA)))
            continue;
        if (SegmentBoxesOverlap(ptG, ptP, ptA, ptB) && SegmentsCross(ptG, ptP, ptA, ptB))
            nEdge = i;
    }
    if (nEdge < 0)
        return false;

    const QPointF& ptA = m_polygon[nEdge];
    const QPointF& ptB = m_polygon[(nEdge + 1) % n];
    const CPointEx<float> ptFoot = PerpendicularFoot(
        LineThroughPoints(CPointEx<float>::FromQPointF(ptA), CPointEx<float>::FromQPointF(ptB)), ptP);
    const QPointF ptInside = MakePointCloser(ptFoot.ToQPointF(), ptCentroid);
    if (m_polygon.containsPoint(ptInside, Qt::WindingFill))
        *pt = ptInside;
    else if (FloatDistance(ptB, *pt) > FloatDistance(ptA, *pt))
        *pt = MakePointCloser(ptA, ptCentroid);
    else
        *pt = MakePointCloser(ptB, ptCentroid);
    return true;
}

bool CPolygon::GetPointCloser2Concave(QPointF* pt) const
{
    SENDER_ASSERT(pt != nullptr);
    if (m_polygon.containsPoint(*pt, Qt::WindingFill))
        return true;
    SENDER_ASSERT(!m_polygon.isEmpty());
    const int n = m_polygon.size();

    QPointF ptNearest = m_polygon[0];
    float fNearest = FloatDistance(m_polygon[0], *pt);
    for (int i = 1; i < n; ++i) {
        const float fDistance = FloatDistance(m_polygon[i], *pt);
        if (fNearest > fDistance) {
            ptNearest = m_polygon[i];
            fNearest = fDistance;
        }
    }

    const CPointEx<float> ptP = CPointEx<float>::FromQPointF(*pt);
    for (int i = 0; i < n; ++i) {
        const CPointEx<float> ptA = CPointEx<float>::FromQPointF(m_polygon[i]),
                              ptB = CPointEx<float>::FromQPointF(m_polygon[(i + 1) % n]);
        const QPointF ptFoot = PerpendicularFoot(LineThroughPoints(ptA, ptB), ptP).ToQPointF();
        const float fDistance = FloatDistance(ptFoot, *pt);
        const bool bBeyondEdge
            = (ptFoot.x() < ptA.x && ptFoot.x() < ptB.x) || (ptFoot.x() > ptA.x && ptFoot.x() > ptB.x);
        if (fDistance < fNearest && !bBeyondEdge) {
            ptNearest = ptFoot;
            fNearest = fDistance;
        }
    }
    *pt = MakePointCloser(ptNearest, VertexCentroid());
    return true;
}

bool CPolygon::GetPointCloser(QPointF* pt) const
{
    return IsConvex() ? GetPointCloser2Convex(pt) : GetPointCloser2Concave(pt);
}

void CPolygon::GrahamScan()
{
    // A polygon not built from a point vector is scanned from its own vertices,
    // a closed outline without its repeated first point.
    QVector<QPointF> vecPoints = m_vecScanPoint;
    if (vecPoints.isEmpty()) {
        vecPoints = m_polygon;
        if (vecPoints.size() > 1 && m_polygon.isClosed())
            vecPoints.removeLast();
    }
    const int n = vecPoints.size();

    QPointF* pPoints = vecPoints.data();

    int nPivot = 0;
    for (int i = 1; i < n; ++i) {
        const QPointF& pt = pPoints[i];
        const QPointF& ptPivot = pPoints[nPivot];
        if (pt.y() < ptPivot.y() || (pt.y() == ptPivot.y() && pt.x() < ptPivot.x()))
            nPivot = i;
    }
    if (n > 0)
        std::swap(pPoints[0], pPoints[nPivot]);

    QVector<QPointF> vecHull;
    if (n < 3) {
        vecHull = vecPoints;
    } else {
        // Selection sort by polar angle; among points collinear with the pivot the nearer comes first.
        const QPointF ptPivot = pPoints[0];
        for (int i = 1; i < n - 1; ++i) {
            int m = i;
            double dMx = pPoints[m].x() - ptPivot.x(), dMy = pPoints[m].y() - ptPivot.y();
            for (int j = i + 1; j < n; ++j) {
                const double dJx = pPoints[j].x() - ptPivot.x(), dJy = pPoints[j].y() - ptPivot.y();
                const double dCross = dJx * dMy - dMx * dJy;
                bool bTake = dCross > 0.0;
                if (dCross == 0.0)
                    bTake = FloatDistance(ptPivot, pPoints[m]) > FloatDistance(ptPivot, pPoints[j]);
                // Selects rather than branches: the comparison is unpredictable.
                m = bTake ? j : m;
                dMx = bTake ? dJx : dMx;
                dMy = bTake ? dJy : dMy;
            }
            std::swap(pPoints[i], pPoints[m]);
        }

        vecHull.reserve(n);
        vecHull << pPoints[0] << pPoints[1] << pPoints[2];
        for (int k = 3; k < n; ++k) {
            const QPointF& ptK = pPoints[k];
            // Pop while ptK is right of or on the line through the top two entries.
            while (vecHull.size() >= 2) {
                const QPointF& ptTop = vecHull.at(vecHull.size() - 1);
                const QPointF& ptBelow = vecHull.at(vecHull.size() - 2);
                if ((ptK.x() - ptBelow.x()) * (ptTop.y() - ptBelow.y())
                        - (ptTop.x() - ptBelow.x()) * (ptK.y() - ptBelow.y())
                    < 0.0)
                    break;
                vecHull.removeLast();
            }
            vecHull << ptK;
        }
    }
    m_vecScanPoint = vecHull;
    m_polygon = QPolygonF(vecHull);
    SENDER_ASSERT(IsConvex());
}
