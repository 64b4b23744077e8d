#include "CChromaticityDlgWnd.h"
#include "ChromaDiagram.h"
#include "ChromaGamutThread.h"

#include <QPainter>
#include <QSemaphore>
#include <QtTest>

#include <atomic>
#include <cstring>

namespace {

SGamutLocus LocusAt(CChromaDiagram& diagram, int nWidth, int nHeight)
{
    diagram.SetSize(nWidth, nHeight);
    return SGamutLocus {diagram.LocusHull(), diagram.LocusPixelsF()};
}

// A stand-in worker that runs until the test lets it finish.
class CBlockedThread : public QThread
{
public:
    QSemaphore m_semRelease;

protected:
    void run() override { m_semRelease.acquire(); }
};

} // namespace

class TestGamutImage : public QObject
{
    Q_OBJECT

private slots:
    void productionBuildMatchesReference()
    {
        // Widget size, image size, threads. A slot image of another size still
        // tests against the widget's polygon.
        const struct
        {
            int nWndWidth, nWndHeight, nWidth, nHeight, nThreads;
        } arrCases[] = {{800, 600, 800, 600, 0}, {333, 517, 333, 517, 3}, {400, 300, 1000, 700, 2},
            {900, 900, 211, 150, 4}};
        for (const auto& c : arrCases) {
            CChromaDiagram diagram;
            const SGamutImageInput sInput
                = LocusAt(diagram, c.nWndWidth, c.nWndHeight).Input(c.nWidth, c.nHeight);
            const QImage image = BuildGamutImage(sInput, c.nThreads);
            QVERIFY(image.format() == QImage::Format_ARGB32 && image.size() == QSize(c.nWidth, c.nHeight));
            QVERIFY(image == BuildGamutImageReference(sInput));
        }
    }

    void coloursFollowTheLocusCorners()
    {
        CChromaDiagram diagram;
        const QImage image = BuildGamutImage(LocusAt(diagram, 800, 600).Input(800, 600));
        const auto Pixel = [&](float fX, float fY) {
            return image.pixel(diagram.ChromaToPixel({fX, fY}).toPoint());
        };
        // Near-white at the equal-energy point.
        const QRgb rgbWhite = Pixel(1.0f / 3.0f, 1.0f / 3.0f);
        QVERIFY(
            qMin(qMin(qRed(rgbWhite), qGreen(rgbWhite)), qBlue(rgbWhite)) >= 245 && qAlpha(rgbWhite) == 255);
        // Beyond the line through G and B: no red.
        const QRgb rgbCyan = Pixel(0.06f, 0.3f);
        QVERIFY(qAlpha(rgbCyan) == 255 && qRed(rgbCyan) == 0 && qGreen(rgbCyan) > 200);
        const QRgb rgbRed = Pixel(0.72f, 0.27f);
        QVERIFY(qRed(rgbRed) == 255 && qGreen(rgbRed) < 110 && qBlue(rgbRed) < 80);
        // Outside the locus: transparent.
        for (const QRgb rgb : {Pixel(0.7f, 0.1f), Pixel(0.02f, 0.1f), Pixel(0.5f, 0.7f), image.pixel(0, 0)})
            QCOMPARE(rgb, qRgba(0, 0, 0, 0));
    }

    void channelLookupEqualsPower()
    {
        const auto Check = [](uint32_t nBits) {
            float fRatio;
            std::memcpy(&fRatio, &nBits, sizeof fRatio);
            QCOMPARE(GamutChannelFromRatio(fRatio), GamutChannelFromRatioReference(fRatio));
        };
        // Around every step of the channel, where a wrong threshold would show.
        for (int k = 1; k <= 255; ++k) {
            const float fStep = float(k * k) / (255.0f * 255.0f);
            uint32_t nCentre;
            std::memcpy(&nCentre, &fStep, sizeof nCentre);
            for (uint32_t nBits = nCentre - 300; nBits <= std::min(nCentre + 300, 0x3f800000u); ++nBits)
                Check(nBits);
        }
        for (uint32_t nBits = 0; nBits <= 0x3f800000u; nBits += 9973) // the whole interval, denormals too
            Check(nBits);
    }

    // The worker needs no widget: a locus and the slots to fill.
    void workerBuildsEverySlot()
    {
        const QSize arrSize[] = {{320, 240}, {641, 481}, {1024, 200}};
        CChromaDiagram diagram;
        const SGamutLocus sLocus = LocusAt(diagram, 600, 400);
        SChromaWndBitmap arrSlot[3];
        for (int i = 0; i < 3; ++i) {
            arrSlot[i].m_nWidth = arrSize[i].width();
            arrSlot[i].m_nHeight = arrSize[i].height();
        }
        CChromaGamutThread worker;
        worker.SetJob(sLocus, arrSlot, 3);
        QSignalSpy spyRunOver(&worker, &CChromaGamutThread::RunOver);
        worker.start();
        QVERIFY(worker.wait(60000) && spyRunOver.count() == 1);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(arrSlot[i].m_bReady.load(std::memory_order_acquire) && arrSlot[i].m_pImage);
            QVERIFY(*arrSlot[i].m_pImage
                == BuildGamutImage(sLocus.Input(arrSize[i].width(), arrSize[i].height())));
            delete arrSlot[i].m_pImage;
        }

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

    void paintOfASlotNotReadyReturnsPromptly()
    {
        CChromaticityDlgWnd wnd;
        wnd.SetSize(400, 300);
        wnd.SetWndType(3);
        QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
        const QPoint ptInside = wnd.ChromaToPixel({0.25f, 0.45f}).toPoint();
        const auto PaintedInside = [&] {
            QPainter painter(&image);
            wnd.Draw(painter);
            return image.pixelColor(ptInside);
        };
        // Never built: the chart is drawn without the gamut fill.
        QCOMPARE(PaintedInside(), QColor(50, 50, 50));
        wnd.SetWndData(3, 400, 300);
        QVERIFY(PaintedInside() != QColor(50, 50, 50));
        int nWidth = 11, nHeight = 12; // only types 0 to 4 have a slot
        for (int nType : {-1, 5}) {
            wnd.SetWndData(nType, 320, 240);
            wnd.GetWndData(nType, nWidth, nHeight);
        }
        QVERIFY(nWidth == 11 && nHeight == 12);

        // Ready, but the worker may be rewriting it: not used, and no waiting beyond the bound.
        const SChromaWndBitmap& sBitmap = wnd.WndBitmap(3);
        CBlockedThread worker;
        worker.start();
        QVERIFY(!AcquireSlotImage(sBitmap, &worker, 5)); // an unbounded wait would deadlock here
        worker.m_semRelease.release();
        QCOMPARE(AcquireSlotImage(sBitmap, &worker, ULONG_MAX), sBitmap.m_pImage);
    }
};

QTEST_MAIN(TestGamutImage)
#include "tst_gamutimage.moc"
