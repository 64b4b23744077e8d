#include "ChromaticityProbe.h"

#include <QtTest>

#include <cstring>

using namespace ChromaFixture;

namespace {

// Zero when pt is on the line through ptFrom and ptTo.
double Cross(CPointEx<float> ptFrom, CPointEx<float> ptTo, CPointEx<float> pt)
{
    return double(ptTo.x - ptFrom.x) * double(pt.y - ptFrom.y)
        - double(ptTo.y - ptFrom.y) * double(pt.x - ptFrom.x);
}

bool Near(CPointEx<float> pt, double dX, double dY, double dTolerance = 1e-6)
{
    return std::abs(pt.x - dX) < dTolerance && std::abs(pt.y - dY) < dTolerance;
}

} // namespace

class TestChromaticityRecalc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_wnd.SetSize(800, 600); }

    void colourPointDrags();
    void whitePointOutsideTriangle();
    void reCalculations();
    void nudgeAndLocusCrossing();
    void nearestPoint();
    void feasibleRegion();

private:
    // Adds info as group 0, selects nPoint of it and drags it to ptTarget.
    SChromaGroupInfo* Drag(const SChromaGroupInfo& info, int nPoint, CPointEx<float> ptTarget)
    {
        m_wnd.ReleaseChromaData();
        m_wnd.AddChromaGroupByIndex(0, info);
        m_wnd.Select(0, nPoint);
        SChromaGroupInfo* pGroup = m_wnd.GetChromaGroupByIndex(0);
        m_wnd.CalcCurrentPoint(m_wnd.ChromaToPixel(ptTarget), pGroup);
        return pGroup;
    }

    CChromaticityProbe m_wnd;
};

void TestChromaticityRecalc::colourPointDrags()
{
    // Left of the diagram is the same drag as onto its left edge.
    const double dY = m_wnd.ChromaToPixel({0.0f, 0.2f}).y();
    SChromaGroupInfo* pGroup = Drag(SRGB(), 2, {0.15f, 0.06f});
    QVERIFY(m_wnd.CalcCurrentPoint(QPointF(-40.0, dY), pGroup));
    const CPointEx<float> ptLeft = pGroup->m_ptColor[2];
    *pGroup = SRGB();
    QVERIFY(m_wnd.CalcCurrentPoint(QPointF(m_wnd.m_fMarginX, dY), pGroup));
    QCOMPARE(pGroup->m_ptColor[2], ptLeft);

    // Beyond the locus: onto the ray from the white point.
    const CPointEx<float> ptTarget = m_wnd.PixelToChroma(m_wnd.ChromaToPixel({0.05f, 0.88f}));
    QVERIFY(!m_wnd.InLocus(ptTarget));
    const CPointEx<float> ptGreen = Drag(SRGB(), 1, ptTarget)->m_ptColor[1];
    const CPointEx<float> ptWhite = SRGB().m_ptColor[3];
    QVERIFY(std::abs(Cross(ptWhite, ptTarget, ptGreen)) < 1e-6);
    // Just inside: 0.0002 further along the ray is outside.
    QVERIFY(m_wnd.InLocus(ptGreen));
    QVERIFY(!m_wnd.InLocus(Along(ptWhite, ptGreen, 0.0002f)));
}

void TestChromaticityRecalc::whitePointOutsideTriangle()
{
    // Above the red–green edge: onto that edge, not onto a vertex.
    SChromaGroupInfo* pGroup = Drag(SRGB(), 3, {0.5f, 0.47f});
    const CPointEx<float> ptWhite = pGroup->m_ptColor[3];
    QVERIFY(IsWhiteInside(*pGroup));
    QVERIFY(
        PointLineDistance(LineThroughPoints(pGroup->m_ptColor[0], pGroup->m_ptColor[1]), ptWhite) < 0.0002f);
    QVERIFY(ptWhite != pGroup->m_ptColor[0] && ptWhite != pGroup->m_ptColor[1]);

    // Within 0.0001 of a vertex: exactly onto it (no axis-parallel edge here).
    pGroup = Drag(Group({0.6f, 0.35f}, {0.25f, 0.65f}, {0.16f, 0.08f}, {0.33f, 0.35f}), 3, {0.603f, 0.353f});
    QCOMPARE(pGroup->m_ptColor[3], pGroup->m_ptColor[0]);
}

void TestChromaticityRecalc::reCalculations()
{
    // The edge midpoints of sRGB, with the white point outside the locus: group untouched.
    SChromaGroupInfo info = Group({0.225f, 0.33f}, {0.395f, 0.195f}, {0.47f, 0.465f}, {0.1f, 0.1f});
    info.m_bRGBMode = false;
    SChromaGroupInfo before = info;
    QVERIFY(!m_wnd.ReCalCMY(&info));
    QVERIFY(std::memcmp(before.m_ptColor, info.m_ptColor, sizeof(info.m_ptColor)) == 0);

    // With the sRGB white point these secondaries of sRGB come back unchanged.
    info.m_ptColor[3] = before.m_ptColor[3] = {0.3127f, 0.329f};
    QVERIFY(m_wnd.ReCalCMY(&info));
    for (int i = 0; i < 4; ++i)
        QVERIFY(Near(info.m_ptColor[i], before.m_ptColor[i].x, before.m_ptColor[i].y));

    info = SRGB(); // ReCalRGB clamps negatives
    info.m_ptColor[1] = {-0.05f, 0.6f};
    info.m_ptColor[2] = {0.15f, -0.01f};
    QVERIFY(m_wnd.ReCalRGB(&info, 0));
    QCOMPARE(info.m_ptColor[1], CPointEx<float>(0.0f, 0.6f));
    QCOMPARE(info.m_ptColor[2], CPointEx<float>(0.15f, 0.0f));
}

void TestChromaticityRecalc::nudgeAndLocusCrossing()
{
    const auto fnStep = [](QPointF pt, QPointF ptTowards) {
        CChromaticityDlgWnd::AddFloatExcursion(pt, ptTowards);
        return CChromaticityDlgWnd::QPointFToCPointF(pt);
    };
    // 0.0001 away from the other point; a vertical pair is left alone.
    QVERIFY(Near(fnStep({0.3, 0.3}, {0.4, 0.3}), 0.2999, 0.3, 1e-7));
    const double dDiagonal = 0.5 + 0.0001 / std::sqrt(2.0);
    QVERIFY(Near(fnStep({0.5, 0.5}, {0.4, 0.4}), dDiagonal, dDiagonal, 1e-7));
    QVERIFY(Near(fnStep({0.3, 0.3}, {0.3, 0.7}), 0.3, 0.3, 1e-7));

    // A U shape: two arms joined at the bottom.
    const QList<CPointEx<float>> listU = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    CPointEx<float> ptOut(7, 7);
    QVERIFY(!CChromaticityDlgWnd::GetCIEIntersection(listU, {0.5f, 0.5f}, {2.5f, 0.5f}, ptOut));
    QCOMPARE(ptOut, CPointEx<float>(7, 7));
    // Left arm to right arm crosses x = 1 and x = 2: the highest edge index (x = 1) wins.
    QVERIFY(CChromaticityDlgWnd::GetCIEIntersection(listU, {0.5f, 2}, {2.5f, 2}, ptOut));
    QVERIFY(Near(ptOut, 0.9999, 2.0));
}

void TestChromaticityRecalc::nearestPoint()
{
    const CPointEx<float> ptWhite(0.33f, 0.33f);
    const CPointEx<float> ptRight(0.5f, 0.33f);
    const CPointEx<float> ptUp(0.33f, 0.5f);
    const double dStep = 0.0001 / std::sqrt(2.0);
    // Each side of the bisector lands on its own edge line, 0.0001 past it.
    QVERIFY(m_wnd.GetNearestPoint(ptWhite, {0.2f, 0.4f}, ptRight, ptUp));
    QVERIFY(Near(CChromaticityDlgWnd::QPointFToCPointF(m_wnd.m_ptNearest), 0.13 - dStep, 0.33 - dStep));
    QVERIFY(m_wnd.GetNearestPoint(ptWhite, {0.4f, 0.25f}, ptRight, ptUp));
    QVERIFY(Near(CChromaticityDlgWnd::QPointFToCPointF(m_wnd.m_ptNearest), 0.33 - dStep, 0.18 - dStep));
    CPointEx<float> ptOut; // the stateless variant agrees
    QVERIFY(CChromaticityDlgWnd::GetNearestPoint2(ptWhite, {0.2f, 0.4f}, ptRight, ptUp, ptOut));
    QVERIFY(Near(ptOut, 0.13 - dStep, 0.33 - dStep));
}

void TestChromaticityRecalc::feasibleRegion()
{
    QVERIFY(m_wnd.AddChromaGroupByIndex(4, SRGB()));
    const CPointEx<float> ptWhite(0.3127f, 0.329f);
    const CPointEx<float> ptGreen(0.3f, 0.6f);
    // A triangle around the white point that stops short of green.
    const CPointEx<float> arrRegion[3] = {{0.2f, 0.2f}, {0.5f, 0.2f}, {0.3f, 0.5f}};
    QList<CPointEx<float>> listRegion = {arrRegion[0], arrRegion[1], arrRegion[2]};
    const CPointEx<float> ptStart(0.9f, 0.9f);

    CPointEx<float> pt = ptStart;
    m_wnd.Select(4, 3); // the white point has no feasible region
    m_wnd.GetFeasibleRegionNearstPoint(listRegion, pt);
    m_wnd.Select(4, 1);
    QList<CPointEx<float>> listTwo = listRegion.mid(0, 2); // two points make no region
    m_wnd.GetFeasibleRegionNearstPoint(listTwo, pt);
    QCOMPARE(pt, ptStart);

    m_wnd.GetFeasibleRegionNearstPoint(listRegion, pt);
    QVERIFY(std::abs(Cross(ptWhite, ptGreen, pt)) < 1e-6);
    QVERIFY(IsPointInPolygon(pt, arrRegion, 3) && pt.y > 0.45f);

    // The second variant aims from the region's centroid instead of the white point.
    pt = ptStart;
    m_wnd.GetFeasibleRegionNearstPoint2(listRegion, pt);
    QVERIFY(std::abs(Cross({1.0f / 3.0f, 0.3f}, ptGreen, pt)) < 1e-5);
    QVERIFY(std::abs(Cross(ptWhite, ptGreen, pt)) > 1e-5);
    QVERIFY(IsPointInPolygon(pt, arrRegion, 3));
}

QTEST_MAIN(TestChromaticityRecalc)
#include "tst_chromaticity_recalc.moc"
