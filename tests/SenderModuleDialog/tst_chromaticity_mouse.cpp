// Real events through the window system, so that a move after a press carries the held button.
#define QTEST_QPA_MOUSE_HANDLING
#include "ChromaticityProbe.h"

#include <QtTest>

using namespace ChromaFixture;

class TestChromaticityMouse : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_pWnd; }

    void hitSquare_data();
    void hitSquare();
    void overlappingPointsPickHigherMovableKey();
    void noDragWithoutMovableLeftPress_data();
    void noDragWithoutMovableLeftPress();
    void dragAppliesHostAnswer();

private:
    // Group nKey with green at the pixel (200, 300) of the round mapping.
    SChromaGroupInfo* AddGroup(int nKey, bool bMovable = true)
    {
        SChromaGroupInfo info = SRGB();
        info.m_ptColor[1] = {0.35f, 0.55f};
        info.m_bMovable[1] = bMovable;
        m_pWnd->AddChromaGroupByIndex(nKey, info);
        return m_pWnd->GetChromaGroupByIndex(nKey);
    }
    void Drag(QPoint posFrom, QPoint posTo, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(m_pWnd, button, Qt::NoModifier, posFrom);
        QTest::mouseMove(m_pWnd, posTo);
    }
    QPoint PixelOf(CPointEx<float> pt) const { return m_pWnd->ChromaToPixel(pt).toPoint(); }

    CChromaticityProbe* m_pWnd = nullptr;
    int m_nSignals = 0;
    bool m_bReject = false; // then the host supplies (0.3, 0.6) instead
    CPointEx<float> m_ptSeen; // the moved point as the host saw it
};

void TestChromaticityMouse::init()
{
    m_pWnd = new CChromaticityProbe;
    m_pWnd->resize(800, 600);
    m_pWnd->UseRoundMapping();
    m_pWnd->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWnd));
    m_nSignals = 0;
    m_bReject = false;
    connect(m_pWnd, &CChromaticityDlgWnd::OnPositionChangeSignal, this,
        [this](int nGroup, int nPoint, bool& bOk) {
            ++m_nSignals;
            m_ptSeen = m_pWnd->GetChromaGroupByIndex(nGroup)->m_ptColor[nPoint];
            if (m_bReject)
                m_pWnd->SetNearstPoint(QPointF(0.3, 0.6));
            else
                bOk = true;
        });
}

void TestChromaticityMouse::hitSquare_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("bHit");
    QTest::newRow("left edge") << QPoint(195, 300) << true;
    QTest::newRow("left of it") << QPoint(194, 300) << false;
    QTest::newRow("bottom-right corner") << QPoint(205, 305) << true;
    QTest::newRow("right of it") << QPoint(206, 300) << false;
    QTest::newRow("above it") << QPoint(200, 294) << false;
}

void TestChromaticityMouse::hitSquare()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, bHit);
    AddGroup(3);
    QCOMPARE(m_pWnd->ChromaToPixel({0.35f, 0.55f}), QPointF(200, 300));
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(m_pWnd->m_nCurGroup, bHit ? 3 : -1);
    QCOMPARE(m_pWnd->m_nCurPoint, bHit ? 1 : -1);
    QCOMPARE(m_pWnd->m_bDragging, bHit);
    QCOMPARE(m_pWnd->cursor().shape(), bHit ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void TestChromaticityMouse::overlappingPointsPickHigherMovableKey()
{
    AddGroup(1);
    AddGroup(2);
    AddGroup(3, false); // an immovable marker on top gives way
    QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(201, 299));
    QCOMPARE(m_pWnd->m_nCurGroup, 2);
    QCOMPARE(m_pWnd->m_nCurPoint, 1);
}

void TestChromaticityMouse::noDragWithoutMovableLeftPress_data()
{
    QTest::addColumn<int>("nButton");
    QTest::addColumn<bool>("bMovable");
    QTest::newRow("right press") << int(Qt::RightButton) << true;
    QTest::newRow("immovable point") << int(Qt::LeftButton) << false;
}

void TestChromaticityMouse::noDragWithoutMovableLeftPress()
{
    QFETCH(int, nButton);
    QFETCH(bool, bMovable);
    SChromaGroupInfo* pGroup = AddGroup(0, bMovable);
    Drag(QPoint(200, 300), QPoint(230, 280), Qt::MouseButton(nButton));
    QTest::mouseMove(m_pWnd, QPoint(260, 260));
    QVERIFY(!m_pWnd->m_bDragging);
    QCOMPARE(pGroup->m_ptColor[1], CPointEx<float>(0.35f, 0.55f));
    QCOMPARE(m_nSignals, 0);
}

void TestChromaticityMouse::dragAppliesHostAnswer()
{
    SChromaGroupInfo* pGroup = AddGroup(0);
    m_pWnd->ShowCIEStandard(0, enStandardRec709, true);
    Drag(QPoint(200, 300), QPoint(40, 20)); // far outside the locus; the host accepts
    QVERIFY(!m_pWnd->m_bShowStandard); // a drag hides the standard gamut
    QCOMPARE(m_nSignals, 1);
    QCOMPARE(pGroup->m_ptColor[1], m_ptSeen);
    QVERIFY(m_pWnd->InLocus(m_ptSeen) && m_ptSeen != CPointEx<float>(0.35f, 0.55f));

    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    m_bReject = true;
    Drag(PixelOf(m_ptSeen), PixelOf({0.25f, 0.5f}));
    QCOMPARE(m_nSignals, 2);
    QCOMPARE(pGroup->m_ptColor[1], CPointEx<float>(0.3f, 0.6f));
    // The supplied point is for colour points: the white point keeps its own.
    QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, PixelOf({0.25f, 0.5f}));
    Drag(PixelOf(pGroup->m_ptColor[3]), PixelOf({0.35f, 0.35f}));
    QCOMPARE(pGroup->m_ptColor[3], m_ptSeen);
}

QTEST_MAIN(TestChromaticityMouse)
#include "tst_chromaticity_mouse.moc"
