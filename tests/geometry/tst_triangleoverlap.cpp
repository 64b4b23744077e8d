#include "TriangleOverlap.h"

#include <QPolygonF>
#include <QtTest>

#include <cmath>
#include <random>

using PointF = CPointEx<float>;
using Triangle = std::array<PointF, 3>;
Q_DECLARE_METATYPE(Triangle)

static double ShoelaceArea(const QPolygonF& polygon)
{
    double dTwiceArea = 0.0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF &pt1 = polygon[i], &pt2 = polygon[(i + 1) % polygon.size()];
        dTwiceArea += pt1.x() * pt2.y() - pt2.x() * pt1.y();
    }
    return std::fabs(dTwiceArea) / 2.0;
}

class TestTriangleOverlap : public QObject
{
    Q_OBJECT

private slots:
    void QuadrantOrder()
    {
        CTriangleOverlap overlap;
        // On the axes: +y falls in quadrant 2, the centre itself in 3, +x in 4.
        QVERIFY(overlap.Quadrant(0, 1) == 2 && overlap.Quadrant(0, 0) == 3 && overlap.Quadrant(1, 0) == 4);
        const PointF ptCentre(0, 0), ptRight(1, 0), ptLowRight(1, -0.5f), ptUpRight(1, 0.5f);
        // Straight right sorts after all of quadrant 4.
        QVERIFY(overlap.AngleAfter(ptRight, ptLowRight, ptCentre));
        QVERIFY(!overlap.AngleAfter(ptLowRight, ptRight, ptCentre));
        QVERIFY(overlap.AngleAfter(PointF(0.5f, 1), ptUpRight, ptCentre));
    }

    void OverlapOfKnownShapes_data()
    {
        QTest::addColumn<Triangle>("a");
        QTest::addColumn<Triangle>("b");
        QTest::addColumn<float>("fRatio");
        const Triangle unit {PointF(0, 0), PointF(1, 0), PointF(0, 1)};
        const Triangle inner {PointF(0.1f, 0.1f), PointF(0.4f, 0.1f), PointF(0.1f, 0.4f)};
        QTest::newRow("identical") << unit << unit << 1.0f;
        QTest::newRow("disjoint") << unit << Triangle {PointF(2, 2), PointF(3, 2), PointF(2, 3)} << 0.0f;
        QTest::newRow("nested in") << unit << inner << 1.0f;
        QTest::newRow("nested around") << inner << unit << 0.09f;
        QTest::newRow("half") << Triangle {PointF(0, 0), PointF(0.5f, 0.5f), PointF(0, 1)} << unit << 0.5f;
        // A flat reference has no area: the previous ratio stays.
        QTest::newRow("flat") << unit << Triangle {PointF(0, 0), PointF(0.5f, 0), PointF(1, 0)} << 0.25f;
    }

    void OverlapOfKnownShapes()
    {
        QFETCH(Triangle, a);
        QFETCH(Triangle, b);
        QFETCH(float, fRatio);
        float fResult = 0.25f;
        QVERIFY(CTriangleOverlap().CalcOverlapRatio(a.data(), b.data(), fResult));
        QVERIFY2(std::fabs(fResult - fRatio) < 1e-5f, qPrintable(QString::number(fResult)));
    }

    void RandomTrianglesMatchPolygonClipping()
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
            float fRatioAB = -1.0f, fRatioBA = -1.0f;
            overlap.CalcOverlapRatio(arrA, arrB, fRatioAB);
            overlap.CalcOverlapRatio(arrB, arrA, fRatioBA);
            QVERIFY(fRatioAB >= 0.0f && fRatioAB <= 1.0f && fRatioBA >= 0.0f && fRatioBA <= 1.0f);
            // Both products are the area of the intersection.
            const double dCommon = ShoelaceArea(polygonA.intersected(polygonB));
            QVERIFY2(std::fabs(fRatioAB * dAreaB - fRatioBA * dAreaA) < 1e-4
                    && std::fabs(fRatioAB * dAreaB - dCommon) < 1e-4,
                qPrintable(QString::number(nCase)));
        }
        QVERIFY(nChecked > 1000);
    }
};

QTEST_APPLESS_MAIN(TestTriangleOverlap)
#include "tst_triangleoverlap.moc"
