#include "CChromaticityDlgWnd.h"
#include "ChromaFixture.h"
#include "ChromaGamutThread.h"
#include "ColorStandard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <memory>

// The gamut worker as the GUI thread feels it, at full HD with four groups and
// every slot set; the worst case is printed beside QBENCHMARK's average.
class BenchChromaticity : public QObject
{
    Q_OBJECT

private slots:
    // A paint with the mouse over the locus, idle and while the worker runs, and
    // the calls that must not wait for a run.
    void callDuringRun_data()
    {
        QTest::addColumn<int>("nCall");
        QTest::addColumn<bool>("bRun");
        QTest::newRow("paint idle") << 0 << false;
        QTest::newRow("paint") << 0 << true;
        QTest::newRow("SetSize") << 1 << true;
        QTest::newRow("SetWndData") << 2 << true;
        QTest::newRow("GetChromaticityBmp") << 3 << true;
    }
    void callDuringRun()
    {
        QFETCH(int, nCall);
        QFETCH(bool, bRun);
        const auto pWnd = NewWidget();
        pWnd->SetWndType(2);
        QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
        const auto fnPaint = [&] {
            QPainter painter(&image);
            pWnd->Draw(painter);
        };
        fnPaint(); // builds the gamut image, as the first paint in use does
        qint64 nWorst = 0;
        int nDuringRun = 0, nStep = 0;
        QBENCHMARK
        {
            if (bRun && !pWnd->GamutThread()->isRunning()) {
                pWnd->GamutThread()->wait();
                pWnd->GamutThread()->start();
            }
            nDuringRun += pWnd->GamutThread()->isRunning();
            const int nType = ++nStep % CChromaticityDlgWnd::WND_BITMAP_NUM;
            QElapsedTimer timer;
            timer.start();
            if (nCall == 0)
                fnPaint();
            else if (nCall == 1)
                pWnd->SetSize(1920 - nStep % 2, 1080);
            else if (nCall == 2)
                pWnd->SetWndData(nType, 1920 - nStep % 2, 1080);
            else
                pWnd->GetChromaticityBmp(nType);
            nWorst = std::max(nWorst, timer.nsecsElapsed());
        }
        Report(nWorst, nDuringRun);
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
        qint64 nWorst = 0;
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
        }
        Report(nWorst, bRunning);
    }

private:
    static std::unique_ptr<CChromaticityDlgWnd> NewWidget()
    {
        auto pWnd = std::make_unique<CChromaticityDlgWnd>();
        pWnd->resize(1920, 1080);
        pWnd->SetSize(1920, 1080);
        for (int nType = 0; nType < CChromaticityDlgWnd::WND_BITMAP_NUM; ++nType)
            pWnd->SetWndData(nType, 1920, 1080);
        const int arrKey[] = {g_nOutputColorSpaceKey, g_nScreenColorSpaceKey, 1, 2};
        const enColorStandard arrStandard[]
            = {enStandardSRGB, enStandardDCIP3, enStandardRec2020, enStandardNTSC};
        for (int i = 0; i < 4; ++i) {
            const SColorStandardGamut& s = ColorStandardGamut(arrStandard[i]);
            pWnd->AddChromaGroupByIndex(
                arrKey[i], ChromaFixture::Group(s.ptColor[0], s.ptColor[1], s.ptColor[2], s.ptColor[3]));
        }
        Send(*pWnd, QEvent::MouseMove, pWnd->ChromaToPixel({0.3f, 0.4f}).toPoint(), Qt::NoButton);
        return pWnd;
    }
    static void Send(CChromaticityDlgWnd& wnd, QEvent::Type enType, QPoint pos, Qt::MouseButtons buttons)
    {
        QMouseEvent event(enType, pos, pos, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&wnd, &event);
    }
    static void Report(qint64 nWorstNs, int nDuringRun)
    {
        qInfo("%s: worst %.2f ms (%d samples while the worker ran)", QTest::currentDataTag(),
            double(nWorstNs) / 1e6, nDuringRun);
    }
};

QTEST_MAIN(BenchChromaticity)
#include "bench_chromaticity.moc"
