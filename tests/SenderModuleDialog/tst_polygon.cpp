#include "Polygon.h"

#include <QtTest>

#include <cmath>
#include <random>

class TestPolygon : public QObject
{
    Q_OBJECT

private slots:
    void Convexity();
    void InsidePointsStay();
    void TrianglePullIn();
    void VerticalStepIsNoStep();
    void ConvexAndConcaveAnswers();
    void GrahamScanSquares();
    void GrahamScanCollinearStart();
    void RandomPullInLandsInside();
};

static bool Near(const QPointF& pt1, const QPointF& pt2, double dTolerance = 1e-7)
{
    return std::fabs(pt1.x() - pt2.x()) < dTolerance && std::fabs(pt1.y() - pt2.y()) < dTolerance;
}

static const QVector<QPointF> g_vecTriangle = {{0, 0}, {1, 0}, {0, 1}};
static const QVector<QPointF> g_vecSquare2 = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};

void TestPolygon::Convexity()
{
    QVERIFY(CPolygon(g_vecTriangle).IsConvex());
    QVERIFY(CPolygon(QVector<QPointF> {{0, 0}, {1, 5}}).IsConvex());
    QVERIFY(CPolygon(g_vecSquare2).IsConvex());
    const QVector<QPointF> vecArrow = {{0, 0}, {2, 1}, {4, 0}, {2, 3}};
    QVERIFY(!CPolygon(vecArrow).IsConvex());
    // A zero first turn disables the test.
    QVERIFY(CPolygon(QVector<QPointF> {{0, 0}, {1, 0}, {2, 0}, {2, 2}, {1, 0.5}, {0, 2}}).IsConvex());
}

void TestPolygon::InsidePointsStay()
{
    const CPolygon triangle(g_vecTriangle);
    for (const QPointF& ptStart : {QPointF(0.2, 0.2), QPointF(0.5, 0)}) {
        QPointF pt = ptStart;
        QVERIFY(triangle.GetPointCloser2Convex(&pt));
        QCOMPARE(pt, ptStart);
        QVERIFY(triangle.GetPointCloser2Concave(&pt));
        QCOMPARE(pt, ptStart);
        QVERIFY(triangle.GetPointCloser(&pt));
        QCOMPARE(pt, ptStart);
    }
}

void TestPolygon::TrianglePullIn()
{
    const CPolygon triangle(g_vecTriangle);
    const double dExpected = 0.5 - 0.00001 / std::sqrt(2.0);
    QPointF pt(1, 1);
    QVERIFY(triangle.GetPointCloser2Convex(&pt));
    QVERIFY(Near(pt, QPointF(dExpected, dExpected)));
    QVERIFY(triangle.GetPolygon().containsPoint(pt, Qt::WindingFill));

    pt = QPointF(1, 1);
    QVERIFY(triangle.GetPointCloser(&pt));
    QVERIFY(Near(pt, QPointF(dExpected, dExpected)));

    // Beyond the end of the hypotenuse the foot is off the edge, so the nearer corner is used.
    pt = QPointF(2, 0.1);
    QVERIFY(triangle.GetPointCloser2Convex(&pt));
    QVERIFY(Near(pt, triangle.MakePointCloser(QPointF(1, 0), QPointF(1.0 / 3, 1.0 / 3))));
    QVERIFY(pt.x() < 1.0 && pt.y() > 0.0);
}

void TestPolygon::VerticalStepIsNoStep()
{
    const CPolygon triangle(g_vecTriangle);
    QCOMPARE(triangle.MakePointCloser(QPointF(0.5, 2), QPointF(0.5, 0)), QPointF(0.5, 2));
    const QPointF ptStep = triangle.MakePointCloser(QPointF(0, 0), QPointF(-3, -4));
    QVERIFY(Near(ptStep, QPointF(-0.000006, -0.000008), 1e-11));

    // The foot (1, 0) lies straight below the centroid (1, 1): it is kept as it is.
    const CPolygon square(g_vecSquare2);
    QPointF pt(1, -1);
    QVERIFY(square.GetPointCloser2Convex(&pt));
    QCOMPARE(pt, QPointF(1, 0));
}

void TestPolygon::ConvexAndConcaveAnswers()
{
    const CPolygon square(g_vecSquare2);
    // The way from the centroid to (3, 3) passes exactly through the corner (2, 2),
    // which touches both neighbouring edges without crossing them.
    QPointF pt(3, 3);
    QVERIFY(!square.GetPointCloser2Convex(&pt));
    QCOMPARE(pt, QPointF(3, 3));
    // The nearest-foot search compares only x: the foot (2, 3) on the line of the
    // right edge wins over the corner.
    QVERIFY(square.GetPointCloser2Concave(&pt));
    QVERIFY(Near(pt, QPointF(2, 3), 1e-4));
    QVERIFY(pt.x() < 2.0 && pt.y() < 3.0);

    // A non-convex polygon takes the nearest-point route: into the notch of an arrow.
    const CPolygon arrow(QVector<QPointF> {{0, 0}, {2, 1}, {4, 0}, {2, 3}});
    pt = QPointF(2, 0.5);
    QVERIFY(arrow.GetPointCloser(&pt));
    QVERIFY(Near(pt, QPointF(1.8, 0.9), 1e-4));
}

static QPolygonF Scan(const QVector<QPointF>& vecPoints)
{
    CPolygon polygon(vecPoints);
    polygon.GrahamScan();
    return polygon.GetPolygon();
}

void TestPolygon::GrahamScanSquares()
{
    const QPolygonF square({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    QCOMPARE(Scan({{0, 1}, {1, 1}, {0.5, 0.5}, {1, 0}, {0, 0}}), square);
    QCOMPARE(Scan({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {1, 0.5}}), square);
    QCOMPARE(Scan({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0}}),
        QPolygonF({{0, 0}, {0.5, 0}, {1, 0}, {1, 1}, {0, 1}}));

    // A polygon built from a rectangle is scanned from its own outline.
    CPolygon rect(QRectF(0, 0, 1, 1));
    rect.GrahamScan();
    QCOMPARE(rect.GetPolygon(), square);
}

void TestPolygon::GrahamScanCollinearStart()
{
    // Several points on the ray of smallest angle: the stack must not underflow.
    QCOMPARE(Scan({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 1}}), QPolygonF({{0, 0}, {3, 0}, {1, 1}}));
    QCOMPARE(Scan({{5, 5}, {1, 2}}), QPolygonF(QVector<QPointF> {{1, 2}, {5, 5}}));
}

void TestPolygon::RandomPullInLandsInside()
{
    std::mt19937 rng(31337);
    std::uniform_real_distribution<double> coord(0.0, 0.8);
    std::uniform_real_distribution<double> outer(-0.5, 1.3);
    int nMoved = 0;
    for (int nCase = 0; nCase < 4000; ++nCase) {
        QPolygonF triangle({{coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}});
        const QPointF ptAB = triangle[1] - triangle[0], ptAC = triangle[2] - triangle[0];
        if (std::fabs(ptAB.x() * ptAC.y() - ptAB.y() * ptAC.x()) < 0.02)
            continue; // slivers thinner than the inward step
        const QPointF ptStart(outer(rng), outer(rng));
        if (triangle.containsPoint(ptStart, Qt::WindingFill))
            continue;
        QPointF pt = ptStart;
        if (CPolygon(triangle).GetPointCloser(&pt)) {
            ++nMoved;
            QVERIFY2(triangle.containsPoint(pt, Qt::WindingFill), qPrintable(QString::number(nCase)));
        }
    }
    QVERIFY(nMoved > 2000);
}

QTEST_APPLESS_MAIN(TestPolygon)
#include "tst_polygon.moc"
