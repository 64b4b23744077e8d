#include "ChromaGamutThread.h"
#include "ChromaRenderProbe.h"

#include <QImage>
#include <QPainter>
#include <QSemaphore>
#include <QtTest>

#include <atomic>

#if defined(__SANITIZE_THREAD__)
// Qt's own mutexes are futexes that ThreadSanitizer cannot see, so the joins
// inside QtTest's watchdog look like races. Nothing of ours is suppressed.
extern "C" const char* __tsan_default_suppressions()
{
    return "race:QWaitCondition::~QWaitCondition\n"
           "race:QTest::qRun\n";
}
#endif

namespace {

// A stand-in worker that runs until the test lets it finish.
class CBlockedThread : public QThread
{
public:
    QSemaphore m_semRelease;

protected:
    void run() override { m_semRelease.acquire(); }
};

const QSize g_arrSlotSize[CChromaticityDlgWnd::WND_BITMAP_NUM]
    = {{320, 240}, {641, 481}, {150, 300}, {1024, 200}, {200, 200}};

} // namespace

class TestGamutThread : public QObject
{
    Q_OBJECT

private slots:
    void workerBuildsEverySlot();
    void destroyingTheWidgetJoinsTheWorker();
    void paintGivesUpOnABusyWorker();
    void paintOfASlotNeverBuiltDrawsNoGamut();
    void ownImageAndUnknownTypes();
};

void TestGamutThread::workerBuildsEverySlot()
{
    CChromaRenderProbe wnd;
    wnd.SetSize(600, 400);
    for (int i = 0; i < CChromaticityDlgWnd::WND_BITMAP_NUM; ++i) {
        wnd.m_sWndBitmap[i].m_nWidth = g_arrSlotSize[i].width();
        wnd.m_sWndBitmap[i].m_nHeight = g_arrSlotSize[i].height();
        QVERIFY(!wnd.m_sWndBitmap[i].m_bReady);
    }
    CChromaGamutThread* pWorker = static_cast<CChromaGamutThread*>(wnd.m_pGamutThread);
    int nRunOver = 0; // counted in this thread, as the widget's own handler is
    QObject context;
    connect(pWorker, &CChromaGamutThread::RunOver, &context, [&] { ++nRunOver; });
    pWorker->start();
    QTRY_COMPARE_WITH_TIMEOUT(nRunOver, 1, 60000);
    // The widget's handler joins the worker as soon as the event loop runs it.
    QTRY_VERIFY(pWorker->isFinished());

    for (int i = 0; i < CChromaticityDlgWnd::WND_BITMAP_NUM; ++i) {
        const SChromaWndBitmap& sBitmap = wnd.m_sWndBitmap[i];
        QVERIFY(sBitmap.m_bReady.load(std::memory_order_acquire));
        QVERIFY(sBitmap.m_pImage);
        QCOMPARE(sBitmap.m_pImage->size(), g_arrSlotSize[i]);
        QVERIFY(*sBitmap.m_pImage
            == BuildGamutImage(wnd.GamutInput(g_arrSlotSize[i].width(), g_arrSlotSize[i].height())));
    }
    QVERIFY(!wnd.m_pGamutImage); // the widget's own image is not the worker's

    // A rebuild from the GUI thread replaces the image and keeps the flag.
    const QImage* pOld = wnd.m_sWndBitmap[1].m_pImage;
    wnd.SetWndData(1, 300, 300);
    QVERIFY(wnd.m_sWndBitmap[1].m_pImage != pOld);
    QCOMPARE(wnd.m_sWndBitmap[1].m_pImage->size(), QSize(300, 300));
    QVERIFY(wnd.m_sWndBitmap[1].m_bReady);
}

void TestGamutThread::destroyingTheWidgetJoinsTheWorker()
{
    auto* pWnd = new CChromaRenderProbe;
    pWnd->SetSize(900, 700);
    for (int i = 0; i < CChromaticityDlgWnd::WND_BITMAP_NUM; ++i) {
        pWnd->m_sWndBitmap[i].m_nWidth = 1200;
        pWnd->m_sWndBitmap[i].m_nHeight = 900;
    }
    QThread* pWorker = pWnd->m_pGamutThread;
    std::atomic<bool> bFinished {false};
    connect(pWorker, &QThread::finished, [&] { bFinished = true; });
    pWorker->start();
    delete pWnd; // must wait for the worker, which reads the widget's arrays
    QVERIFY(bFinished);
}

void TestGamutThread::paintGivesUpOnABusyWorker()
{
    CChromaRenderProbe wnd;
    wnd.SetWndData(0, 200, 150);
    const SChromaWndBitmap& sBitmap = wnd.m_sWndBitmap[0];
    QCOMPARE(AcquireSlotImage(sBitmap, nullptr, 0), sBitmap.m_pImage);

    CBlockedThread worker;
    worker.start();
    // Ready, but the worker may be rewriting it: not used, and no waiting beyond the bound.
    QVERIFY(!AcquireSlotImage(sBitmap, &worker, 5));
    QVERIFY(worker.isRunning());
    worker.m_semRelease.release();
    QCOMPARE(AcquireSlotImage(sBitmap, &worker, ULONG_MAX), sBitmap.m_pImage);
    QVERIFY(worker.isFinished());
}

void TestGamutThread::paintOfASlotNeverBuiltDrawsNoGamut()
{
    CChromaRenderProbe wnd;
    wnd.SetSize(400, 300);
    wnd.SetWndType(3);
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    wnd.Draw(painter);
    painter.end();
    QVERIFY(!wnd.m_sWndBitmap[3].m_bReady);
    // The chart is there, the gamut fill is not: the background shows inside the locus.
    const QPoint ptInside = wnd.ChromaToPixel(CPointEx<float>(0.25f, 0.45f)).toPoint();
    QCOMPARE(image.pixel(ptInside), QColor(50, 50, 50).rgb());

    wnd.SetWndData(3, 400, 300);
    QPainter painter2(&image);
    wnd.Draw(painter2);
    painter2.end();
    QVERIFY(image.pixel(ptInside) != QColor(50, 50, 50).rgb());
}

void TestGamutThread::ownImageAndUnknownTypes()
{
    CChromaRenderProbe wnd;
    wnd.SetSize(300, 200);
    wnd.GetChromaticityBmp(7);
    wnd.GetChromaticityBmp(-2);
    QVERIFY(!wnd.m_pGamutImage);
    for (const SChromaWndBitmap& sBitmap : wnd.m_sWndBitmap)
        QVERIFY(!sBitmap.m_pImage && !sBitmap.m_bReady);

    // Built on the first paint at the widget's size, and kept after a resize.
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    wnd.Draw(painter);
    QVERIFY(wnd.m_pGamutImage);
    const QImage* pFirst = wnd.m_pGamutImage;
    QCOMPARE(pFirst->size(), QSize(300, 200));
    wnd.SetSize(500, 400);
    wnd.Draw(painter);
    QCOMPARE(wnd.m_pGamutImage, pFirst);
    QCOMPARE(pFirst->size(), QSize(300, 200));
}

QTEST_MAIN(TestGamutThread)
#include "tst_gamutthread.moc"
