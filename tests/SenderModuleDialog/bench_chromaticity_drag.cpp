#include "ChromaticityProbe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

using namespace ChromaFixture;

// One drag step as the host sees it: hit state, recalculation and the signal,
// answered at once. The widget is not shown, so nothing is painted.
class BenchChromaticityDrag : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dragStep_data();
    void dragStep();

private:
    void Send(QEvent::Type enType, QPoint pos, Qt::MouseButtons buttons);

    CChromaticityProbe* m_pWnd = nullptr;
};

void BenchChromaticityDrag::init()
{
    m_pWnd = new CChromaticityProbe;
    m_pWnd->SetSize(800, 600);
    QVERIFY(m_pWnd->AddChromaGroupByIndex(512, SRGB()));
    QVERIFY(m_pWnd->AddChromaGroupByIndex(768, SRGB()));
    connect(m_pWnd, &CChromaticityDlgWnd::OnPositionChangeSignal, this,
        [](int, int, bool& bSuccessed) { bSuccessed = true; });
}

void BenchChromaticityDrag::cleanup()
{
    delete m_pWnd;
    m_pWnd = nullptr;
}

void BenchChromaticityDrag::Send(QEvent::Type enType, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(enType, pos, pos, Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(m_pWnd, &event);
}

void BenchChromaticityDrag::dragStep_data()
{
    QTest::addColumn<int>("nPoint");
    QTest::addColumn<QPointF>("ptTarget1");
    QTest::addColumn<QPointF>("ptTarget2");
    QTest::newRow("colour point inside") << 1 << QPointF(0.28, 0.55) << QPointF(0.31, 0.58);
    QTest::newRow("colour point beyond the locus") << 1 << QPointF(0.05, 0.85) << QPointF(0.02, 0.8);
    QTest::newRow("colour point past the white point") << 2 << QPointF(0.36, 0.3) << QPointF(0.38, 0.28);
    QTest::newRow("white point beyond its triangle") << 3 << QPointF(0.5, 0.47) << QPointF(0.52, 0.46);
}

void BenchChromaticityDrag::dragStep()
{
    QFETCH(int, nPoint);
    QFETCH(QPointF, ptTarget1);
    QFETCH(QPointF, ptTarget2);
    const QPoint posPress
        = m_pWnd->ChromaToPixel(m_pWnd->GetChromaGroupByIndex(768)->m_ptColor[nPoint]).toPoint();
    const QPoint pos1 = m_pWnd->ChromaToPixel(CChromaticityDlgWnd::QPointFToCPointF(ptTarget1)).toPoint();
    const QPoint pos2 = m_pWnd->ChromaToPixel(CChromaticityDlgWnd::QPointFToCPointF(ptTarget2)).toPoint();
    Send(QEvent::MouseButtonPress, posPress, Qt::LeftButton);
    QCOMPARE(m_pWnd->m_nCurGroup, 768);
    QCOMPARE(m_pWnd->m_nCurPoint, nPoint);
    bool bFirst = true;
    QBENCHMARK
    {
        Send(QEvent::MouseMove, bFirst ? pos1 : pos2, Qt::LeftButton);
        bFirst = !bFirst;
    }
    Send(QEvent::MouseButtonRelease, pos1, Qt::NoButton);
}

QTEST_MAIN(BenchChromaticityDrag)
#include "bench_chromaticity_drag.moc"
