#pragma once

#include "PointEx.h"

#include <QVector>

// Intersects two triangles into a convex polygon and measures it against one
// of them. One object per thread: the point buffer is reused between calls.
class CTriangleOverlap
{
public:
    // At most 9 edge crossings plus 6 vertices.
    static constexpr int MAX_POINTS = 15;

    bool TriangleArea(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
        float& fArea) const;
    float PointDistance(const CPointEx<float>& pt1, const CPointEx<float>& pt2) const;
    // 1 to 4 counter-clockwise from +x; a point on +x itself is in quadrant 4.
    int Quadrant(float fDx, float fDy) const;
    bool AngleAfter(
        const CPointEx<float>& ptA, const CPointEx<float>& ptB, const CPointEx<float>& ptCentre) const;
    bool SortByAngle();
    // Points on an edge (within FLT_EPSILON of its length) count as inside.
    bool PointInTriangle(const CPointEx<float>* pTriangle, const CPointEx<float>& pt) const;
    bool PointInTriangle(const QVector<CPointEx<float>>& vecTriangle, const CPointEx<float>& pt) const;
    bool IntersectTriangles(const CPointEx<float>* pTriangleA, const CPointEx<float>* pTriangleB);
    bool PolygonAreaRatio(const CPointEx<float>* pReference, float& fRatio) const;
    // fRatio = area(A ∩ B) / area(B); left untouched when B has no area.
    bool CalcOverlapRatio(
        const CPointEx<float>* pTriangleA, const CPointEx<float>* pTriangleB, float& fRatio);
    bool CalcOverlapRatio(const QVector<CPointEx<float>>& vecTriangleA,
        const QVector<CPointEx<float>>& vecTriangleB, float& fRatio);

private:
    void Append(const CPointEx<float>& pt);

    QVector<CPointEx<float>> m_vecPoint;
    int m_nPointNum = 0;
};
