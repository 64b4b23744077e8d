#include "LineEx.h"

#include <QPolygonF>
#include <QtTest>

#include <random>

using PointF = CPointEx<float>;
Q_DECLARE_METATYPE(CPointEx<float>)

class TestLineEx : public QObject
{
    Q_OBJECT

private slots:
    void LinesAndSlopes()
    {
        const CLineEx diagonal = LineThroughPoints(PointF(0, 0), PointF(1, 1));
        QCOMPARE(IntersectLines(diagonal, CLineEx {1.0f, 1.0f, -2.0f}), PointF(1, 1));
        // Parallel lines meet at the sentinel, not at infinity.
        QCOMPARE(IntersectLines(diagonal, LineThroughPoints(PointF(0, 1), PointF(2, 3))),
            PointF(6553600000.0f, 6553600000.0f));
        QCOMPARE(LineSlope(CLineEx {1.0f, 0.0f, -3.0f}), FLT_MAX);
        QCOMPARE(SegmentSlope(PointF(2, 0), PointF(2, 7)), FLT_MAX);
        const CLineEx vertical = LineFromSlopeOrVertical(FLT_MAX, PointF(2, 5));
        QVERIFY(vertical.a == 1.0f && vertical.b == 0.0f && vertical.c == -2.0f);
        const CLineEx sloped = LineFromSlopeOrVertical(2.0f, PointF(1, 1));
        QCOMPARE(LineYAtX(sloped, 3.0f), 5.0f);
    }

    void SegmentsCross_data()
    {
        QTest::addColumn<QVector<PointF>>("vecEnds");
        QTest::addColumn<bool>("bCross");
        QTest::addColumn<bool>("bPoint");
        QTest::newRow("X") << QVector<PointF> {{0, 0}, {1, 1}, {0, 1}, {1, 0}} << true << true;
        QTest::newRow("T junction") << QVector<PointF> {{0, 0}, {2, 0}, {1, 0}, {1, 1}} << false << false;
        QTest::newRow("one side") << QVector<PointF> {{0, 0}, {2, 0}, {0, 1}, {2, 1}} << false << false;
        // Collinear overlap crosses but has no single crossing point.
        QTest::newRow("collinear overlap")
            << QVector<PointF> {{0, 0}, {2, 0}, {1, 0}, {3, 0}} << true << false;
        QTest::newRow("stops short") << QVector<PointF> {{0, 0}, {2, 0}, {1, 0.5f}, {1, 2}} << false << false;
    }

    void SegmentsCross()
    {
        QFETCH(QVector<PointF>, vecEnds);
        QFETCH(bool, bCross);
        QFETCH(bool, bPoint);
        QCOMPARE(::SegmentsCross(vecEnds[0], vecEnds[1], vecEnds[2], vecEnds[3]), bCross);
        float fX = -1.0f, fY = -1.0f;
        QCOMPARE(SegmentIntersection(vecEnds[0], vecEnds[1], vecEnds[2], vecEnds[3], fX, fY), bPoint);
        QVERIFY(bPoint ? fX == 0.5f && fY == 0.5f : fX == -1.0f && fY == -1.0f);
    }

    void VertexTolerance()
    {
        const PointF arrSquare[] = {PointF(0, 0), PointF(1, 0), PointF(1, 1), PointF(0, 1)};
        QVERIFY(!IsPointInPolygon(PointF(0.5f, 0.5f), arrSquare, 0));
        // Just outside a corner, within the tolerance in both x and y, then in x only.
        QVERIFY(!IsPointInPolygonEvenOdd(PointF(-0.00005f, 1.00005f), arrSquare, 4));
        QVERIFY(IsPointInPolygon(PointF(-0.00005f, 1.00005f), arrSquare, 4));
        QVERIFY(!IsPointInPolygon(PointF(-0.00005f, 1.0002f), arrSquare, 4));
    }

    void PolygonAgreesWithEvenOddFill()
    {
        std::mt19937 rng(20261205);
        std::uniform_real_distribution<float> coord(0.0f, 1.0f);
        std::uniform_int_distribution<int> count(3, 9);
        int nCompared = 0;
        for (int nPolygon = 0; nPolygon < 500; ++nPolygon) {
            // Often self-intersecting: exercises the even-odd rule.
            QVector<PointF> vecVertices(count(rng));
            QPolygonF polygon;
            for (PointF& pt : vecVertices)
                polygon << (pt = PointF(coord(rng), coord(rng))).ToQPointF();
            for (int nPoint = 0; nPoint < 20; ++nPoint) {
                const PointF pt(coord(rng), coord(rng));
                // Compare only away from edges: nudges of 1e-3 must not change the answer.
                const QPointF ptQ = pt.ToQPointF();
                const bool bInside = polygon.containsPoint(ptQ, Qt::OddEvenFill);
                bool bClear = true;
                for (const QPointF& ptNudge :
                    {QPointF(1e-3, 0), QPointF(-1e-3, 0), QPointF(0, 1e-3), QPointF(0, -1e-3)})
                    bClear = bClear && polygon.containsPoint(ptQ + ptNudge, Qt::OddEvenFill) == bInside;
                if (!bClear)
                    continue;
                ++nCompared;
                QCOMPARE(IsPointInPolygon(pt, vecVertices.constData(), vecVertices.size()), bInside);
            }
        }
        QVERIFY(nCompared > 9000);
    }
};

QTEST_APPLESS_MAIN(TestLineEx)
#include "tst_lineex.moc"
