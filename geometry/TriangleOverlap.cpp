#include "TriangleOverlap.h"

#include "LineEx.h"

#include <Common/Assert.h>

#include <algorithm>
#include <cmath>
#include <utility>

bool CTriangleOverlap::TriangleArea(
    const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3, float& fArea) const
{
    const float fS12 = PointDistance(pt1, pt2);
    const float fS13 = PointDistance(pt1, pt3);
    const float fS23 = PointDistance(pt2, pt3);
    const float fS = (fS23 + fS13 + fS12) * 0.5f;
    // Rounding can push a flat triangle's product slightly below zero.
    const float fQ = (fS - fS23) * fS * (fS - fS13) * (fS - fS12);
    fArea = fQ < 0.0f ? 0.0f : std::sqrt(fQ);
    return true;
}

float CTriangleOverlap::PointDistance(const CPointEx<float>& pt1, const CPointEx<float>& pt2) const
{
    return std::sqrt((pt1.x - pt2.x) * (pt1.x - pt2.x) + (pt1.y - pt2.y) * (pt1.y - pt2.y));
}

int CTriangleOverlap::Quadrant(float fDx, float fDy) const
{
    if (fDy > 0.0f)
        return fDx > 0.0f ? 1 : 2;
    return fDx > 0.0f ? 4 : 3;
}

bool CTriangleOverlap::AngleAfter(
    const CPointEx<float>& ptA, const CPointEx<float>& ptB, const CPointEx<float>& ptCentre) const
{
    const float fAdx = ptA.x - ptCentre.x, fAdy = ptA.y - ptCentre.y;
    const float fBdx = ptB.x - ptCentre.x, fBdy = ptB.y - ptCentre.y;
    const int nQuadrantA = Quadrant(fAdx, fAdy);
    const int nQuadrantB = Quadrant(fBdx, fBdy);
    if (nQuadrantA != nQuadrantB)
        return nQuadrantA > nQuadrantB;
    return fAdy * fBdx > fAdx * fBdy;
}

bool CTriangleOverlap::SortByAngle()
{
    if (m_nPointNum < 2)
        return true;
    CPointEx<float> ptCentre;
    for (int i = 0; i < m_nPointNum; ++i) {
        ptCentre.x += m_vecPoint[i].x;
        ptCentre.y += m_vecPoint[i].y;
    }
    ptCentre.x /= float(m_nPointNum);
    ptCentre.y /= float(m_nPointNum);

    CPointEx<float>* pPoints = m_vecPoint.data();
    for (int nPass = m_nPointNum - 1; nPass >= 1; --nPass) {
        for (int j = 0; j < nPass; ++j) {
            if (AngleAfter(pPoints[j], pPoints[j + 1], ptCentre))
                std::swap(pPoints[j], pPoints[j + 1]);
        }
    }
    return true;
}

bool CTriangleOverlap::PointInTriangle(const CPointEx<float>* pTriangle, const CPointEx<float>& pt) const
{
    for (int k = 0; k < 3; ++k) {
        const CPointEx<float>& ptStart = pTriangle[k];
        const CPointEx<float>& ptEnd = pTriangle[(k + 1) % 3];
        if (std::fabs(PointDistance(pt, ptStart) + PointDistance(pt, ptEnd) - PointDistance(ptStart, ptEnd))
            < FLT_EPSILON)
            return true;
    }
    return IsPointInPolygonEvenOdd(pt, pTriangle, 3);
}

bool CTriangleOverlap::PointInTriangle(
    const QVector<CPointEx<float>>& vecTriangle, const CPointEx<float>& pt) const
{
    SENDER_ASSERT(vecTriangle.size() == 3);
    const CPointEx<float> arrTriangle[3] = {vecTriangle[0], vecTriangle[1], vecTriangle[2]};
    return PointInTriangle(arrTriangle, pt);
}

void CTriangleOverlap::Append(const CPointEx<float>& pt)
{
    SENDER_ASSERT(m_nPointNum < MAX_POINTS);
    m_vecPoint[m_nPointNum++] = pt;
}

bool CTriangleOverlap::IntersectTriangles(
    const CPointEx<float>* pTriangleA, const CPointEx<float>* pTriangleB)
{
    m_vecPoint.resize(MAX_POINTS);
    m_nPointNum = 0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            CPointEx<float> ptCross;
            if (SegmentIntersection(pTriangleA[i], pTriangleA[(i + 1) % 3], pTriangleB[j],
                    pTriangleB[(j + 1) % 3], ptCross.x, ptCross.y))
                Append(ptCross);
        }
    }
    for (int k = 0; k < 3; ++k) {
        if (PointInTriangle(pTriangleA, pTriangleB[k]))
            Append(pTriangleB[k]);
        if (PointInTriangle(pTriangleB, pTriangleA[k]))
            Append(pTriangleA[k]);
    }
    return true;
}

bool CTriangleOverlap::PolygonAreaRatio(const CPointEx<float>* pReference, float& fRatio) const
{
    float fPolygonArea = 0.0f;
    for (int i = 1; i + 1 < m_nPointNum; ++i) {
        float fFanArea = 0.0f;
        TriangleArea(m_vecPoint[0], m_vecPoint[i], m_vecPoint[i + 1], fFanArea);
        fPolygonArea += fFanArea;
    }
    float fReferenceArea = 0.0f;
    TriangleArea(pReference[0], pReference[1], pReference[2], fReferenceArea);
    if (fReferenceArea < FLT_EPSILON)
        return false;
    fRatio = std::min(fReferenceArea, fPolygonArea) / fReferenceArea;
    return !(fRatio < -FLT_EPSILON || fRatio >= 1.0000001f);
}

bool CTriangleOverlap::CalcOverlapRatio(
    const CPointEx<float>* pTriangleA, const CPointEx<float>* pTriangleB, float& fRatio)
{
    IntersectTriangles(pTriangleA, pTriangleB);
    SortByAngle();
    PolygonAreaRatio(pTriangleB, fRatio);
    return true;
}

bool CTriangleOverlap::CalcOverlapRatio(
    const QVector<CPointEx<float>>& vecTriangleA, const QVector<CPointEx<float>>& vecTriangleB, float& fRatio)
{
    SENDER_ASSERT(vecTriangleA.size() == 3 && vecTriangleB.size() == 3);
    return CalcOverlapRatio(vecTriangleA.constData(), vecTriangleB.constData(), fRatio);
}
