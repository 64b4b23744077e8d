#include "CChromaticityDlgWnd.h"
#include "ChromaDiagram.h"
#include "ChromaFixture.h"
#include "ChromaWndAccess.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

// One drag step as the host sees it: the mouse event, the recalculation and
// the signal, answered at once. The widget is not shown, so nothing is painted.
class BenchChromaticityDrag : public QObject
{
    Q_OBJECT

private slots:
    void dragStep();
};

void BenchChromaticityDrag::dragStep()
{
    CChromaticityDlgWnd wnd;
    wnd.SetSize(800, 600);
    QVERIFY(wnd.AddChromaGroupByIndex(512, ChromaFixture::SRGB()));
    QVERIFY(wnd.AddChromaGroupByIndex(768, ChromaFixture::SRGB()));
    connect(
        &wnd, &CChromaticityDlgWnd::OnPositionChangeSignal, this, [](int, int, bool& bOk) { bOk = true; });
    const auto fnSend = [&](QEvent::Type enType, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent event(enType, pos, pos, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&wnd, &event);
    };
    // Green dragged to and fro beyond the locus, the costlier path.
    const QPoint arrPos[2]
        = {wnd.ChromaToPixel({0.05f, 0.85f}).toPoint(), wnd.ChromaToPixel({0.02f, 0.8f}).toPoint()};
    fnSend(QEvent::MouseButtonPress, wnd.ChromaToPixel({0.3f, 0.6f}).toPoint(), Qt::LeftButton);
    QCOMPARE(Diagram(wnd).CurGroup(), 768);
    int nStep = 0;
    QBENCHMARK
    {
        fnSend(QEvent::MouseMove, arrPos[++nStep % 2], Qt::LeftButton);
    }
    QVERIFY(Diagram(wnd).IsInLocus(wnd.GetChromaGroupByIndex(768)->m_ptColor[1]));
}

QTEST_MAIN(BenchChromaticityDrag)
#include "bench_chromaticity_drag.moc"
