#include "CIE1931Observer.h"
#include "ChromaGamutInterpolation.h"
#include "Polygon.h"

#include <QtTest>

#include <cmath>
#include <random>

static const CPolygon g_triangle(QVector<QPointF> {{0, 0}, {1, 0}, {0, 1}});
static const CPolygon g_square(QVector<QPointF> {{0, 0}, {2, 0}, {2, 2}, {0, 2}});

class TestPolygon : public QObject
{
    Q_OBJECT

private slots:
    void PullIn()
    {
        const double dExpected = 0.5 - 0.00001 / std::sqrt(2.0);
        QPointF pt(1, 1);
        QVERIFY(g_triangle.GetPointCloser(&pt) && QLineF(pt, QPointF(dExpected, dExpected)).length() < 1e-7);
        pt = QPointF(0.2, 0.2); // inside points stay where they are
        QVERIFY(g_triangle.GetPointCloser(&pt) && pt == QPointF(0.2, 0.2));
        // The foot (1, 0) lies straight below the centroid (1, 1): it is kept as it is.
        pt = QPointF(1, -1);
        QVERIFY(g_square.GetPointCloser2Convex(&pt) && pt == QPointF(1, 0));
        // A non-convex arrow takes the nearest-point route, into its notch.
        const CPolygon arrow(QVector<QPointF> {{0, 0}, {2, 1}, {4, 0}, {2, 3}});
        QVERIFY(!arrow.IsConvex() && g_square.IsConvex());
        pt = QPointF(2, 0.5);
        QVERIFY(arrow.GetPointCloser(&pt) && QLineF(pt, QPointF(1.8, 0.9)).length() < 1e-4);

        // Random outside points and triangles: pulled in, they land inside.
        std::mt19937 rng(31337);
        std::uniform_real_distribution<double> coord(0.0, 0.8), outer(-0.5, 1.3);
        int nMoved = 0;
        for (int nCase = 0; nCase < 4000; ++nCase) {
            QPolygonF triangle(
                {{coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}});
            const QPointF ptAB = triangle[1] - triangle[0], ptAC = triangle[2] - triangle[0];
            QPointF pt(outer(rng), outer(rng));
            // Slivers thinner than the inward step are skipped.
            if (std::fabs(ptAB.x() * ptAC.y() - ptAB.y() * ptAC.x()) < 0.02
                || triangle.containsPoint(pt, Qt::WindingFill) || !CPolygon(triangle).GetPointCloser(&pt))
                continue;
            ++nMoved;
            QVERIFY2(triangle.containsPoint(pt, Qt::WindingFill), qPrintable(QString::number(nCase)));
        }
        QVERIFY(nMoved > 2000);
    }

    void GrahamScan()
    {
        const auto fnScan = [](const QVector<QPointF>& vecPoints) {
            CPolygon polygon(vecPoints);
            polygon.GrahamScan();
            return polygon.GetPolygon();
        };
        // An inner point goes; a point on the edge from the pivot stays.
        QCOMPARE(fnScan({{0, 1}, {1, 1}, {0.5, 0.5}, {1, 0}, {0, 0}}),
            QPolygonF({{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
        QCOMPARE(fnScan({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0}}),
            QPolygonF({{0, 0}, {0.5, 0}, {1, 0}, {1, 1}, {0, 1}}));
        // Several points on the ray of smallest angle: the stack must not underflow.
        QCOMPARE(fnScan({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 1}}), QPolygonF({{0, 0}, {3, 0}, {1, 1}}));

        // The spectral locus: its hull from the lowest point round, every locus point on or inside it.
        CMatrix<double> matrix(g_nCIE1931ObserverRows, g_nCIE1931ObserverCols);
        FillCIE1931Observer(matrix);
        QMap<int, QPointF> mapLocus; // wavelength -> chromaticity, in float like the hull
        for (int nRow = 0; nRow < g_nCIE1931ObserverRows; ++nRow) {
            const float fX = float(matrix[nRow][1]), fY = float(matrix[nRow][2]), fZ = float(matrix[nRow][3]);
            mapLocus.insert(int(matrix[nRow][0]), QPointF(fX / (fX + fY + fZ), fY / (fX + fY + fZ)));
        }
        CChromaGamutInterpolation locus;
        const QVector<QPointF>& vecHull = locus.GetQPointFData();
        QCOMPARE(vecHull.size(), 160);
        const int arrStart[] = {404, 403, 402, 401, 380, 360, 800, 817};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(vecHull[i], mapLocus.value(arrStart[i]));
        QCOMPARE(vecHull.last(), mapLocus.value(405));
        QCOMPARE(locus.GetData().last(), CPointEx<float>::FromQPointF(vecHull.last()));
        for (auto it = mapLocus.cbegin(); it != mapLocus.cend(); ++it)
            QVERIFY2(locus.IsPointInCIEPolygon(it.value()), qPrintable(QString::number(it.key())));
        QVERIFY(
            !locus.IsPointInCIEPolygon(QPointF(0.1, 0.1)) && !locus.IsPointInCIEPolygon(QPointF(0.7, 0.2)));
    }
};

QTEST_APPLESS_MAIN(TestPolygon)
#include "tst_polygon.moc"
