// Real events through the window system, so that a move after a press carries
// the held button.
#define QTEST_QPA_MOUSE_HANDLING
#include "ChromaGamutInterpolation.h"
#include "ChromaticityProbe.h"

#include <QtTest>

#include <cstring>
#include <functional>

using namespace ChromaFixture;

namespace {

// A point that the round mapping puts on the pixel (200, 300).
const CPointEx<float> g_ptAt200x300(0.35f, 0.55f);

} // namespace

class TestChromaticityMouse : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hitSquareEdgesIncluded_data();
    void hitSquareEdgesIncluded();
    void overlappingPointsPreferLastMovable();
    void rightPressChangesNothing();
    void immovablePointIsNeverDragged();
    void hoverFollowsPoints();
    void acceptedMoveKeepsCorrectedPoint();
    void rejectedMoveTakesSuppliedPoint();
    void rejectedWhitePointKeepsCorrection();
    void dragHidesStandardAndReleaseEndsIt();
    void hostRemovingGroupDuringSignal();

private:
    // Counts the signals and answers them with fnAnswer.
    void Answer(std::function<void(int, int, bool&)> fnAnswer);
    QPoint PixelOf(CPointEx<float> pt) const { return m_pWnd->ChromaToPixel(pt).toPoint(); }

    CChromaticityProbe* m_pWnd = nullptr;
    int m_nSignals = 0;
};

void TestChromaticityMouse::init()
{
    m_pWnd = new CChromaticityProbe;
    m_pWnd->resize(800, 600);
    m_pWnd->UseRoundMapping();
    m_pWnd->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWnd));
    m_nSignals = 0;
}

void TestChromaticityMouse::cleanup()
{
    delete m_pWnd;
    m_pWnd = nullptr;
}

void TestChromaticityMouse::Answer(std::function<void(int, int, bool&)> fnAnswer)
{
    connect(m_pWnd, &CChromaticityDlgWnd::OnPositionChangeSignal, this,
        [this, fnAnswer](int nGroup, int nPoint, bool& bSuccessed) {
            ++m_nSignals;
            fnAnswer(nGroup, nPoint, bSuccessed);
        });
}

void TestChromaticityMouse::hitSquareEdgesIncluded_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("bHit");
    QTest::newRow("centre") << QPoint(200, 300) << true;
    QTest::newRow("right edge") << QPoint(205, 300) << true;
    QTest::newRow("right of it") << QPoint(206, 300) << false;
    QTest::newRow("left edge") << QPoint(195, 300) << true;
    QTest::newRow("left of it") << QPoint(194, 300) << false;
    QTest::newRow("top edge") << QPoint(200, 295) << true;
    QTest::newRow("above it") << QPoint(200, 294) << false;
    QTest::newRow("bottom-right corner") << QPoint(205, 305) << true;
    QTest::newRow("below it") << QPoint(200, 306) << false;
}

void TestChromaticityMouse::hitSquareEdgesIncluded()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, bHit);
    SChromaGroupInfo info = SRGB();
    info.m_ptColor[1] = g_ptAt200x300;
    QVERIFY(m_pWnd->AddChromaGroupByIndex(3, info));
    QCOMPARE(m_pWnd->ChromaToPixel(g_ptAt200x300), QPointF(200, 300));

    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(m_pWnd->m_nCurGroup, bHit ? 3 : -1);
    QCOMPARE(m_pWnd->m_nCurPoint, bHit ? 1 : -1);
    QCOMPARE(m_pWnd->m_bDragging, bHit);
    QCOMPARE(m_pWnd->cursor().shape(), bHit ? Qt::SizeAllCursor : Qt::ArrowCursor);
    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, pos);
}

void TestChromaticityMouse::overlappingPointsPreferLastMovable()
{
    SChromaGroupInfo info = SRGB();
    info.m_ptColor[0] = g_ptAt200x300;
    QVERIFY(m_pWnd->AddChromaGroupByIndex(1, info));
    QVERIFY(m_pWnd->AddChromaGroupByIndex(2, info));
    int nGroup = -1;
    int nPoint = -1;
    m_pWnd->HitTest(QPoint(201, 299), nGroup, nPoint);
    QCOMPARE(nGroup, 2);
    QCOMPARE(nPoint, 0);

    // An immovable marker on top gives way to the movable one beneath.
    m_pWnd->GetChromaGroupByIndex(2)->m_bMovable[0] = false;
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(201, 299));
    QCOMPARE(m_pWnd->m_nCurGroup, 1);
    QVERIFY(m_pWnd->m_bCanMove);
    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(201, 299));

    // With nothing movable under the mouse the first immovable one is taken.
    m_pWnd->GetChromaGroupByIndex(1)->m_bMovable[0] = false;
    m_pWnd->HitTest(QPoint(201, 299), nGroup, nPoint);
    QCOMPARE(nGroup, 1);

    // A white point on the same spot sets the white flag even when it loses.
    m_pWnd->GetChromaGroupByIndex(1)->m_ptColor[3] = g_ptAt200x300;
    m_pWnd->HitTest(QPoint(200, 300), nGroup, nPoint);
    QVERIFY(m_pWnd->m_bHitWhite);
    QCOMPARE(nPoint, 3);
    m_pWnd->HitTest(QPoint(400, 100), nGroup, nPoint);
    QVERIFY(!m_pWnd->m_bHitWhite);
    QCOMPARE(nGroup, -1);
    QCOMPARE(nPoint, -1);
}

void TestChromaticityMouse::rightPressChangesNothing()
{
    SChromaGroupInfo info = SRGB();
    info.m_ptColor[1] = g_ptAt200x300;
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, info));
    Answer([](int, int, bool& bSuccessed) { bSuccessed = true; });
    QTest::mouseMove(m_pWnd, QPoint(200, 300));
    QCOMPARE(m_pWnd->m_nCurGroup, 0); // hovering

    QTest::mousePress(m_pWnd, Qt::RightButton, Qt::NoModifier, QPoint(200, 300));
    QCOMPARE(m_pWnd->m_nCurGroup, 0);
    QCOMPARE(m_pWnd->m_nCurPoint, 1);
    QVERIFY(!m_pWnd->m_bPressed);
    QVERIFY(!m_pWnd->m_bDragging);
    QCOMPARE(m_pWnd->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(m_pWnd, QPoint(250, 250));
    QTest::mouseRelease(m_pWnd, Qt::RightButton, Qt::NoModifier, QPoint(250, 250));
    QCOMPARE(m_pWnd->GetChromaGroupByIndex(0)->m_ptColor[1], g_ptAt200x300);
    QCOMPARE(m_nSignals, 0);
}

void TestChromaticityMouse::immovablePointIsNeverDragged()
{
    SChromaGroupInfo info = SRGB();
    info.m_ptColor[1] = g_ptAt200x300;
    info.m_bMovable[1] = false;
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, info));
    Answer([](int, int, bool& bSuccessed) { bSuccessed = true; });

    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    QVERIFY(m_pWnd->m_bPressed);
    QVERIFY(!m_pWnd->m_bDragging);
    QVERIFY(!m_pWnd->m_bCanMove);
    QCOMPARE(m_pWnd->m_nCurGroup, -1);
    QCOMPARE(m_pWnd->m_nCurPoint, 1);
    QTest::mouseMove(m_pWnd, QPoint(230, 280));
    QTest::mouseMove(m_pWnd, QPoint(260, 260));
    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(260, 260));
    QCOMPARE(m_nSignals, 0);
    QCOMPARE(m_pWnd->GetChromaGroupByIndex(0)->m_ptColor[1], g_ptAt200x300);
    QVERIFY(m_pWnd->m_bPressed); // nothing clears it
}

void TestChromaticityMouse::hoverFollowsPoints()
{
    SChromaGroupInfo info = SRGB();
    info.m_ptColor[2] = g_ptAt200x300;
    info.m_bMovable[2] = false;
    QVERIFY(m_pWnd->AddChromaGroupByIndex(6, info));
    QTest::mouseMove(m_pWnd, QPoint(202, 303));
    QCOMPARE(m_pWnd->m_ptMouse, QPoint(202, 303));
    QCOMPARE(m_pWnd->m_nCurGroup, 6);
    QCOMPARE(m_pWnd->m_nCurPoint, 2);
    QVERIFY(!m_pWnd->m_bCanMove);
    QTest::mouseMove(m_pWnd, PixelOf(info.m_ptColor[0]));
    QCOMPARE(m_pWnd->m_nCurPoint, 0);
    QVERIFY(m_pWnd->m_bCanMove);
    QTest::mouseMove(m_pWnd, QPoint(700, 50));
    QCOMPARE(m_pWnd->m_nCurGroup, -1);
    QCOMPARE(m_pWnd->m_nCurPoint, -1);
    QVERIFY(m_pWnd->m_bCanMove); // kept from the last point hovered
    QCOMPARE(m_nSignals, 0);
}

void TestChromaticityMouse::acceptedMoveKeepsCorrectedPoint()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    int nSignalGroup = -1;
    int nSignalPoint = -1;
    CPointEx<float> ptSeen;
    Answer([&](int nGroup, int nPoint, bool& bSuccessed) {
        nSignalGroup = nGroup;
        nSignalPoint = nPoint;
        ptSeen = m_pWnd->GetChromaGroupByIndex(nGroup)->m_ptColor[nPoint];
        bSuccessed = true;
    });
    const QPoint posGreen = PixelOf({0.3f, 0.6f});
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, posGreen);
    // Far outside the locus, top left.
    QTest::mouseMove(m_pWnd, QPoint(40, 20));
    QCOMPARE(m_nSignals, 1);
    QCOMPARE(nSignalGroup, 0);
    QCOMPARE(nSignalPoint, 1);
    const CPointEx<float> ptGreen = m_pWnd->GetChromaGroupByIndex(0)->m_ptColor[1];
    // The host saw the corrected point, and it stays.
    QCOMPARE(ptGreen, ptSeen);
    QVERIFY(m_pWnd->m_pGamutInterp->IsPointInCIEPolygon(CChromaticityDlgWnd::CPointFToQPointF(ptGreen)));
    QVERIFY(ptGreen != CPointEx<float>(0.3f, 0.6f));
    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
}

void TestChromaticityMouse::rejectedMoveTakesSuppliedPoint()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    Answer([this](int, int, bool&) { m_pWnd->SetNearstPoint(QPointF(0.3, 0.6)); });
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, PixelOf({0.3f, 0.6f}));
    QTest::mouseMove(m_pWnd, PixelOf({0.25f, 0.5f}));
    QTest::mouseMove(m_pWnd, PixelOf({0.2f, 0.7f}));
    QCOMPARE(m_nSignals, 2);
    QCOMPARE(m_pWnd->GetChromaGroupByIndex(0)->m_ptColor[1], CPointEx<float>(0.3f, 0.6f));
    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, PixelOf({0.2f, 0.7f}));
}

void TestChromaticityMouse::rejectedWhitePointKeepsCorrection()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    Answer([this](int, int, bool&) { m_pWnd->SetNearstPoint(QPointF(0.1, 0.1)); });
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, PixelOf({0.3127f, 0.329f}));
    QTest::mouseMove(m_pWnd, PixelOf({0.35f, 0.35f}));
    QCOMPARE(m_nSignals, 1);
    QCOMPARE(m_pWnd->GetChromaGroupByIndex(0)->m_ptColor[3], m_pWnd->PixelToChroma(PixelOf({0.35f, 0.35f})));
    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, PixelOf({0.35f, 0.35f}));
}

void TestChromaticityMouse::dragHidesStandardAndReleaseEndsIt()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    m_pWnd->ShowCIEStandard(0, enStandardRec709, true);
    QVERIFY(m_pWnd->m_bShowStandard);
    const QPoint posRed = PixelOf({0.64f, 0.33f});
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, posRed);
    QVERIFY(m_pWnd->m_bShowStandard); // a press alone keeps it
    QTest::mouseMove(m_pWnd, posRed + QPoint(-10, 0));
    QVERIFY(!m_pWnd->m_bShowStandard);
    QCOMPARE(m_pWnd->m_nGroupIndex, 0);

    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, posRed + QPoint(-10, 0));
    QCOMPARE(m_pWnd->m_nCurGroup, -1);
    QCOMPARE(m_pWnd->m_nCurPoint, -1);
    QVERIFY(!m_pWnd->m_bCanMove);
    QVERIFY(!m_pWnd->m_bDragging);
    QVERIFY(m_pWnd->m_bPressed);
    QCOMPARE(m_pWnd->cursor().shape(), Qt::ArrowCursor);
}

void TestChromaticityMouse::hostRemovingGroupDuringSignal()
{
    QVERIFY(m_pWnd->AddChromaGroupByIndex(0, SRGB()));
    Answer([this](int nGroup, int, bool&) { m_pWnd->RemoveChromaGroupByIndex(nGroup); });
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, PixelOf({0.3f, 0.6f}));
    QTest::mouseMove(m_pWnd, PixelOf({0.28f, 0.55f}));
    QTest::mouseMove(m_pWnd, PixelOf({0.26f, 0.5f}));
    // The second move finds the group gone and does nothing.
    QCOMPARE(m_nSignals, 1);
    QVERIFY(m_pWnd->m_mapGroup.isEmpty());
}

QTEST_MAIN(TestChromaticityMouse)
#include "tst_chromaticity_mouse.moc"
