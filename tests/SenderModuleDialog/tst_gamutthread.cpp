#include "CChromaticityDlgWnd.h"
#include "ChromaDiagram.h"
#include "ChromaGamutThread.h"

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

// The worker needs no widget: a locus and the slots to fill.
void TestGamutThread::workerBuildsEverySlot()
{
    const QSize arrSize[] = {{320, 240}, {641, 481}, {150, 300}, {1024, 200}, {200, 200}};
    CChromaDiagram diagram;
    diagram.SetSize(600, 400);
    const SGamutLocus sLocus {diagram.LocusHull(), diagram.LocusPixelsF()};
    SChromaWndBitmap arrSlot[5];
    for (int i = 0; i < 5; ++i) {
        arrSlot[i].m_nWidth = arrSize[i].width();
        arrSlot[i].m_nHeight = arrSize[i].height();
    }
    CChromaGamutThread worker;
    worker.SetJob(sLocus, arrSlot, 5);
    QSignalSpy spyRunOver(&worker, &CChromaGamutThread::RunOver);
    worker.start();
    QVERIFY(worker.wait(60000));
    QCOMPARE(spyRunOver.count(), 1);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(arrSlot[i].m_bReady.load(std::memory_order_acquire) && arrSlot[i].m_pImage);
        QVERIFY(
            *arrSlot[i].m_pImage == BuildGamutImage(sLocus.Input(arrSize[i].width(), arrSize[i].height())));
        delete arrSlot[i].m_pImage;
    }
}

void TestGamutThread::destroyingTheWidgetJoinsTheWorker()
{
    auto* pWnd = new CChromaticityDlgWnd;
    pWnd->SetSize(900, 700);
    for (int nType = 0; nType < CChromaticityDlgWnd::WND_BITMAP_NUM; ++nType)
        pWnd->SetWndData(nType, 900, 900);
    std::atomic<bool> bFinished {false};
    connect(pWnd->GamutThread(), &QThread::finished, [&] { bFinished = true; });
    pWnd->GamutThread()->start();
    delete pWnd; // must wait for the worker, which writes the widget's slots
    QVERIFY(bFinished);
}

void TestGamutThread::paintOfASlotNotReadyReturnsPromptly()
{
    CChromaticityDlgWnd wnd;
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
    const SChromaWndBitmap& sBitmap = wnd.WndBitmap(3);
    CBlockedThread worker;
    worker.start();
    QVERIFY(!AcquireSlotImage(sBitmap, &worker, 5)); // an unbounded wait would deadlock here
    QVERIFY(worker.isRunning());
    worker.m_semRelease.release();
    QCOMPARE(AcquireSlotImage(sBitmap, &worker, ULONG_MAX), sBitmap.m_pImage);
}

QTEST_MAIN(TestGamutThread)
#include "tst_gamutthread.moc"
