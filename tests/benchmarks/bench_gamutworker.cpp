#include "CChromaticityDlgWnd.h"
#include "ChromaGamutThread.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <memory>

// The gamut worker at full HD, as the GUI thread feels it: a paint, a size or
// slot change and the widget's destruction while a run is under way. The
// average comes from QBENCHMARK, the worst case is printed beside it.
class BenchGamutWorker : public QObject
{
    Q_OBJECT

private slots:
    void paintDuringRun()
    {
        const auto pWnd = NewWidget();
        pWnd->SetWndType(2);
        QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
        qint64 nWorst = 0;
        int nDuringRun = 0;
        QBENCHMARK
        {
            KeepRunning(*pWnd);
            nDuringRun += pWnd->GamutThread()->isRunning();
            QElapsedTimer timer;
            timer.start();
            QPainter painter(&image);
            pWnd->Draw(painter);
            painter.end();
            nWorst = std::max(nWorst, timer.nsecsElapsed());
        }
        Report("paint", nWorst, nDuringRun);
        pWnd->GamutThread()->wait();
    }

    void callDuringRun_data()
    {
        QTest::addColumn<int>("nCall");
        QTest::newRow("SetSize") << 0;
        QTest::newRow("SetWndData") << 1;
        QTest::newRow("GetChromaticityBmp") << 2;
    }
    void callDuringRun()
    {
        QFETCH(int, nCall);
        const auto pWnd = NewWidget();
        qint64 nWorst = 0;
        int nDuringRun = 0, nStep = 0;
        QBENCHMARK
        {
            KeepRunning(*pWnd);
            nDuringRun += pWnd->GamutThread()->isRunning();
            const int nType = ++nStep % CChromaticityDlgWnd::WND_BITMAP_NUM;
            QElapsedTimer timer;
            timer.start();
            if (nCall == 0)
                pWnd->SetSize(1920 - nStep % 2, 1080);
            else if (nCall == 1)
                pWnd->SetWndData(nType, 1920 - nStep % 2, 1080);
            else
                pWnd->GetChromaticityBmp(nType);
            nWorst = std::max(nWorst, timer.nsecsElapsed());
        }
        Report(QTest::currentDataTag(), nWorst, nDuringRun);
        pWnd->GamutThread()->wait();
    }

    // Beside an idle widget's, so that the difference is the worker's stop.
    void destructorDuringRun_data()
    {
        QTest::addColumn<bool>("bRunning");
        QTest::newRow("idle") << false;
        QTest::newRow("running") << true;
    }
    void destructorDuringRun()
    {
        QFETCH(bool, bRunning);
        qint64 nWorst = 0, nTotal = 0;
        int nCount = 0;
        QBENCHMARK
        {
            auto pWnd = NewWidget();
            if (bRunning)
                pWnd->GamutThread()->start();
            QThread::msleep(5);
            QElapsedTimer timer;
            timer.start();
            pWnd.reset();
            nWorst = std::max(nWorst, timer.nsecsElapsed());
            nTotal += timer.nsecsElapsed();
            ++nCount;
        }
        qInfo("%s: mean %.2f ms", QTest::currentDataTag(), double(nTotal) / 1e6 / std::max(1, nCount));
        Report(QTest::currentDataTag(), nWorst, bRunning);
    }

private:
    // Every slot at full HD, built once before the runs begin.
    static std::unique_ptr<CChromaticityDlgWnd> NewWidget()
    {
        auto pWnd = std::make_unique<CChromaticityDlgWnd>();
        pWnd->resize(1920, 1080);
        pWnd->SetSize(1920, 1080);
        for (int nType = 0; nType < CChromaticityDlgWnd::WND_BITMAP_NUM; ++nType)
            pWnd->SetWndData(nType, 1920, 1080);
        return pWnd;
    }
    static void KeepRunning(CChromaticityDlgWnd& wnd)
    {
        if (!wnd.GamutThread()->isRunning()) {
            wnd.GamutThread()->wait();
            wnd.GamutThread()->start();
        }
    }
    static void Report(const char* pszWhat, qint64 nWorstNs, int nDuringRun)
    {
        qInfo("%s: worst %.2f ms (%d samples while the worker ran)", pszWhat, double(nWorstNs) / 1e6,
            nDuringRun);
    }
};

QTEST_MAIN(BenchGamutWorker)
#include "bench_gamutworker.moc"
