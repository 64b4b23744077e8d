#include "ChromaGamutInterpolation.h"
#include "ChromaticityProbe.h"

#include <QtTest>

#include <cstring>

using namespace ChromaFixture;

namespace {

bool InLocus(CChromaticityProbe& wnd, CPointEx<float> pt)
{
    return wnd.m_pGamutInterp->IsPointInCIEPolygon(CChromaticityDlgWnd::CPointFToQPointF(pt));
}

// Cross product of (pt − ptFrom) and (ptTo − ptFrom): zero when pt is on their line.
double Cross(CPointEx<float> ptFrom, CPointEx<float> ptTo, CPointEx<float> pt)
{
    return double(ptTo.x - ptFrom.x) * double(pt.y - ptFrom.y)
        - double(ptTo.y - ptFrom.y) * double(pt.x - ptFrom.x);
}

CPointEx<float> Along(CPointEx<float> ptFrom, CPointEx<float> ptTo, float fBeyond)
{
    const float fDx = ptTo.x - ptFrom.x;
    const float fDy = ptTo.y - ptFrom.y;
    const float fLength = std::sqrt(fDx * fDx + fDy * fDy);
    return {ptTo.x + fDx / fLength * fBeyond, ptTo.y + fDy / fLength * fBeyond};
}

} // namespace

class TestChromaticityRecalc : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dragLeftOfOriginClampsToZero();
    void colourPointOutsideLocusLandsOnWhiteRay();
    void whitePointOutsideTrianglePulledToEdge();
    void whitePointNextToVertexSnapsOntoIt();
    void colourPointPulledBackKeepsWhiteOnEdge();
    void dragOfUnknownPointChangesNothing();
    void dragWithWhiteOutsideLocusKeepsPoint();

    void reCalRGBClampsNegatives();
    void reCalRGBWhitePoint();
    void reCalCMYRestoresOnWhiteOutsideLocus();
    void reCalCMYKeepsValidSecondaries();
    void reCalCMYPullsPrimaryIntoLocus();
    void isPointInRegion();

    void addFloatExcursion();
    void cieIntersection();
    void nearestPointBothSidesOfBisector();
    void nearestPointOutsideLocusUsesLocusCrossing();
    void nearestPointDegenerateAngle();
    void feasibleRegion();

private:
    CChromaticityProbe* m_pWnd = nullptr;
};

void TestChromaticityRecalc::init()
{
    m_pWnd = new CChromaticityProbe;
    m_pWnd->SetSize(800, 600);
}

void TestChromaticityRecalc::cleanup()
{
    delete m_pWnd;
    m_pWnd = nullptr;
}

void TestChromaticityRecalc::dragLeftOfOriginClampsToZero()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    QVERIFY(m_pWnd->AddChromaGroupByIndex(1, SRGB()));
    m_pWnd->Select(0, 2);
    const float fPixelY = float(m_pWnd->ChromaToPixel({0.0f, 0.2f}).y());
    QVERIFY(m_pWnd->CalcCurrentPoint(QPointF(-40.0, fPixelY), m_pWnd->GetChromaGroupByIndex(0)));
    m_pWnd->Select(1, 2);
    QVERIFY(m_pWnd->CalcCurrentPoint(QPointF(m_pWnd->m_fMarginX, fPixelY), m_pWnd->GetChromaGroupByIndex(1)));
    // Left of the diagram is the same drag as onto its left edge, x = 0.
    QCOMPARE(m_pWnd->GetChromaGroupByIndex(0)->m_ptColor[2], m_pWnd->GetChromaGroupByIndex(1)->m_ptColor[2]);

    // Below the origin likewise gives y = 0.
    m_pWnd->Select(0, 0);
    const float fPixelX = float(m_pWnd->ChromaToPixel({0.5f, 0.0f}).x());
    QVERIFY(m_pWnd->CalcCurrentPoint(QPointF(fPixelX, 700.0), m_pWnd->GetChromaGroupByIndex(0)));
    m_pWnd->Select(1, 0);
    QVERIFY(m_pWnd->CalcCurrentPoint(
        QPointF(fPixelX, 600.0 - m_pWnd->m_fMarginY), m_pWnd->GetChromaGroupByIndex(1)));
    QCOMPARE(m_pWnd->GetChromaGroupByIndex(0)->m_ptColor[0], m_pWnd->GetChromaGroupByIndex(1)->m_ptColor[0]);
}

void TestChromaticityRecalc::colourPointOutsideLocusLandsOnWhiteRay()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    SChromaGroupInfo* pGroup = m_pWnd->GetChromaGroupByIndex(0);
    const CPointEx<float> ptWhite = pGroup->m_ptColor[3];
    m_pWnd->Select(0, 1);
    const QPointF pos = m_pWnd->ChromaToPixel({0.05f, 0.88f});
    const CPointEx<float> ptTarget = m_pWnd->PixelToChroma(pos);
    QVERIFY(!InLocus(*m_pWnd, ptTarget));
    QVERIFY(m_pWnd->CalcCurrentPoint(pos, pGroup));

    const CPointEx<float> ptGreen = pGroup->m_ptColor[1];
    QVERIFY(InLocus(*m_pWnd, ptGreen));
    QVERIFY(std::abs(Cross(ptWhite, ptTarget, ptGreen)) < 1e-6);
    // Just inside: a step of 0.0002 further along the ray leaves the locus.
    QVERIFY(!InLocus(*m_pWnd, Along(ptWhite, ptGreen, 0.0002f)));
    QVERIFY(IsWhiteInside(*pGroup));
}

void TestChromaticityRecalc::whitePointOutsideTrianglePulledToEdge()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    SChromaGroupInfo* pGroup = m_pWnd->GetChromaGroupByIndex(0);
    m_pWnd->Select(0, 3);
    // Above the red–green edge, inside the locus.
    const QPointF pos = m_pWnd->ChromaToPixel({0.5f, 0.47f});
    QVERIFY(m_pWnd->CalcCurrentPoint(pos, pGroup));

    const CPointEx<float> ptWhite = pGroup->m_ptColor[3];
    QVERIFY(IsWhiteInside(*pGroup));
    const float fDistance = DistanceToLine(ptWhite, pGroup->m_ptColor[0], pGroup->m_ptColor[1]);
    QVERIFY2(fDistance > 0.00005f && fDistance < 0.0002f, qPrintable(QString::number(fDistance)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(ptWhite != pGroup->m_ptColor[i]);

    // Inside the triangle the white point simply follows the mouse.
    const QPointF posInside = m_pWnd->ChromaToPixel({0.35f, 0.35f});
    QVERIFY(m_pWnd->CalcCurrentPoint(posInside, pGroup));
    QCOMPARE(pGroup->m_ptColor[3], m_pWnd->PixelToChroma(posInside));
}

void TestChromaticityRecalc::whitePointNextToVertexSnapsOntoIt()
{
    // A triangle with no axis-parallel edge, so the pull lands diagonally.
    const SChromaGroupInfo info = Group({0.6f, 0.35f}, {0.25f, 0.65f}, {0.16f, 0.08f}, {0.33f, 0.35f});
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, info));
    SChromaGroupInfo* pGroup = m_pWnd->GetChromaGroupByIndex(0);
    m_pWnd->Select(0, 3);
    QVERIFY(m_pWnd->CalcCurrentPoint(m_pWnd->ChromaToPixel({0.603f, 0.353f}), pGroup));
    QCOMPARE(pGroup->m_ptColor[3], pGroup->m_ptColor[0]);
    QVERIFY(IsWhiteInside(*pGroup));
}

void TestChromaticityRecalc::colourPointPulledBackKeepsWhiteOnEdge()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    SChromaGroupInfo* pGroup = m_pWnd->GetChromaGroupByIndex(0);
    const CPointEx<float> ptWhite = pGroup->m_ptColor[3];
    m_pWnd->Select(0, 2);
    // Blue dragged to the right of the white point would leave it outside.
    const QPointF pos = m_pWnd->ChromaToPixel({0.36f, 0.3f});
    CPointEx<float> triangle[3] = {pGroup->m_ptColor[0], pGroup->m_ptColor[1], m_pWnd->PixelToChroma(pos)};
    QVERIFY(!IsPointInPolygon(ptWhite, triangle, 3));
    QVERIFY(m_pWnd->CalcCurrentPoint(pos, pGroup));

    const CPointEx<float> ptBlue = pGroup->m_ptColor[2];
    QCOMPARE(pGroup->m_ptColor[3], ptWhite);
    QVERIFY(IsWhiteInside(*pGroup));
    const float fToRedEdge = DistanceToLine(ptWhite, pGroup->m_ptColor[0], ptBlue);
    const float fToGreenEdge = DistanceToLine(ptWhite, pGroup->m_ptColor[1], ptBlue);
    QVERIFY2(std::min(fToRedEdge, fToGreenEdge) < 0.0002f,
        qPrintable(QStringLiteral("%1 %2").arg(fToRedEdge).arg(fToGreenEdge)));
    QCOMPARE(CChromaticityDlgWnd::QPointFToCPointF(m_pWnd->m_ptNearest), ptBlue);
}

void TestChromaticityRecalc::dragOfUnknownPointChangesNothing()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    SChromaGroupInfo* pGroup = m_pWnd->GetChromaGroupByIndex(0);
    const SChromaGroupInfo before = *pGroup;
    m_pWnd->Select(0, -1);
    QVERIFY(!m_pWnd->CalcCurrentPoint(m_pWnd->ChromaToPixel({0.4f, 0.4f}), pGroup));
    QVERIFY(std::memcmp(before.m_ptColor, pGroup->m_ptColor, sizeof(before.m_ptColor)) == 0);
    QVERIFY(!m_pWnd->CalcCurrentPoint(QPointF(300, 300), nullptr));
}

void TestChromaticityRecalc::dragWithWhiteOutsideLocusKeepsPoint()
{
    // A white point outside the locus offers no crossing back into it; the
    // dragged point must not follow the mouse off the diagram.
    SChromaGroupInfo info = Group({0.5f, 0.3f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.5f, 0.5f});
    QVERIFY(!InLocus(*m_pWnd, info.m_ptColor[3]));
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, info));
    SChromaGroupInfo* pGroup = m_pWnd->GetChromaGroupByIndex(0);
    m_pWnd->Select(0, 0);
    m_pWnd->SetNearstPoint(QPointF(0.2, 0.2));
    QVERIFY(!m_pWnd->CalcCurrentPoint(QPointF(790, 400), pGroup));
    QCOMPARE(pGroup->m_ptColor[0], info.m_ptColor[0]);
    QCOMPARE(m_pWnd->m_ptNearest, QPointF(0.2, 0.2));

    // Likewise the bisector search, whose crossing would lie off the locus.
    CPointEx<float> ptOffLocus;
    QVERIFY(CChromaticityDlgWnd::GetNearestPoint2(
        {0.5f, 0.5f}, {0.3f, 0.65f}, {0.6f, 0.3f}, {0.45f, 0.55f}, ptOffLocus));
    QVERIFY(!InLocus(*m_pWnd, ptOffLocus));
    QVERIFY(!m_pWnd->GetNearestPoint({0.5f, 0.5f}, {0.3f, 0.65f}, {0.6f, 0.3f}, {0.45f, 0.55f}));
    QCOMPARE(m_pWnd->m_ptNearest, QPointF(0.2, 0.2));
}

void TestChromaticityRecalc::reCalRGBClampsNegatives()
{
    SChromaGroupInfo info = SRGB();
    info.m_ptColor[1] = {-0.05f, 0.6f};
    info.m_ptColor[2] = {0.15f, -0.01f};
    QVERIFY(m_pWnd->ReCalRGB(&info, 0));
    QCOMPARE(info.m_ptColor[1], CPointEx<float>(0.0f, 0.6f));
    QCOMPARE(info.m_ptColor[2], CPointEx<float>(0.15f, 0.0f));
    QCOMPARE(info.m_ptColor[0], CPointEx<float>(0.64f, 0.33f));

    // A negative white point is clamped only for the tests, never written back.
    info.m_ptColor[3] = {-0.2f, 0.33f};
    QVERIFY(!m_pWnd->ReCalRGB(&info, 3));
    QCOMPARE(info.m_ptColor[3], CPointEx<float>(-0.2f, 0.33f));
    QVERIFY(!m_pWnd->ReCalRGB(nullptr, 0));
}

void TestChromaticityRecalc::reCalRGBWhitePoint()
{
    SChromaGroupInfo info = SRGB();
    info.m_ptColor[3] = {0.1f, 0.1f}; // outside the locus
    QVERIFY(!m_pWnd->ReCalRGB(&info, 3));
    QCOMPARE(info.m_ptColor[3], CPointEx<float>(0.1f, 0.1f));

    info.m_ptColor[3] = {0.5f, 0.47f}; // in the locus, outside the triangle
    QVERIFY(m_pWnd->ReCalRGB(&info, 3));
    QVERIFY(IsWhiteInside(info));
    QVERIFY(DistanceToLine(info.m_ptColor[3], info.m_ptColor[0], info.m_ptColor[1]) < 0.0002f);

    info.m_ptColor[3] = {0.33f, 0.34f};
    QVERIFY(m_pWnd->ReCalRGB(&info, 3));
    QCOMPARE(info.m_ptColor[3], CPointEx<float>(0.33f, 0.34f));
}

void TestChromaticityRecalc::reCalCMYRestoresOnWhiteOutsideLocus()
{
    SChromaGroupInfo info = Group({0.225f, 0.33f}, {0.395f, 0.195f}, {0.47f, 0.465f}, {0.1f, 0.1f});
    info.m_bRGBMode = false;
    const SChromaGroupInfo before = info;
    QVERIFY(!m_pWnd->ReCalCMY(&info));
    QVERIFY(std::memcmp(before.m_ptColor, info.m_ptColor, sizeof(info.m_ptColor)) == 0);
    QVERIFY(!m_pWnd->ReCalCMY(nullptr));
}

void TestChromaticityRecalc::reCalCMYKeepsValidSecondaries()
{
    // The secondaries of sRGB: midpoints of the edges opposite each primary.
    const SChromaGroupInfo rgb = SRGB();
    SChromaGroupInfo info = rgb;
    for (int i = 0; i < 3; ++i) {
        const CPointEx<float>& pt1 = rgb.m_ptColor[i == 0 ? 1 : 0];
        const CPointEx<float>& pt2 = rgb.m_ptColor[i == 2 ? 1 : 2];
        info.m_ptColor[i] = {(pt1.x + pt2.x) / 2, (pt1.y + pt2.y) / 2};
    }
    info.m_bRGBMode = false;
    const SChromaGroupInfo before = info;
    QVERIFY(m_pWnd->ReCalCMY(&info));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(std::abs(info.m_ptColor[i].x - before.m_ptColor[i].x) < 1e-6f);
        QVERIFY(std::abs(info.m_ptColor[i].y - before.m_ptColor[i].y) < 1e-6f);
    }
}

void TestChromaticityRecalc::reCalCMYPullsPrimaryIntoLocus()
{
    // Secondaries whose green primary (0.1, 0.95) lies outside the locus.
    const CPointEx<float> primaries[3] = {{0.64f, 0.33f}, {0.1f, 0.95f}, {0.15f, 0.06f}};
    SChromaGroupInfo info;
    for (int i = 0; i < 3; ++i) {
        const CPointEx<float>& pt1 = primaries[i == 0 ? 1 : 0];
        const CPointEx<float>& pt2 = primaries[i == 2 ? 1 : 2];
        info.m_ptColor[i] = {(pt1.x + pt2.x) / 2, (pt1.y + pt2.y) / 2};
    }
    info.m_ptColor[3] = {0.3127f, 0.329f};
    info.m_bRGBMode = false;
    QVERIFY(m_pWnd->ReCalCMY(&info));

    // Back to primaries: red and blue kept, green on the locus along the white ray.
    const CPointEx<float>* pS = info.m_ptColor;
    const CPointEx<float> ptGreen(pS[0].x + pS[2].x - pS[1].x, pS[0].y + pS[2].y - pS[1].y);
    const CPointEx<float> ptRed(pS[1].x + pS[2].x - pS[0].x, pS[1].y + pS[2].y - pS[0].y);
    QVERIFY(std::abs(ptRed.x - 0.64f) < 1e-5f && std::abs(ptRed.y - 0.33f) < 1e-5f);
    QVERIFY(InLocus(*m_pWnd, ptGreen));
    QVERIFY(std::abs(Cross(info.m_ptColor[3], primaries[1], ptGreen)) < 1e-5);
}

void TestChromaticityRecalc::isPointInRegion()
{
    SChromaGroupInfo info = SRGB();
    for (int i = 0; i < 4; ++i)
        QVERIFY(m_pWnd->IsPointInRegion(&info, i));
    info.m_ptColor[1] = {0.05f, 0.9f}; // outside the locus
    QVERIFY(!m_pWnd->IsPointInRegion(&info, 1));
    QVERIFY(m_pWnd->IsPointInRegion(&info, 0));
    info = SRGB();
    info.m_ptColor[3] = {0.5f, 0.47f}; // white outside the triangle fails every point
    QVERIFY(!m_pWnd->IsPointInRegion(&info, 0));
    const SChromaGroupInfo before = info;
    QVERIFY(std::memcmp(before.m_ptColor, info.m_ptColor, sizeof(info.m_ptColor)) == 0);
    QVERIFY(!m_pWnd->IsPointInRegion(nullptr, 0));
}

void TestChromaticityRecalc::addFloatExcursion()
{
    QPointF pt(0.3, 0.3);
    CChromaticityDlgWnd::AddFloatExcursion(pt, QPointF(0.4, 0.3));
    QVERIFY(std::abs(pt.x() - 0.2999) < 1e-7);
    QCOMPARE(pt.y(), 0.3);

    pt = QPointF(0.5, 0.5);
    CChromaticityDlgWnd::AddFloatExcursion(pt, QPointF(0.4, 0.4));
    QVERIFY(std::abs(pt.x() - (0.5 + 0.0001 / std::sqrt(2.0))) < 1e-7);
    QVERIFY(std::abs(pt.y() - (0.5 + 0.0001 / std::sqrt(2.0))) < 1e-7);

    pt = QPointF(0.3, 0.3);
    CChromaticityDlgWnd::AddFloatExcursion(pt, QPointF(0.3, 0.7));
    QCOMPARE(pt, QPointF(0.3, 0.3));
}

void TestChromaticityRecalc::cieIntersection()
{
    // A U shape: two arms joined at the bottom.
    const QList<CPointEx<float>> listU = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    CPointEx<float> ptOut(7, 7);
    QVERIFY(!CChromaticityDlgWnd::GetCIEIntersection(listU, {0.5f, 0.5f}, {2.5f, 0.5f}, ptOut));
    QCOMPARE(ptOut, CPointEx<float>(7, 7));
    QVERIFY(!CChromaticityDlgWnd::GetCIEIntersection({{0, 0}, {1, 1}}, {0.5f, 0.5f}, {5, 5}, ptOut));

    // From the left arm to the right arm: the crossing on the highest edge (x = 1) wins.
    QVERIFY(CChromaticityDlgWnd::GetCIEIntersection(listU, {0.5f, 2}, {2.5f, 2}, ptOut));
    QVERIFY(std::abs(ptOut.x - 0.9999f) < 1e-6f);
    QCOMPARE(ptOut.y, 2.0f);

    // Inside to outside: the boundary point, just inside.
    QVERIFY(CChromaticityDlgWnd::GetCIEIntersection(listU, {0.5f, 2}, {-1, 2}, ptOut));
    QVERIFY(std::abs(ptOut.x - 0.0001f) < 1e-6f);
}

void TestChromaticityRecalc::nearestPointBothSidesOfBisector()
{
    const CPointEx<float> ptWhite(0.33f, 0.33f);
    const CPointEx<float> ptRight(0.5f, 0.33f);
    const CPointEx<float> ptUp(0.33f, 0.5f);
    const double dStep = 0.0001 / std::sqrt(2.0);

    // Above the bisector (the green side): onto y = 0.33 along slope 1, then 0.0001 past.
    QVERIFY(m_pWnd->GetNearestPoint(ptWhite, {0.2f, 0.4f}, ptRight, ptUp));
    QVERIFY(std::abs(m_pWnd->m_ptNearest.x() - (0.13 - dStep)) < 1e-6);
    QVERIFY(std::abs(m_pWnd->m_ptNearest.y() - (0.33 - dStep)) < 1e-6);

    // Below it (the red side): onto x = 0.33.
    QVERIFY(m_pWnd->GetNearestPoint(ptWhite, {0.4f, 0.25f}, ptRight, ptUp));
    QVERIFY(std::abs(m_pWnd->m_ptNearest.x() - (0.33 - dStep)) < 1e-6);
    QVERIFY(std::abs(m_pWnd->m_ptNearest.y() - (0.18 - dStep)) < 1e-6);

    // The stateless variant gives the same point and leaves m_ptNearest alone.
    const QPointF ptKept = m_pWnd->m_ptNearest;
    CPointEx<float> ptOut;
    QVERIFY(CChromaticityDlgWnd::GetNearestPoint2(ptWhite, {0.2f, 0.4f}, ptRight, ptUp, ptOut));
    QVERIFY(std::abs(ptOut.x - float(0.13 - dStep)) < 1e-6f);
    QVERIFY(std::abs(ptOut.y - float(0.33 - dStep)) < 1e-6f);
    QCOMPARE(m_pWnd->m_ptNearest, ptKept);
}

void TestChromaticityRecalc::nearestPointOutsideLocusUsesLocusCrossing()
{
    const CPointEx<float> ptWhite(0.33f, 0.33f);
    // The bisector path meets y = 0.33 at x = −0.17, far outside the locus.
    QVERIFY(m_pWnd->GetNearestPoint(ptWhite, {0.1f, 0.6f}, {0.5f, 0.33f}, {0.33f, 0.5f}));
    const CPointEx<float> ptNearest = CChromaticityDlgWnd::QPointFToCPointF(m_pWnd->m_ptNearest);
    QVERIFY(InLocus(*m_pWnd, ptNearest));
    QVERIFY(std::abs(ptNearest.y - 0.33f) < 0.0002f);
    QVERIFY(!InLocus(*m_pWnd, {ptNearest.x - 0.0003f, 0.33f}));

    // Without the locus step the result stays on the far line.
    CPointEx<float> ptOut;
    QVERIFY(
        CChromaticityDlgWnd::GetNearestPoint2(ptWhite, {0.1f, 0.6f}, {0.5f, 0.33f}, {0.33f, 0.5f}, ptOut));
    QVERIFY(std::abs(ptOut.x + 0.17f) < 0.0002f);
}

void TestChromaticityRecalc::nearestPointDegenerateAngle()
{
    // Both other points in the same direction from the white point: the path
    // runs parallel to the edge line, so there is no answer.
    m_pWnd->SetNearstPoint(QPointF(0.25, 0.25));
    QVERIFY(!m_pWnd->GetNearestPoint({0.3f, 0.3f}, {0.35f, 0.4f}, {0.4f, 0.3f}, {0.5f, 0.3f}));
    QCOMPARE(m_pWnd->m_ptNearest, QPointF(0.25, 0.25));
    CPointEx<float> ptOut(0.1f, 0.2f);
    QVERIFY(!CChromaticityDlgWnd::GetNearestPoint2(
        {0.3f, 0.3f}, {0.35f, 0.4f}, {0.4f, 0.3f}, {0.5f, 0.3f}, ptOut));
    QCOMPARE(ptOut, CPointEx<float>(0.1f, 0.2f));
}

void TestChromaticityRecalc::feasibleRegion()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(4, SRGB()));
    const CPointEx<float> ptWhite(0.3127f, 0.329f);
    const CPointEx<float> ptGreen(0.3f, 0.6f);
    // A triangle around the white point that stops short of green.
    const CPointEx<float> arrRegion[3] = {{0.2f, 0.2f}, {0.5f, 0.2f}, {0.3f, 0.5f}};
    QList<CPointEx<float>> listRegion = {arrRegion[0], arrRegion[1], arrRegion[2]};
    const CPointEx<float> ptStart(0.9f, 0.9f);

    CPointEx<float> pt = ptStart;
    m_pWnd->GetFeasibleRegionNearstPoint(listRegion, pt); // nothing selected
    QCOMPARE(pt, ptStart);

    m_pWnd->Select(4, 3);
    m_pWnd->GetFeasibleRegionNearstPoint(listRegion, pt);
    QCOMPARE(pt, ptStart);

    m_pWnd->Select(4, 1);
    QList<CPointEx<float>> listTwo = listRegion.mid(0, 2);
    m_pWnd->GetFeasibleRegionNearstPoint(listTwo, pt);
    QCOMPARE(pt, ptStart);

    m_pWnd->GetFeasibleRegionNearstPoint(listRegion, pt);
    QVERIFY(std::abs(Cross(ptWhite, ptGreen, pt)) < 1e-6);
    QVERIFY(IsPointInPolygon(pt, arrRegion, 3));
    QVERIFY(pt.y > 0.45f && pt.y < 0.5f);

    // From the centroid (1/3 of the way up, x = 1/3) instead of the white point.
    const CPointEx<float> ptCentroid(1.0f / 3.0f, 0.3f);
    pt = ptStart;
    m_pWnd->GetFeasibleRegionNearstPoint2(listRegion, pt);
    QVERIFY(std::abs(Cross(ptCentroid, ptGreen, pt)) < 1e-5);
    QVERIFY(std::abs(Cross(ptWhite, ptGreen, pt)) > 1e-5);
    QVERIFY(IsPointInPolygon(pt, arrRegion, 3));

    // A region that holds the dragged point as well gives no crossing.
    QList<CPointEx<float>> listWide = {{0.0f, 0.0f}, {0.9f, 0.0f}, {0.3f, 0.9f}};
    pt = ptStart;
    m_pWnd->GetFeasibleRegionNearstPoint(listWide, pt);
    QCOMPARE(pt, ptStart);
}

QTEST_MAIN(TestChromaticityRecalc)
#include "tst_chromaticity_recalc.moc"
