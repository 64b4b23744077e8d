#include "AssertDeath.h"
#include "CIE1931Observer.h"
#include "ChromaDiagram.h"
#include "ChromaFixture.h"
#include "ChromaGamutInterpolation.h"
#include "Polygon.h"

#include <QtTest>

#include <cstring>
#include <random>

using namespace ChromaFixture;
using Point = CPointEx<float>;

namespace {

// Zero when pt is on the line through ptFrom and ptTo.
double Cross(Point ptFrom, Point ptTo, Point pt)
{
    return double(ptTo.x - ptFrom.x) * double(pt.y - ptFrom.y)
        - double(ptTo.y - ptFrom.y) * double(pt.x - ptFrom.x);
}

bool SamePoints(const SChromaGroupInfo& info1, const SChromaGroupInfo& info2)
{
    return std::memcmp(info1.m_ptColor, info2.m_ptColor, sizeof info1.m_ptColor) == 0;
}

const SChromaGroupInfo g_sRec2020
    = Group({0.708f, 0.292f}, {0.17f, 0.797f}, {0.131f, 0.046f}, {0.3127f, 0.329f});
// The white point lies on the vertical edge red–blue.
const SChromaGroupInfo g_sWhiteOnEdge = Group({0.3f, 0.2f}, {0.5f, 0.4f}, {0.3f, 0.6f}, {0.3f, 0.4f});
const SChromaGroupInfo g_sCollinear = Group({0.2f, 0.2f}, {0.3f, 0.3f}, {0.4f, 0.4f}, {0.35f, 0.3f});

} // namespace

class TestChromaModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_diagram.SetSize(800, 600); }

    void groupOperations()
    {
        CChromaDiagram diagram;
        SChromaGroupInfo info = SRGB();
        info.m_nIndex = 9; // the key wins over the copy's own index
        QVERIFY(diagram.AddChromaGroupByIndex(5, info) && !diagram.AddChromaGroupByIndex(-1, info));
        SChromaGroupInfo* pStored = diagram.GetChromaGroupByIndex(5);
        QVERIFY(pStored && pStored->m_nIndex == 5 && !diagram.GetChromaGroupByIndex(9));
        info.m_strName = QStringLiteral("second");
        QVERIFY(!diagram.AddChromaGroupByIndex(5, info) && pStored->m_strName.isEmpty());
        // Set replaces in place, so pointers handed out stay valid; on an absent key it adds.
        QVERIFY(diagram.SetChromaGroupByIndex(5, info) && diagram.SetChromaGroupByIndex(7, info));
        QVERIFY(diagram.GetChromaGroupByIndex(5) == pStored && pStored->m_strName == info.m_strName);
        QVERIFY(!diagram.SetChromaGroupByIndex(-2, info) && !diagram.RemoveChromaGroupByIndex(4));
        QVERIFY(diagram.RemoveChromaGroupByIndex(7) && diagram.Groups().keys() == QList<int>({5}));
    }

    void setSizeAndMapping()
    {
        CChromaDiagram diagram;
        diagram.SetSize(800, 600);
        QVERIFY(diagram.MarginX() == 36.666664f && diagram.MarginY() == 30.0f && diagram.Scale() == 600.0f);
        diagram.SetSize(1024, 700);
        QVERIFY(Near(diagram.PixelToChroma(diagram.ChromaToPixel({0.31f, 0.59f})), 0.31f, 0.59f));
        QCOMPARE(diagram.ChromaToPixel({0.0f, 0.0f}), QPointF(diagram.MarginX(), 700 - diagram.MarginY()));

        const QString strMessage = AbortMessageOf([] { CChromaDiagram().SetSize(100, 500); });
        QVERIFY2(strMessage.contains("ASSERT: \"nWidth > 100 && nHeight > 100\""), qPrintable(strMessage));
        QVERIFY(AbortMessageOf([] { CChromaDiagram().SetSize(101, 101); }).isEmpty());
    }

    void dragCorrections()
    {
        // Left of the diagram is the same drag as onto its left edge.
        const double dY = m_diagram.ChromaToPixel({0.0f, 0.2f}).y();
        SChromaGroupInfo* pLeft = Drag(SRGB(), 2, {0.15f, 0.06f});
        QVERIFY(m_diagram.CalcCurrentPoint(QPointF(-40.0, dY), pLeft));
        const Point ptLeft = pLeft->m_ptColor[2];
        *pLeft = SRGB();
        QVERIFY(m_diagram.CalcCurrentPoint(QPointF(m_diagram.MarginX(), dY), pLeft));
        QCOMPARE(pLeft->m_ptColor[2], ptLeft);

        // Beyond the locus: onto the ray from the white point, just inside.
        const Point ptTarget = m_diagram.PixelToChroma(m_diagram.ChromaToPixel({0.05f, 0.88f}));
        const Point ptGreen = Drag(SRGB(), 1, ptTarget)->m_ptColor[1];
        const Point ptWhite = SRGB().m_ptColor[3];
        QVERIFY(std::abs(Cross(ptWhite, ptTarget, ptGreen)) < 1e-6);
        QLineF ray(ptWhite.ToQPointF(), ptGreen.ToQPointF());
        ray.setLength(ray.length() + 0.0002);
        QVERIFY(m_diagram.IsInLocus(ptGreen) && !m_diagram.IsInLocus(Point::FromQPointF(ray.p2())));

        // White above the red–green edge: onto that edge, not onto a vertex.
        SChromaGroupInfo* pGroup = Drag(SRGB(), 3, {0.5f, 0.47f});
        const Point* pt = pGroup->m_ptColor;
        QVERIFY(
            IsWhiteInside(*pGroup) && PointLineDistance(LineThroughPoints(pt[0], pt[1]), pt[3]) < 0.0002f);
        QVERIFY(pt[3] != pt[0] && pt[3] != pt[1]);
        // Inside the triangle it just follows.
        QVERIFY(m_diagram.CalcCurrentPoint(m_diagram.ChromaToPixel({0.3f, 0.3f}), pGroup));
        QVERIFY(Near(pt[3], 0.3, 0.3, 1e-5));
        // Within 0.0001 of a vertex: exactly onto it.
        pGroup
            = Drag(Group({0.6f, 0.35f}, {0.25f, 0.65f}, {0.16f, 0.08f}, {0.33f, 0.35f}), 3, {0.603f, 0.353f});
        QCOMPARE(pGroup->m_ptColor[3], pGroup->m_ptColor[0]);

        // White outside the locus: the way to a point below the line of purples
        // crosses nothing, so the raw point goes on, and ends inside.
        const SChromaGroupInfo info = Group({0.8f, 0.0f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.7f, 0.1f});
        const Point ptBlue = Drag(info, 2, {0.6f, 0.02f})->m_ptColor[2];
        QVERIFY(m_diagram.IsInLocus(ptBlue) && ptBlue.x > info.m_ptColor[2].x);
        QVERIFY(std::abs(Cross(info.m_ptColor[2], {0.6f, 0.02f}, ptBlue)) < 1e-5);
        // The host rejects the step, but its nearest point is no number: the corrected point stays.
        m_diagram.SetNearstPoint(QPointF(qQNaN(), 0.5));
        m_diagram.FinishDrag(false);
        QCOMPARE(m_diagram.GetChromaGroupByIndex(0)->m_ptColor[2], ptBlue);
    }

    void degenerateGroups()
    {
        // The vertex opposite a white point on an edge: the bisector has no length.
        int nMoved = 0;
        for (float fX = 0.0f; fX <= 0.8f; fX += 0.05f) {
            for (float fY = 0.0f; fY <= 0.9f; fY += 0.05f) {
                const SChromaGroupInfo* pGroup = Drag(g_sWhiteOnEdge, 1, {fX, fY});
                const bool bMoved = !SamePoints(*pGroup, g_sWhiteOnEdge);
                nMoved += bMoved;
                QCOMPARE(m_bLastDrag, bMoved); // a refusal says so
                QVERIFY2(!bMoved || (m_diagram.IsInLocus(pGroup->m_ptColor[1]) && IsWhiteInside(*pGroup)),
                    qPrintable(QString("%1, %2").arg(fX).arg(fY)));
            }
        }
        QVERIFY(nMoved > 100); // not by refusing everything

        // Collinear: a colour point pulled off the line encloses the white point;
        // the white point has nothing to be pulled into, but its refusal still
        // keeps the clamped colour points. Indices out of range change nothing.
        SChromaGroupInfo sLine = g_sCollinear;
        sLine.m_ptColor[0] = {-0.1f, -0.1f};
        SChromaGroupInfo sClamped = g_sCollinear;
        sClamped.m_ptColor[0] = {0.0f, 0.0f};
        for (int nPoint : {-100000000, -1, 0, 1, 2, 3, 4}) {
            SChromaGroupInfo work = sLine;
            const bool bCorrected = m_diagram.ReCalRGB(&work, nPoint);
            QCOMPARE(bCorrected, nPoint >= 0 && nPoint < 3);
            QCOMPARE(m_diagram.IsPointInRegion(&work, nPoint), bCorrected);
            QVERIFY(bCorrected || SamePoints(work, nPoint == 3 ? sClamped : sLine));
        }
    }

    void reCalculations()
    {
        // The edge midpoints of sRGB, with the white point outside the locus: group untouched.
        SChromaGroupInfo info = Group({0.225f, 0.33f}, {0.395f, 0.195f}, {0.47f, 0.465f}, {0.1f, 0.1f});
        const SChromaGroupInfo before = info;
        QVERIFY(!m_diagram.ReCalCMY(&info) && SamePoints(before, info));
        // With the sRGB white point these secondaries of sRGB come back unchanged.
        info.m_ptColor[3] = {0.3127f, 0.329f};
        QVERIFY(m_diagram.ReCalCMY(&info));
        for (int i = 0; i < 3; ++i)
            QVERIFY(Near(info.m_ptColor[i], before.m_ptColor[i].x, before.m_ptColor[i].y));

        // ReCalRGB clamps negatives, and keeps them clamped when it refuses a white point outside the locus.
        info = SRGB();
        info.m_ptColor[1] = {-0.05f, 0.6f};
        info.m_ptColor[2] = {0.15f, -0.01f};
        info.m_ptColor[3] = {0.1f, 0.1f};
        QVERIFY(!m_diagram.ReCalRGB(&info, 3));
        QVERIFY(info.m_ptColor[1] == Point(0.0f, 0.6f) && info.m_ptColor[2] == Point(0.15f, 0.0f));
        QVERIFY(info.m_ptColor[3] == Point(0.1f, 0.1f));

        // Green far beyond the locus: pulled onto it, inside, the white point still enclosed.
        info = SRGB();
        info.m_ptColor[1] = {0.05f, 0.95f};
        QVERIFY(m_diagram.ReCalRGB(&info, 1) && m_diagram.IsPointInRegion(&info, 1));
    }

    void searches()
    {
        const double dStep = 0.0001 / std::sqrt(2.0);
        Point ptOut;
        // Each side of the bisector lands on its own edge line, 0.0001 past it.
        const Point ptWhite(0.33f, 0.33f), ptRight(0.5f, 0.33f), ptUp(0.33f, 0.5f);
        QVERIFY(m_diagram.GetNearestPoint(ptWhite, {0.2f, 0.4f}, ptRight, ptUp));
        QVERIFY(Near(Point::FromQPointF(m_diagram.NearestPoint()), 0.13 - dStep, 0.33 - dStep));
        QVERIFY(m_diagram.GetNearestPoint(ptWhite, {0.4f, 0.25f}, ptRight, ptUp));
        QVERIFY(Near(Point::FromQPointF(m_diagram.NearestPoint()), 0.33 - dStep, 0.18 - dStep));
        QVERIFY(CChromaDiagram::GetNearestPoint2(ptWhite, {0.2f, 0.4f}, ptRight, ptUp, ptOut));
        QVERIFY(Near(ptOut, 0.13 - dStep, 0.33 - dStep));

        // The nudge: 0.0001 away from the other point; a vertical pair is left alone.
        const auto fnStep = [](QPointF pt, QPointF ptTowards) {
            CChromaDiagram::AddFloatExcursion(pt, ptTowards);
            return Point::FromQPointF(pt);
        };
        QVERIFY(Near(fnStep({0.3, 0.3}, {0.4, 0.3}), 0.2999, 0.3, 1e-7));
        QVERIFY(Near(fnStep({0.5, 0.5}, {0.4, 0.4}), 0.5 + dStep, 0.5 + dStep, 1e-7));
        QVERIFY(Near(fnStep({0.3, 0.3}, {0.3, 0.7}), 0.3, 0.3, 1e-7));
        // A way that crosses no edge leaves the answer alone.
        ptOut = Point(7, 7);
        QVERIFY(
            !CChromaDiagram::GetCIEIntersection(m_diagram.LocusPoints(), {0.3f, 0.3f}, {0.4f, 0.4f}, ptOut));
        QCOMPARE(ptOut, Point(7, 7));
        // Across both arms of a U: the crossing on the later edge, nudged back towards the start.
        const QList<Point> listU = {{0, 0}, {4, 0}, {4, 3}, {3, 3}, {3, 1}, {1, 1}, {1, 3}, {0, 3}};
        QVERIFY(CChromaDiagram::GetCIEIntersection(listU, {3.5f, 2}, {0.5f, 2}, ptOut));
        QVERIFY(Near(ptOut, 1.0001, 2));

        // A triangle around the white point that stops short of green: the first
        // variant aims from the white point, the second from the region's centroid.
        const Point arrRegion[3] = {{0.2f, 0.2f}, {0.5f, 0.2f}, {0.3f, 0.5f}};
        const QList<Point> listRegion = {arrRegion[0], arrRegion[1], arrRegion[2]};
        Drag(SRGB(), 1, {0.3f, 0.6f});
        Point pt(0.9f, 0.9f), pt2(0.9f, 0.9f);
        m_diagram.GetFeasibleRegionNearstPoint(listRegion, pt);
        QVERIFY(std::abs(Cross({0.3127f, 0.329f}, {0.3f, 0.6f}, pt)) < 1e-6);
        QVERIFY(IsPointInPolygon(pt, arrRegion, 3) && pt.y > 0.45f);
        m_diagram.GetFeasibleRegionNearstPoint2(listRegion, pt2);
        QVERIFY(std::abs(Cross({1.0f / 3.0f, 0.3f}, {0.3f, 0.6f}, pt2)) < 1e-5
            && IsPointInPolygon(pt2, arrRegion, 3));
    }

    void standardRecognition()
    {
        // A stale answer is replaced; 0.001 off in the white point's y is no standard.
        // sRGB and Rec709 share coordinates: the preference picks the name, paint after
        // paint. Only the lowest key is settled, and only when group 0 is asked for.
        SChromaGroupInfo sOff = g_sRec2020;
        sOff.m_ptColor[3].y += 0.001f;
        const struct
        {
            SChromaGroupInfo sGroup;
            int nGroup;
            enColorStandard enPreferred, enShown;
        } arrCases[] = {{g_sRec2020, 0, enStandardPAL, enStandardRec2020},
            {sOff, 0, enStandardPAL, enStandardNone}, {SRGB(), 0, enStandardNone, enStandardSRGB},
            {SRGB(), 0, enStandardPAL, enStandardSRGB}, {SRGB(), 0, enStandardRec709, enStandardRec709},
            {SRGB(), 20, enStandardAdobeRGB, enStandardAdobeRGB}};
        for (const auto& c : arrCases) {
            CChromaDiagram diagram;
            diagram.AddChromaGroupByIndex(10, c.sGroup);
            diagram.ShowCIEStandard(c.nGroup, c.enPreferred, true);
            diagram.CalcCIEStandardValid();
            diagram.CalcCIEStandardValid();
            QCOMPARE(diagram.ShownStandard(), c.enShown);
        }
    }

    void coverage()
    {
        // The white points take no part; the share is of the output, rounded; an
        // output without area is not covered; a coordinate that is no number has no share.
        const SChromaGroupInfo sOutput = Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.2f, 0.1f}, {0.35f, 0.33f});
        const SChromaGroupInfo sHalf = Group({0.1f, 0.1f}, {0.5f, 0.1f}, {0.1f, 0.5f}, {0.2f, 0.2f});
        const struct
        {
            SChromaGroupInfo sScreen, sOutput;
            int nRatio;
        } arrCases[] = {{Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.2f, 0.1f}, {NAN, NAN}), sOutput, 100},
            {SRGB(), g_sRec2020, 53}, {SRGB(), g_sCollinear, 0},
            {Group({0.1f, 0.1f}, {0.2f, 0.1f}, {0.1f, 0.2f}, {0.1f, 0.1f}), sOutput, 0},
            {Group({0.1f, 0.1f}, {0.5f, 0.1f}, {0.3f, 0.3f}, {0.2f, 0.2f}), sHalf, 50},
            {SRGB(), Group({0.6f, 0.3f}, {NAN, 0.6f}, {0.2f, 0.1f}, {0.3f, 0.3f}), -1},
            {Group({0.6f, 0.3f}, {0.3f, INFINITY}, {0.2f, 0.1f}, {0.3f, 0.3f}), sOutput, -1}};
        for (const auto& c : arrCases) {
            CChromaDiagram diagram;
            diagram.AddChromaGroupByIndex(g_nOutputColorSpaceKey, c.sOutput);
            QCOMPARE(diagram.CalcRatio(), -1);
            QCOMPARE(diagram.Groups().size(), 1); // looking the screen up adds no entry
            diagram.AddChromaGroupByIndex(g_nScreenColorSpaceKey, c.sScreen);
            QCOMPARE(diagram.CalcRatio(), c.nRatio);
            for (int nKey : {g_nOutputColorSpaceKey, g_nScreenColorSpaceKey}) { // either hidden: no share
                diagram.GetChromaGroupByIndex(nKey)->m_bVisible = false;
                QCOMPARE(diagram.CalcRatio(), -1);
                diagram.GetChromaGroupByIndex(nKey)->m_bVisible = true;
            }
        }
    }

    void polygonPullIn()
    {
        const CPolygon triangle(QVector<QPointF> {{0, 0}, {1, 0}, {0, 1}});
        const CPolygon square(QVector<QPointF> {{0, 0}, {2, 0}, {2, 2}, {0, 2}});
        QPointF pt(0.2, 0.2); // inside points stay where they are
        QVERIFY(triangle.GetPointCloser(&pt) && pt == QPointF(0.2, 0.2));
        // Onto the edge crossed on the way to the centroid, 0.00001 towards it.
        pt = QPointF(1, 1);
        QVERIFY(triangle.GetPointCloser2Convex(&pt));
        QVERIFY(Near(Point::FromQPointF(pt), 0.4999929, 0.4999929, 1e-7));
        // No edge crossed: a flat polygon, or none at all.
        for (const CPolygon& polygon : {CPolygon(QVector<QPointF> {{0, 0}, {1, 0}, {2, 0}}), CPolygon()}) {
            pt = QPointF(1, 1);
            QVERIFY(!polygon.GetPointCloser2Convex(&pt) && pt == QPointF(1, 1));
        }
        // Too few points, or a first turn of none, never count as concave.
        QVERIFY(CPolygon(QVector<QPointF> {{0, 0}, {1, 1}}).IsConvex());
        QVERIFY(CPolygon(QVector<QPointF> {{0, 0}, {1, 0}, {2, 0}, {2, 2}, {1, 0.5}, {0, 2}}).IsConvex());
        // A non-convex arrow takes the nearest-point route, into its notch.
        const CPolygon arrow(QVector<QPointF> {{0, 0}, {2, 1}, {4, 0}, {2, 3}});
        pt = QPointF(2, 0.5);
        QVERIFY(!arrow.IsConvex() && square.IsConvex());
        QVERIFY(arrow.GetPointCloser(&pt) && QLineF(pt, QPointF(1.8, 0.9)).length() < 1e-4);
        // Random outside points and triangles: pulled in, they land inside.
        std::mt19937 rng(31337);
        std::uniform_real_distribution<double> coord(0.0, 0.8), outer(-0.5, 1.3);
        int nMoved = 0;
        for (int nCase = 0; nCase < 4000; ++nCase) {
            QPolygonF polygon({{coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}});
            const QPointF ptAB = polygon[1] - polygon[0], ptAC = polygon[2] - polygon[0];
            QPointF ptOutside(outer(rng), outer(rng));
            // Slivers thinner than the inward step are skipped.
            if (std::fabs(ptAB.x() * ptAC.y() - ptAB.y() * ptAC.x()) < 0.02
                || polygon.containsPoint(ptOutside, Qt::WindingFill)
                || !CPolygon(polygon).GetPointCloser(&ptOutside))
                continue;
            ++nMoved;
            QVERIFY2(polygon.containsPoint(ptOutside, Qt::WindingFill), qPrintable(QString::number(nCase)));
        }
        QVERIFY(nMoved > 2000);
    }

    void grahamScanAndTheLocusHull()
    {
        const auto fnScan = [](const QVector<QPointF>& vecPoints) {
            CPolygon polygon(vecPoints);
            polygon.GrahamScan();
            return polygon.GetPolygon();
        };
        // An inner point goes, and so does one in the middle of a later edge; one
        // between the pivot and the next corner enters the stack unchecked and stays.
        const QPolygonF square({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
        QCOMPARE(fnScan({{0, 1}, {1, 1}, {0.5, 0.5}, {1, 0}, {0, 0}}), square);
        QCOMPARE(fnScan({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {1, 0.5}}), square);
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

private:
    // Adds info as group 0, presses on its point nPoint and drags that to ptTarget.
    SChromaGroupInfo* Drag(const SChromaGroupInfo& info, int nPoint, Point ptTarget)
    {
        m_diagram.ReleaseChromaData();
        m_diagram.AddChromaGroupByIndex(0, info);
        SChromaGroupInfo* pGroup = m_diagram.GetChromaGroupByIndex(0);
        m_diagram.Press(m_diagram.ChromaToPixel(info.m_ptColor[nPoint]).toPoint());
        Q_ASSERT(m_diagram.CurPoint() == nPoint);
        m_bLastDrag = m_diagram.CalcCurrentPoint(m_diagram.ChromaToPixel(ptTarget), pGroup);
        return pGroup;
    }

    CChromaDiagram m_diagram;
    bool m_bLastDrag = false;
};

QTEST_GUILESS_MAIN(TestChromaModel)
#include "tst_chroma_model.moc"
