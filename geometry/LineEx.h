#pragma once

#include "PointEx.h"

#include <cfloat>

// The line a·x + b·y + c = 0. It is deliberately not normalised: callers
// compare signed values of a·x + b·y + c against each other.
struct CLineEx
{
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
};

// Where two parallel lines "meet": far outside any chromaticity diagram.
constexpr float g_fFarSentinel = 6553600000.0f;
// Closer than this to a vertex in both x and y counts as on the vertex.
constexpr float g_fVertexTolerance = 0.0001f;

CLineEx LineThroughPoints(const CPointEx<float>& pt1, const CPointEx<float>& pt2);
// No special case for a vertical slope: FLT_MAX gives a nearly vertical line.
CLineEx LineFromSlope(const CPointEx<float>& pt0, float fSlope);
// FLT_MAX (as SegmentSlope and LineSlope report it) means the line x = pt0.x.
CLineEx LineFromSlopeOrVertical(float fSlope, const CPointEx<float>& pt0);
// Parallel lines give (g_fFarSentinel, g_fFarSentinel).
CPointEx<float> IntersectLines(const CLineEx& line1, const CLineEx& line2);
float LineXAtY(const CLineEx& line, float fY);
float LineYAtX(const CLineEx& line, float fX);
// FLT_MAX for a vertical line.
float LineSlope(const CLineEx& line);
// FLT_MAX when both x are equal.
float SegmentSlope(const CPointEx<float>& pt1, const CPointEx<float>& pt2);
float PointLineDistance(const CLineEx& line, const CPointEx<float>& pt);
// Strictly on one side; a point on the line is on neither.
bool SameSideOfLine(const CLineEx& line, const CPointEx<float>& pt1, const CPointEx<float>& pt2);
CPointEx<float> PerpendicularFoot(const CLineEx& line, const CPointEx<float>& pt);
CLineEx LeastSquaresLine(const float* pXs, const float* pYs, int nCount);

bool SegmentBoxesOverlap(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
    const CPointEx<float>& pt4);
// Segment pt1–pt2 against segment pt3–pt4; collinear segments count as crossing.
bool SegmentsCross(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
    const CPointEx<float>& pt4);
// On false, fX may have been written while fY was not.
bool SegmentIntersection(const CPointEx<float>& pt1, const CPointEx<float>& pt2, const CPointEx<float>& pt3,
    const CPointEx<float>& pt4, float& fX, float& fY);

// Even-odd rule with a ray towards −x; no vertex tolerance.
bool IsPointInPolygonEvenOdd(const CPointEx<float>& pt, const CPointEx<float>* pVertices, int nCount);
// Even-odd rule, and anything within g_fVertexTolerance of a vertex is inside.
bool IsPointInPolygon(const CPointEx<float>& pt, const CPointEx<float>* pVertices, int nCount);
