#include "LineEx.h"

#include <algorithm>
#include <cmath>

CLineEx LineThroughPoints(const CPointEx<float>& pt1, const CPointEx<float>& pt2)
{
    return CLineEx {pt2.y - pt1.y, pt1.x - pt2.x, pt1.y * pt2.x - pt1.x * pt2.y};
}

CLineEx LineFromSlope(const CPointEx<float>& pt0, float fSlope)
{
    return CLineEx {-fSlope, 1.0f, -(-fSlope * pt0.x + pt0.y)};
}

CLineEx LineFromSlopeOrVertical(float fSlope, const CPointEx<float>& pt0)
{
    if (fSlope == FLT_MAX)
        return CLineEx {1.0f, 0.0f, -pt0.x};
    return LineFromSlope(pt0, fSlope);
}

CPointEx<float> IntersectLines(const CLineEx& line1, const CLineEx& line2)
{
    const float fDet = line1.a * line2.b - line1.b * line2.a;
    if (std::fabs(fDet) < FLT_EPSILON)
        return CPointEx<float>(g_fFarSentinel, g_fFarSentinel);
    return CPointEx<float>(
        (line1.b * line2.c - line2.b * line1.c) / fDet, (line1.c * line2.a - line1.a * line2.c) / fDet);
}

float LineXAtY(const CLineEx& line, float fY)
{
    return -(line.c + fY * line.b) / line.a;
}

float LineYAtX(const CLineEx& line, float fX)
{
    return -(line.c + fX * line.a) / line.b;
}

float LineSlope(const CLineEx& line)
{
    return line.b == 0.0f ? FLT_MAX : -line.a / line.b;
}

float SegmentSlope(const CPointEx<float>& pt1, const CPointEx<float>& pt2)
{
    return pt1.x == pt2.x ? FLT_MAX : (pt2.y - pt1.y) / (pt2.x - pt1.x);
}

float PointLineDistance(const CLineEx& line, const CPointEx<float>& pt)
{
    return std::fabs(line.a * pt.x + line.b * pt.y + line.c) / std::sqrt(line.a * line.a + line.b * line.b);
}

bool SameSideOfLine(const CLineEx& line, const CPointEx<float>& pt1, const CPointEx<float>& pt2)
{
    return (line.a * pt2.x + line.b * pt2.y + line.c) * (line.a * pt1.x + line.b * pt1.y + line.c) > 0.0f;
}

CPointEx<float> PerpendicularFoot(const CLineEx& line, const CPointEx<float>& pt)
{
    const float a = line.a, b = line.b, c = line.c;
    const float fNorm = a * a + b * b;
    return CPointEx<float>(
        (b * b * pt.x - a * b * pt.y - a * c) / fNorm, (-a * b * pt.x + a * a * pt.y - b * c) / fNorm);
}

CLineEx LeastSquaresLine(const float* pXs, const float* pYs, int nCount)
{
    double dSumX = 0.0, dSumY = 0.0, dSumXX = 0.0, dSumXY = 0.0;
    for (int i = 0; i < nCount; ++i) {
        const double dX = pXs[i], dY = pYs[i];
        dSumX += dX;
        dSumY += dY;
        dSumXX += dX * dX;
        dSumXY += dX * dY;
    }
    const double dMeanX = dSumX / nCount;
    const double dMeanY = dSumY / nCount;
    const double dSxx = dSumXX - nCount * dMeanX * dMeanX;
    const double dSxy = dSumXY - nCount * dMeanX * dMeanY;
    const float fSlope = float(dSxy / dSxx);
    const float fIntercept = float(dMeanY - fSlope * dMeanX);
    return LineFromSlopeOrVertical(fSlope, CPointEx<float>(0.0f, fIntercept));
}

bool SegmentBoxesOverlap(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
    const CPointEx<float>& pt4)
{
    return std::max(pt3.x, pt4.x) >= std::min(pt1.x, pt2.x)
        && std::max(pt1.x, pt2.x) >= std::min(pt3.x, pt4.x)
        && std::max(pt3.y, pt4.y) >= std::min(pt1.y, pt2.y)
        && std::max(pt1.y, pt2.y) >= std::min(pt3.y, pt4.y);
}

bool SegmentsCross(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
    const CPointEx<float>& pt4)
{
    // Orientations are float values; only their products and the tolerance
    // tests are in double, so tiny products do not underflow.
    const double dTolerance = FLT_EPSILON;
    const float x1 = pt1.x, y1 = pt1.y, x2 = pt2.x, y2 = pt2.y;
    const float x3 = pt3.x, y3 = pt3.y, x4 = pt4.x, y4 = pt4.y;

    const double d1 = (y1 - y3) * x2 + x1 * (y3 - y2) + x3 * (y2 - y1);
    const double d2 = (y4 - y2) * x1 + x2 * (y1 - y4) + x4 * (y2 - y1);
    if (d1 * d2 >= 0.0 && (std::fabs(d1) > dTolerance || std::fabs(d2) > dTolerance))
        return false;

    const double d3 = (y2 - y4) * x3 + (y3 - y2) * x4 + x2 * (y4 - y3);
    const double d4 = x4 * (y3 - y1) + (y1 - y4) * x3 + x1 * (y4 - y3);
    if (d4 * d3 < 0.0)
        return true;
    return std::fabs(d4) <= dTolerance && std::fabs(d3) <= dTolerance;
}

static bool SameSegment(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
    const CPointEx<float>& pt4)
{
    return std::fabs(pt1.x - pt3.x) < FLT_EPSILON && std::fabs(pt1.y - pt3.y) < FLT_EPSILON
        && std::fabs(pt2.x - pt4.x) < FLT_EPSILON && std::fabs(pt2.y - pt4.y) < FLT_EPSILON;
}

bool SegmentIntersection(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
    const CPointEx<float>& pt4, float& fX, float& fY)
{
    if (SameSegment(pt1, pt2, pt3, pt4) || SameSegment(pt1, pt2, pt4, pt3))
        return false;
    if (!SegmentBoxesOverlap(pt1, pt2, pt3, pt4) || !SegmentsCross(pt1, pt2, pt3, pt4))
        return false;

    const float x1 = pt1.x, y1 = pt1.y, x2 = pt2.x, y2 = pt2.y;
    const float x3 = pt3.x, y3 = pt3.y, x4 = pt4.x, y4 = pt4.y;
    const float fDenomX = (y1 - y2) * (x4 - x3) - (y3 - y4) * (x2 - x1);
    if (-FLT_EPSILON < fDenomX && fDenomX < FLT_EPSILON)
        return false;
    fX = ((y1 - y3) * (x2 - x1) * (x4 - x3) + (y4 - y3) * x3 * (x2 - x1) - (y2 - y1) * x1 * (x4 - x3))
        / fDenomX;

    const float fDenomY = (x1 - x2) * (y4 - y3) - (y2 - y1) * (x3 - x4);
    if (-FLT_EPSILON < fDenomY && fDenomY < FLT_EPSILON)
        return false;
    fY = ((x4 - x2) * (y4 - y3) * (y1 - y2) + y2 * (x1 - x2) * (y4 - y3) - y4 * (x3 - x4) * (y2 - y1))
        / fDenomY;
    return true;
}

bool IsPointInPolygonEvenOdd(const CPointEx<float>& pt, const CPointEx<float>* pVertices, int nCount)
{
    bool bInside = false;
    for (int i = 0, j = nCount - 1; i < nCount; j = i++) {
        const CPointEx<float>& vi = pVertices[i];
        const CPointEx<float>& vj = pVertices[j];
        const bool bStraddles = (pt.y > vi.y && vj.y >= pt.y) || (pt.y > vj.y && vi.y >= pt.y);
        if (bStraddles && (pt.x >= vi.x || pt.x >= vj.x)) {
            if (pt.x > vi.x + (pt.y - vi.y) / (vj.y - vi.y) * (vj.x - vi.x))
                bInside = !bInside;
        }
    }
    return bInside;
}

bool IsPointInPolygon(const CPointEx<float>& pt, const CPointEx<float>* pVertices, int nCount)
{
    if (nCount < 1)
        return false;
    for (int i = 0; i < nCount; ++i) {
        if (std::fabs(pt.x - pVertices[i].x) < g_fVertexTolerance
            && std::fabs(pt.y - pVertices[i].y) < g_fVertexTolerance)
            return true;
    }
    return IsPointInPolygonEvenOdd(pt, pVertices, nCount);
}
