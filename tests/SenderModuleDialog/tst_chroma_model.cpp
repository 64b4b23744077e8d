#include "AssertDeath.h"
#include "ChromaDiagram.h"
#include "ChromaFixture.h"

#include <QtTest>

#include <cstring>

using namespace ChromaFixture;
using Point = CPointEx<float>;

namespace {

// Zero when pt is on the line through ptFrom and ptTo.
double Cross(Point ptFrom, Point ptTo, Point pt)
{
    return double(ptTo.x - ptFrom.x) * double(pt.y - ptFrom.y)
        - double(ptTo.y - ptFrom.y) * double(pt.x - ptFrom.x);
}

bool Near(Point pt, double dX, double dY, double dTolerance = 1e-6)
{
    return std::abs(pt.x - dX) < dTolerance && std::abs(pt.y - dY) < dTolerance;
}

bool SamePoints(const SChromaGroupInfo& info1, const SChromaGroupInfo& info2)
{
    return std::memcmp(info1.m_ptColor, info2.m_ptColor, sizeof info1.m_ptColor) == 0;
}

const SChromaGroupInfo g_sRec2020
    = Group({0.708f, 0.292f}, {0.17f, 0.797f}, {0.131f, 0.046f}, {0.3127f, 0.329f});
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
        QVERIFY(!m_diagram.IsInLocus(info.m_ptColor[3]) && IsWhiteInside(info));
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
                const SChromaGroupInfo* pGroup = Drag(WhiteOnVerticalEdge(), 1, {fX, fY});
                const bool bMoved = !SamePoints(*pGroup, WhiteOnVerticalEdge());
                nMoved += bMoved;
                QCOMPARE(m_bLastDrag, bMoved); // a refusal says so
                QVERIFY2(!bMoved || (m_diagram.IsInLocus(pGroup->m_ptColor[1]) && IsWhiteInside(*pGroup)),
                    qPrintable(QString("%1, %2").arg(fX).arg(fY)));
            }
        }
        QVERIFY(nMoved > 100); // not by refusing everything

        // Collinear: a colour point pulled off the line encloses the white point;
        // the white point has nothing to be pulled into. Indices out of range change nothing.
        SChromaGroupInfo sLine = g_sCollinear;
        sLine.m_ptColor[0] = {-0.1f, -0.1f}; // a correction clamps it, a refusal must not
        for (int nPoint : {-100000000, -1, 0, 1, 2, 3, 4}) {
            SChromaGroupInfo work = sLine;
            const bool bCorrected = m_diagram.ReCalRGB(&work, nPoint);
            QCOMPARE(bCorrected, nPoint >= 0 && nPoint < 3);
            QCOMPARE(m_diagram.IsPointInRegion(&work, nPoint), bCorrected);
            QVERIFY(bCorrected || SamePoints(work, sLine));
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

        info = SRGB(); // ReCalRGB clamps negatives
        info.m_ptColor[1] = {-0.05f, 0.6f};
        info.m_ptColor[2] = {0.15f, -0.01f};
        QVERIFY(m_diagram.ReCalRGB(&info, 0));
        QVERIFY(info.m_ptColor[1] == Point(0.0f, 0.6f) && info.m_ptColor[2] == Point(0.15f, 0.0f));

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

        // A triangle around the white point that stops short of green.
        const Point arrRegion[3] = {{0.2f, 0.2f}, {0.5f, 0.2f}, {0.3f, 0.5f}};
        const QList<Point> listRegion = {arrRegion[0], arrRegion[1], arrRegion[2]};
        const Point ptStart(0.9f, 0.9f);
        Drag(SRGB(), 3, {0.3127f, 0.329f}); // the white point has no feasible region
        Point pt = ptStart;
        m_diagram.GetFeasibleRegionNearstPoint(listRegion, pt);
        Drag(SRGB(), 1, {0.3f, 0.6f});
        m_diagram.GetFeasibleRegionNearstPoint(listRegion.mid(0, 2), pt); // two points make no region
        QCOMPARE(pt, ptStart);
        m_diagram.GetFeasibleRegionNearstPoint(listRegion, pt);
        QVERIFY(std::abs(Cross({0.3127f, 0.329f}, {0.3f, 0.6f}, pt)) < 1e-6);
        QVERIFY(IsPointInPolygon(pt, arrRegion, 3) && pt.y > 0.45f);
        // The second variant aims from the region's centroid instead.
        pt = ptStart;
        m_diagram.GetFeasibleRegionNearstPoint2(listRegion, pt);
        QVERIFY(std::abs(Cross({1.0f / 3.0f, 0.3f}, {0.3f, 0.6f}, pt)) < 1e-5
            && IsPointInPolygon(pt, arrRegion, 3));
    }

    void standardRecognition()
    {
        // Rec2020 as given, then each coordinate off by 0.001; a stale answer must be replaced.
        for (int nCoord = -1; nCoord < 8; ++nCoord) {
            SChromaGroupInfo sGroup = g_sRec2020;
            if (nCoord >= 0)
                (nCoord % 2 == 0 ? sGroup.m_ptColor[nCoord / 2].x : sGroup.m_ptColor[nCoord / 2].y) += 0.001f;
            CChromaDiagram diagram;
            diagram.AddChromaGroupByIndex(0, sGroup);
            diagram.ShowCIEStandard(0, enStandardPAL, true);
            diagram.CalcCIEStandardValid();
            QCOMPARE(diagram.ShownStandard(), nCoord < 0 ? enStandardRec2020 : enStandardNone);
        }
        // sRGB and Rec709 share coordinates: the preference picks the name, paint after paint.
        // Only the lowest key is settled, and only when group 0 is asked for.
        const struct
        {
            int nGroup;
            enColorStandard enPreferred, enShown;
        } arrCases[] = {{0, enStandardNone, enStandardSRGB}, {0, enStandardPAL, enStandardSRGB},
            {0, enStandardRec709, enStandardRec709}, {20, enStandardAdobeRGB, enStandardAdobeRGB}};
        for (const auto& c : arrCases) {
            CChromaDiagram diagram;
            diagram.AddChromaGroupByIndex(10, SRGB());
            diagram.ShowCIEStandard(c.nGroup, c.enPreferred, true);
            diagram.CalcCIEStandardValid();
            diagram.CalcCIEStandardValid();
            QCOMPARE(diagram.ShownStandard(), c.enShown);
        }
    }

    void coverage()
    {
        // The white points take no part; the share is of the output, rounded; an
        // output without area, or a coordinate that is no number, has no share.
        const SChromaGroupInfo sOutput = Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.2f, 0.1f}, {0.35f, 0.33f});
        const struct
        {
            SChromaGroupInfo sScreen, sOutput;
            int nRatio;
        } arrCases[] = {{Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.2f, 0.1f}, {NAN, NAN}), sOutput, 100},
            {SRGB(), g_sRec2020, 53}, {SRGB(), g_sCollinear, -1},
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
