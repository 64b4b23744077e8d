#include "ChromaGamutThread.h"
#include "ChromaRenderProbe.h"

#include <QPainter>
#include <QSemaphore>
#include <QtTest>

#include <atomic>

namespace {

// A stand-in worker that runs until the test lets it finish.
class CBlockedThread : public QThread
{
public:
    QSemaphore m_semRelease;

protected:
    void run() override { m_semRelease.acquire(); }
};

} // namespace

class TestGamutThread : public QObject
{
    Q_OBJECT

private slots:
    void workerBuildsEverySlot();
    void destroyingTheWidgetJoinsTheWorker();
    void paintOfASlotNotReadyReturnsPromptly();
};

void TestGamutThread::workerBuildsEverySlot()
{
    const QSize arrSize[] = {{320, 240}, {641, 481}, {150, 300}, {1024, 200}, {200, 200}};
    CChromaRenderProbe wnd;
    wnd.SetSize(600, 400);
    for (int i = 0; i < CChromaticityDlgWnd::WND_BITMAP_NUM; ++i) {
        wnd.m_sWndBitmap[i].m_nWidth = arrSize[i].width();
        wnd.m_sWndBitmap[i].m_nHeight = arrSize[i].height();
    }
    auto* pWorker = static_cast<CChromaGamutThread*>(wnd.m_pGamutThread);
    int nRunOver = 0; // counted in this thread, as the widget's own handler is
    QObject context;
    connect(pWorker, &CChromaGamutThread::RunOver, &context, [&] { ++nRunOver; });
    pWorker->start();
    QTRY_COMPARE_WITH_TIMEOUT(nRunOver, 1, 60000);
    QTRY_VERIFY(pWorker->isFinished()); // the widget's handler joins it

    for (int i = 0; i < CChromaticityDlgWnd::WND_BITMAP_NUM; ++i) {
        const SChromaWndBitmap& sBitmap = wnd.m_sWndBitmap[i];
        QVERIFY(sBitmap.m_bReady.load(std::memory_order_acquire));
        QVERIFY(sBitmap.m_pImage);
        QVERIFY(
            *sBitmap.m_pImage == BuildGamutImage(wnd.GamutInput(arrSize[i].width(), arrSize[i].height())));
    }
}

void TestGamutThread::destroyingTheWidgetJoinsTheWorker()
{
    auto* pWnd = new CChromaRenderProbe;
    pWnd->SetSize(900, 700);
    for (SChromaWndBitmap& sBitmap : pWnd->m_sWndBitmap)
        sBitmap.m_nWidth = sBitmap.m_nHeight = 900;
    std::atomic<bool> bFinished {false};
    connect(pWnd->m_pGamutThread, &QThread::finished, [&] { bFinished = true; });
    pWnd->m_pGamutThread->start();
    delete pWnd; // must wait for the worker, which reads the widget's arrays
    QVERIFY(bFinished);
}

void TestGamutThread::paintOfASlotNotReadyReturnsPromptly()
{
    CChromaRenderProbe wnd;
    wnd.SetSize(400, 300);
    wnd.SetWndType(3);
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    const QPoint ptInside = wnd.ChromaToPixel({0.25f, 0.45f}).toPoint();
    const auto Paint = [&] {
        QPainter painter(&image);
        wnd.Draw(painter);
    };
    // Never built: the chart is drawn without the gamut fill.
    Paint();
    QCOMPARE(image.pixel(ptInside), QColor(50, 50, 50).rgb());
    wnd.SetWndData(3, 400, 300);
    Paint();
    QVERIFY(image.pixel(ptInside) != QColor(50, 50, 50).rgb());

    // Ready, but the worker may be rewriting it: not used, and no waiting beyond the bound.
    const SChromaWndBitmap& sBitmap = wnd.m_sWndBitmap[3];
    CBlockedThread worker;
    worker.start();
    QVERIFY(!AcquireSlotImage(sBitmap, &worker, 5)); // an unbounded wait would deadlock here
    QVERIFY(worker.isRunning());
    worker.m_semRelease.release();
    QCOMPARE(AcquireSlotImage(sBitmap, &worker, ULONG_MAX), sBitmap.m_pImage);
}

QTEST_MAIN(TestGamutThread)
#include "tst_gamutthread.moc"
