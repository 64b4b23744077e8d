#include "LineEx.h"

#include <QPolygonF>
#include <QtTest>

#include <cmath>
#include <random>

using PointF = CPointEx<float>;

class TestLineEx : public QObject
{
    Q_OBJECT

private slots:
    void LinesAndSlopes();
    void FootDistanceAndSides();
    void LeastSquares();
    void SegmentCrossingCases();
    void SegmentIntersectionCases();
    void PolygonVertexToleranceAndEmpty();
    void PolygonAgreesWithEvenOddFill();
};

void TestLineEx::LinesAndSlopes()
{
    const CLineEx diagonal = LineThroughPoints(PointF(0, 0), PointF(1, 1)); // x − y = 0 up to sign
    const CLineEx antiDiagonal {1.0f, 1.0f, -2.0f};
    const PointF ptMeet = IntersectLines(diagonal, antiDiagonal);
    QCOMPARE(ptMeet.x, 1.0f);
    QCOMPARE(ptMeet.y, 1.0f);

    const PointF ptFar = IntersectLines(diagonal, LineThroughPoints(PointF(0, 1), PointF(2, 3)));
    QCOMPARE(ptFar, PointF(6553600000.0f, 6553600000.0f));

    QCOMPARE(LineSlope(CLineEx {1.0f, 0.0f, -3.0f}), 3.4028235e38f);
    QCOMPARE(SegmentSlope(PointF(2, 0), PointF(2, 7)), 3.4028235e38f);
    QCOMPARE(SegmentSlope(PointF(0, 1), PointF(2, 0)), -0.5f);
    QCOMPARE(LineSlope(antiDiagonal), -1.0f);

    const CLineEx vertical = LineFromSlopeOrVertical(FLT_MAX, PointF(2, 5));
    QCOMPARE(vertical.a, 1.0f);
    QCOMPARE(vertical.b, 0.0f);
    QCOMPARE(vertical.c, -2.0f);
    const CLineEx steep = LineFromSlope(PointF(2, 5), FLT_MAX);
    QCOMPARE(steep.a, -FLT_MAX);
    QCOMPARE(steep.b, 1.0f);

    const CLineEx sloped = LineFromSlopeOrVertical(2.0f, PointF(1, 1)); // y = 2x − 1
    QCOMPARE(LineYAtX(sloped, 3.0f), 5.0f);
    QCOMPARE(LineXAtY(sloped, 5.0f), 3.0f);
}

void TestLineEx::FootDistanceAndSides()
{
    const CLineEx line = LineThroughPoints(PointF(1, 0), PointF(0, 1));
    const PointF ptFoot = PerpendicularFoot(line, PointF(1, 1));
    QCOMPARE(ptFoot.x, 0.5f);
    QCOMPARE(ptFoot.y, 0.5f);
    QCOMPARE(PointLineDistance(line, PointF(1, 1)), std::sqrt(0.5f));

    QVERIFY(SameSideOfLine(line, PointF(1, 1), PointF(2, 0)));
    QVERIFY(!SameSideOfLine(line, PointF(1, 1), PointF(0, 0)));
    QVERIFY(!SameSideOfLine(line, PointF(1, 1), PointF(0.5f, 0.5f))); // on the line
}

void TestLineEx::LeastSquares()
{
    const float arrX[] = {0, 1, 2, 3, 4};
    const float arrY[] = {1, 3, 5, 7, 9};
    const CLineEx fit = LeastSquaresLine(arrX, arrY, 5);
    QCOMPARE(LineSlope(fit), 2.0f);
    QCOMPARE(LineYAtX(fit, 0.0f), 1.0f);

    // Noise symmetric about y = 0.5x + 2 leaves the fit unchanged.
    const float arrNoisyX[] = {0, 0, 4, 4};
    const float arrNoisyY[] = {1.5f, 2.5f, 3.5f, 4.5f};
    const CLineEx noisyFit = LeastSquaresLine(arrNoisyX, arrNoisyY, 4);
    QCOMPARE(LineSlope(noisyFit), 0.5f);
    QCOMPARE(LineYAtX(noisyFit, 2.0f), 3.0f);
}

void TestLineEx::SegmentCrossingCases()
{
    // X shape.
    QVERIFY(SegmentsCross(PointF(0, 0), PointF(1, 1), PointF(0, 1), PointF(1, 0)));
    // T junction: one end exactly on the other's middle, the other end clearly off.
    QVERIFY(!SegmentsCross(PointF(0, 0), PointF(2, 0), PointF(1, 0), PointF(1, 1)));
    // Both ends on one side.
    QVERIFY(!SegmentsCross(PointF(0, 0), PointF(2, 0), PointF(0, 1), PointF(2, 1)));
    // Collinear overlapping segments count as crossing.
    QVERIFY(SegmentsCross(PointF(0, 0), PointF(2, 0), PointF(1, 0), PointF(3, 0)));
    // Lines cross but the second segment stops short of the first.
    QVERIFY(!SegmentsCross(PointF(0, 0), PointF(2, 0), PointF(1, 0.5f), PointF(1, 2)));

    QVERIFY(SegmentBoxesOverlap(PointF(0, 0), PointF(1, 1), PointF(1, 1), PointF(2, 3))); // touching corners
    QVERIFY(!SegmentBoxesOverlap(PointF(0, 0), PointF(1, 1), PointF(1.5f, 0), PointF(2, 1)));
    QVERIFY(!SegmentBoxesOverlap(PointF(0, 0), PointF(1, 1), PointF(0, 1.5f), PointF(1, 2)));
}

void TestLineEx::SegmentIntersectionCases()
{
    float fX = -1.0f, fY = -1.0f;
    QVERIFY(SegmentIntersection(PointF(0, 0), PointF(1, 1), PointF(0, 1), PointF(1, 0), fX, fY));
    QCOMPARE(fX, 0.5f);
    QCOMPARE(fY, 0.5f);

    QVERIFY(SegmentIntersection(PointF(0, 0), PointF(4, 2), PointF(3, 0), PointF(3, 5), fX, fY));
    QCOMPARE(fX, 3.0f);
    QCOMPARE(fY, 1.5f);

    fX = fY = -1.0f;
    QVERIFY(!SegmentIntersection(PointF(0, 0), PointF(1, 1), PointF(0, 0), PointF(1, 1), fX, fY));
    QVERIFY(!SegmentIntersection(PointF(0, 0), PointF(1, 1), PointF(1, 1), PointF(0, 0), fX, fY));
    // Collinear overlap passes the crossing test but has no single crossing point.
    QVERIFY(!SegmentIntersection(PointF(0, 0), PointF(2, 0), PointF(1, 0), PointF(3, 0), fX, fY));
    QVERIFY(!SegmentIntersection(PointF(0, 0), PointF(1, 0), PointF(2, 0), PointF(2, 1), fX, fY));
    QCOMPARE(fX, -1.0f);
    QCOMPARE(fY, -1.0f);
}

void TestLineEx::PolygonVertexToleranceAndEmpty()
{
    const PointF arrSquare[] = {PointF(0, 0), PointF(1, 0), PointF(1, 1), PointF(0, 1)};
    QVERIFY(!IsPointInPolygon(PointF(0.5f, 0.5f), arrSquare, 0));
    QVERIFY(IsPointInPolygon(PointF(0.5f, 0.5f), arrSquare, 4));
    QVERIFY(!IsPointInPolygon(PointF(1.5f, 0.5f), arrSquare, 4));

    // Just outside a corner, but within the tolerance in both x and y.
    QVERIFY(!IsPointInPolygonEvenOdd(PointF(-0.00005f, 1.00005f), arrSquare, 4));
    QVERIFY(IsPointInPolygon(PointF(-0.00005f, 1.00005f), arrSquare, 4));
    // Within the tolerance in x only.
    QVERIFY(!IsPointInPolygon(PointF(-0.00005f, 1.0002f), arrSquare, 4));
    // A single vertex is a polygon that only its neighbourhood is inside.
    QVERIFY(IsPointInPolygon(PointF(0.00009f, 0.0f), arrSquare, 1));
    QVERIFY(!IsPointInPolygon(PointF(0.0002f, 0.0f), arrSquare, 1));
}

// Distance from pt to segment ab, in double.
static double SegmentDistance(const QPointF& pt, const QPointF& ptA, const QPointF& ptB)
{
    const QPointF ptDir = ptB - ptA;
    const double dLength2 = QPointF::dotProduct(ptDir, ptDir);
    const double dT = dLength2 > 0 ? qBound(0.0, QPointF::dotProduct(pt - ptA, ptDir) / dLength2, 1.0) : 0.0;
    const QPointF ptNear = ptA + dT * ptDir;
    return std::hypot(pt.x() - ptNear.x(), pt.y() - ptNear.y());
}

void TestLineEx::PolygonAgreesWithEvenOddFill()
{
    std::mt19937 rng(20261205);
    std::uniform_real_distribution<float> coord(0.0f, 1.0f);
    std::uniform_int_distribution<int> count(3, 9);
    int nCompared = 0;
    for (int nPolygon = 0; nPolygon < 500; ++nPolygon) {
        // Random (often self-intersecting) polygons exercise the even-odd rule.
        QVector<PointF> vecVertices(count(rng));
        QPolygonF polygon;
        for (PointF& pt : vecVertices) {
            pt = PointF(coord(rng), coord(rng));
            polygon << pt.ToQPointF();
        }
        for (int nPoint = 0; nPoint < 20; ++nPoint) {
            const PointF pt(coord(rng), coord(rng));
            double dNearest = 1.0;
            for (int i = 0; i < polygon.size(); ++i)
                dNearest = std::min(
                    dNearest, SegmentDistance(pt.ToQPointF(), polygon[i], polygon[(i + 1) % polygon.size()]));
            if (dNearest < 1e-3)
                continue;
            ++nCompared;
            QCOMPARE(IsPointInPolygon(pt, vecVertices.constData(), vecVertices.size()),
                polygon.containsPoint(pt.ToQPointF(), Qt::OddEvenFill));
        }
    }
    QVERIFY(nCompared > 9000);
}

QTEST_APPLESS_MAIN(TestLineEx)
#include "tst_lineex.moc"
