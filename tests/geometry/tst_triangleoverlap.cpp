#include "TriangleOverlap.h"

#include <QPolygonF>
#include <QtTest>

#include <cmath>
#include <random>

using PointF = CPointEx<float>;

class TestTriangleOverlap : public QObject
{
    Q_OBJECT

private slots:
    void AreaAndEdges();
    void QuadrantOrder();
    void OverlapOfKnownShapes();
    void DegenerateReferenceKeepsRatio();
    void RandomTrianglesMatchPolygonClipping();
};

void TestTriangleOverlap::AreaAndEdges()
{
    CTriangleOverlap overlap;
    float fArea = -1.0f;
    QVERIFY(overlap.TriangleArea(PointF(0, 0), PointF(4, 0), PointF(0, 3), fArea));
    QCOMPARE(fArea, 6.0f);
    QVERIFY(overlap.TriangleArea(PointF(0, 0), PointF(1, 1), PointF(2, 2), fArea));
    QCOMPARE(fArea, 0.0f);

    const PointF arrTriangle[] = {PointF(0, 0), PointF(2, 0), PointF(0, 2)};
    QVERIFY(overlap.PointInTriangle(arrTriangle, PointF(1, 1))); // on the hypotenuse
    QVERIFY(overlap.PointInTriangle(arrTriangle, PointF(1, 0))); // on the bottom edge
    QVERIFY(overlap.PointInTriangle(arrTriangle, PointF(0.5f, 0.5f)));
    QVERIFY(!overlap.PointInTriangle(arrTriangle, PointF(1.2f, 1.2f)));
    QVERIFY(overlap.PointInTriangle(
        QVector<PointF> {arrTriangle[0], arrTriangle[1], arrTriangle[2]}, PointF(0.1f, 1.5f)));
}

void TestTriangleOverlap::QuadrantOrder()
{
    CTriangleOverlap overlap;
    // On the axes: +y falls in quadrant 2, the centre itself in 3, +x in 4.
    QCOMPARE(overlap.Quadrant(0, 1), 2);
    QCOMPARE(overlap.Quadrant(0, 0), 3);
    QCOMPARE(overlap.Quadrant(1, 0), 4);

    const PointF ptCentre(0, 0);
    const PointF ptRight(1, 0), ptLowRight(1, -0.5f), ptUpRight(1, 0.5f), ptLeft(-1, 0.1f);
    // Straight right of the centre falls in quadrant 4 and sorts after all of it.
    QVERIFY(overlap.AngleAfter(ptRight, ptLowRight, ptCentre));
    QVERIFY(!overlap.AngleAfter(ptLowRight, ptRight, ptCentre));
    QVERIFY(overlap.AngleAfter(ptLeft, ptUpRight, ptCentre));
    QVERIFY(!overlap.AngleAfter(ptUpRight, ptUpRight, ptCentre));
    // Within one quadrant the order is counter-clockwise.
    QVERIFY(overlap.AngleAfter(PointF(0.5f, 1), ptUpRight, ptCentre));
}

void TestTriangleOverlap::OverlapOfKnownShapes()
{
    CTriangleOverlap overlap;
    const PointF arrA[] = {PointF(0, 0), PointF(1, 0), PointF(0, 1)};
    float fRatio = -1.0f;
    QVERIFY(overlap.CalcOverlapRatio(arrA, arrA, fRatio));
    QVERIFY(std::fabs(fRatio - 1.0f) < 1e-5f);

    const PointF arrFar[] = {PointF(2, 2), PointF(3, 2), PointF(2, 3)};
    QVERIFY(overlap.CalcOverlapRatio(arrA, arrFar, fRatio));
    QCOMPARE(fRatio, 0.0f);

    const PointF arrInner[] = {PointF(0.1f, 0.1f), PointF(0.4f, 0.1f), PointF(0.1f, 0.4f)};
    QVERIFY(overlap.CalcOverlapRatio(arrA, arrInner, fRatio));
    QVERIFY(std::fabs(fRatio - 1.0f) < 1e-5f);
    QVERIFY(overlap.CalcOverlapRatio(arrInner, arrA, fRatio));
    QVERIFY(std::fabs(fRatio - 0.09f) < 1e-5f);

    // A triangle covering exactly half of A, sharing two of its corners.
    const PointF arrHalf[] = {PointF(0, 0), PointF(0.5f, 0.5f), PointF(0, 1)};
    QVERIFY(overlap.CalcOverlapRatio(arrHalf, arrA, fRatio));
    QVERIFY(std::fabs(fRatio - 0.5f) < 1e-5f);
    QVERIFY(overlap.GetPointNum() <= CTriangleOverlap::MAX_POINTS);
    QCOMPARE(overlap.GetPoints().size(), CTriangleOverlap::MAX_POINTS);
}

void TestTriangleOverlap::DegenerateReferenceKeepsRatio()
{
    CTriangleOverlap overlap;
    const PointF arrA[] = {PointF(0, 0), PointF(1, 0), PointF(0, 1)};
    const PointF arrFlat[] = {PointF(0, 0), PointF(0.5f, 0), PointF(1, 0)};
    overlap.IntersectTriangles(arrA, arrFlat);
    overlap.SortByAngle();
    float fRatio = 0.25f;
    QVERIFY(!overlap.PolygonAreaRatio(arrFlat, fRatio));
    QCOMPARE(fRatio, 0.25f);
    QVERIFY(overlap.CalcOverlapRatio(arrA, arrFlat, fRatio));
    QCOMPARE(fRatio, 0.25f);
}

static double ShoelaceArea(const QPolygonF& polygon)
{
    double dTwiceArea = 0.0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF& pt1 = polygon[i];
        const QPointF& pt2 = polygon[(i + 1) % polygon.size()];
        dTwiceArea += pt1.x() * pt2.y() - pt2.x() * pt1.y();
    }
    return std::fabs(dTwiceArea) / 2.0;
}

void TestTriangleOverlap::RandomTrianglesMatchPolygonClipping()
{
    std::mt19937 rng(4711);
    std::uniform_real_distribution<float> coord(0.0f, 1.0f);
    CTriangleOverlap overlap;
    int nChecked = 0;
    for (int nCase = 0; nCase < 3000; ++nCase) {
        PointF arrA[3], arrB[3];
        QPolygonF polygonA, polygonB;
        for (int i = 0; i < 3; ++i) {
            arrA[i] = PointF(coord(rng), coord(rng));
            arrB[i] = PointF(coord(rng), coord(rng));
            polygonA << arrA[i].ToQPointF();
            polygonB << arrB[i].ToQPointF();
        }
        const double dAreaA = ShoelaceArea(polygonA), dAreaB = ShoelaceArea(polygonB);
        if (dAreaA < 0.01 || dAreaB < 0.01)
            continue; // slivers are dominated by float rounding
        ++nChecked;
        float fRatioAB = -1.0f, fRatioBA = -1.0f;
        overlap.CalcOverlapRatio(arrA, arrB, fRatioAB);
        overlap.CalcOverlapRatio(arrB, arrA, fRatioBA);
        QVERIFY(fRatioAB >= 0.0f && fRatioAB <= 1.0f);
        QVERIFY(fRatioBA >= 0.0f && fRatioBA <= 1.0f);
        // Both products are the area of the intersection.
        const double dCommon = ShoelaceArea(polygonA.intersected(polygonB));
        QVERIFY2(std::fabs(fRatioAB * dAreaB - fRatioBA * dAreaA) < 1e-4, qPrintable(QString::number(nCase)));
        QVERIFY2(std::fabs(fRatioAB * dAreaB - dCommon) < 1e-4, qPrintable(QString::number(nCase)));
    }
    QVERIFY(nChecked > 1000);
}

QTEST_APPLESS_MAIN(TestTriangleOverlap)
#include "tst_triangleoverlap.moc"
