#include "LineEx.h"
#include "TriangleOverlap.h"

#include <QPolygonF>
#include <QtTest>

#include <cmath>
#include <random>

using PointF = CPointEx<float>;
using Triangle = std::array<PointF, 3>;

static double ShoelaceArea(const QPolygonF& polygon)
{
    double dTwiceArea = 0.0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF &pt1 = polygon[i], &pt2 = polygon[(i + 1) % polygon.size()];
        dTwiceArea += pt1.x() * pt2.y() - pt2.x() * pt1.y();
    }
    return std::fabs(dTwiceArea) / 2.0;
}

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void linesAndSlopes()
    {
        // A vertical path is the line x = x0, not a nearly vertical one.
        QVERIFY(LineSlope(CLineEx {1.0f, 0.0f, -3.0f}) == FLT_MAX
            && SegmentSlope(PointF(2, 0), PointF(2, 7)) == FLT_MAX);
        const CLineEx vertical = LineFromSlopeOrVertical(FLT_MAX, PointF(2, 5));
        QVERIFY(vertical.a == 1.0f && vertical.b == 0.0f && vertical.c == -2.0f);
        // x - y = 0 meets x + y - 2 = 0 at (1, 1); parallel lines meet far away.
        QCOMPARE(IntersectLines(CLineEx {1, -1, 0}, CLineEx {1, 1, -2}), PointF(1, 1));
        QCOMPARE(
            IntersectLines(CLineEx {1, -1, 0}, CLineEx {2, -2, 3}), PointF(6553600000.0f, 6553600000.0f));
        // Segments: crossing, T junction, one side, collinear overlap (crossing but
        // no single point), stopping short.
        const struct
        {
            PointF arrEnds[4];
            bool bCross, bPoint;
        } arrSegments[] = {{{{0, 0}, {1, 1}, {0, 1}, {1, 0}}, true, true},
            {{{0, 0}, {2, 0}, {1, 0}, {1, 1}}, false, false},
            {{{0, 0}, {2, 0}, {0, 1}, {2, 1}}, false, false}, {{{0, 0}, {2, 0}, {1, 0}, {3, 0}}, true, false},
            {{{0, 0}, {2, 0}, {1, 0.5f}, {1, 2}}, false, false},
            {{{0, 0}, {1, 1}, {0, 0}, {1, 1}}, true, false}, {{{0, 0}, {1, 1}, {1, 1}, {0, 0}}, true, false}};
        for (const auto& s : arrSegments) {
            const PointF* pt = s.arrEnds;
            QCOMPARE(SegmentsCross(pt[0], pt[1], pt[2], pt[3]), s.bCross);
            float fX = -1.0f, fY = -1.0f;
            QCOMPARE(SegmentIntersection(pt[0], pt[1], pt[2], pt[3], fX, fY), s.bPoint);
            QVERIFY(s.bPoint ? fX == 0.5f && fY == 0.5f : fX == -1.0f && fY == -1.0f);
        }
    }

    void pointInPolygon()
    {
        const PointF arrSquare[] = {PointF(0, 0), PointF(1, 0), PointF(1, 1), PointF(0, 1)};
        QVERIFY(!IsPointInPolygon(PointF(0.5f, 0.5f), arrSquare, 0));
        // Just outside a corner, within the tolerance in both x and y, then in x only.
        QVERIFY(!IsPointInPolygonEvenOdd(PointF(-0.00005f, 1.00005f), arrSquare, 4));
        QVERIFY(IsPointInPolygon(PointF(-0.00005f, 1.00005f), arrSquare, 4));
        QVERIFY(!IsPointInPolygon(PointF(-0.00005f, 1.0002f), arrSquare, 4));
    }

    void overlapRatio()
    {
        // Identical, nested around, and a flat reference (no area: the previous ratio stays).
        const Triangle unit {PointF(0, 0), PointF(1, 0), PointF(0, 1)};
        const struct
        {
            Triangle a, b;
            float fRatio;
        } arrCases[] = {{unit, unit, 1.0f},
            {{PointF(0.1f, 0.1f), PointF(0.4f, 0.1f), PointF(0.1f, 0.4f)}, unit, 0.09f},
            {unit, {PointF(0, 0), PointF(0.5f, 0), PointF(1, 0)}, 0.25f}};
        for (const auto& c : arrCases) {
            float fResult = 0.25f;
            QVERIFY(CTriangleOverlap().CalcOverlapRatio(c.a.data(), c.b.data(), fResult));
            QVERIFY2(std::fabs(fResult - c.fRatio) < 1e-5f, qPrintable(QString::number(fResult)));
        }
    }

    void randomTrianglesMatchPolygonClipping()
    {
        std::mt19937 rng(4711);
        std::uniform_real_distribution<float> coord(0.0f, 1.0f);
        CTriangleOverlap overlap;
        int nChecked = 0;
        for (int nCase = 0; nCase < 3000; ++nCase) {
            PointF arrA[3], arrB[3];
            QPolygonF polygonA, polygonB;
            for (int i = 0; i < 3; ++i) {
                polygonA << (arrA[i] = PointF(coord(rng), coord(rng))).ToQPointF();
                polygonB << (arrB[i] = PointF(coord(rng), coord(rng))).ToQPointF();
            }
            const double dAreaA = ShoelaceArea(polygonA), dAreaB = ShoelaceArea(polygonB);
            if (dAreaA < 0.01 || dAreaB < 0.01)
                continue; // slivers are dominated by float rounding
            ++nChecked;
            float fRatio = -1.0f; // the share of B that A covers
            overlap.CalcOverlapRatio(arrA, arrB, fRatio);
            QVERIFY2(std::fabs(fRatio * dAreaB - ShoelaceArea(polygonA.intersected(polygonB))) < 1e-4,
                qPrintable(QString::number(nCase)));
        }
        QVERIFY(nChecked > 1000);
    }
};

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
