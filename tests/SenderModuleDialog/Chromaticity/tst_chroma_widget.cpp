// Real events through the window system, so that a move after a press carries the held button.
#define QTEST_QPA_MOUSE_HANDLING
#include "CChromaticityDlgWnd.h"
#include "ChromaDiagram.h"
#include "ChromaDiagramPainter.h"
#include "ChromaFixture.h"
#include "ChromaWndAccess.h"
#include "GamutSlots.h"

#include <QPaintEngine>
#include <QPainter>
#include <QSemaphore>
#include <QtTest>

#include <atomic>
#include <cstring>

using namespace ChromaFixture;
using Point = CPointEx<float>;

namespace {

// Records the crosshair's lines and the texts (each followed by '|') a paint asks for.
class CRecorder : public QImage, public QPaintEngine
{
public:
    CRecorder()
        : QImage(800, 600, QImage::Format_ARGB32)
        , QPaintEngine(AllFeatures)
    {
    }
    struct SRecording
    {
        QVector<QLineF> vecCross;
        QString strText;
    } m_sRecording;
    QColor m_clrPen;

    QPaintEngine* paintEngine() const override { return const_cast<CRecorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            m_clrPen = state.pen().color();
    }
    void drawLines(const QLineF* pLines, int nCount) override
    {
        for (int i = 0; m_clrPen == QColor(255, 240, 240, 240) && i < nCount; ++i)
            m_sRecording.vecCross.append(pLines[i]);
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override
    {
        m_sRecording.strText += item.text() + '|';
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { }
};

// Records one drawing step (by default the whole paint).
CRecorder::SRecording Record(
    CChromaticityDlgWnd& wnd, void (CChromaticityDlgWnd::*pfnStep)(QPainter&) = &CChromaticityDlgWnd::Draw)
{
    CRecorder recorder;
    QPainter painter(&recorder);
    (wnd.*pfnStep)(painter);
    painter.end();
    return recorder.m_sRecording;
}

QImage Paint(CChromaticityDlgWnd& wnd, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    wnd.Draw(painter);
    return image;
}

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

class TestChromaWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_pWnd = new CChromaticityDlgWnd;
        m_pWnd->resize(800, 600);
        m_pWnd->SetSize(800, 600);
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

    void cleanup() { delete m_pWnd; }

    void pressPicksAMovablePoint()
    {
        AddGroup(3);
        // Scale 600: the square reaches 6 pixels to each side, edges included.
        const QPair<QPoint, bool> arrPress[] = {{{194, 300}, true}, {{193, 300}, false}, {{206, 306}, true},
            {{207, 300}, false}, {{200, 293}, false}};
        QVERIFY(!Diagram(*m_pWnd).IsPressed());
        for (const auto& press : arrPress) {
            QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, press.first);
            QCOMPARE(m_pWnd->cursor().shape(), press.second ? Qt::SizeAllCursor : Qt::ArrowCursor);
            QCOMPARE(Diagram(*m_pWnd).CurGroup(), press.second ? 3 : -1);
            QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, press.first);
        }
        QVERIFY(Diagram(*m_pWnd).IsPressed()); // a hit sets it; nothing clears it
        // Overlapping points: the higher movable key wins, an immovable marker on top gives way.
        m_pWnd->RemoveChromaGroupByIndex(3);
        AddGroup(1);
        AddGroup(2);
        AddGroup(3, false);
        QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(201, 299));
        QVERIFY(Diagram(*m_pWnd).CurGroup() == 2 && Diagram(*m_pWnd).CurPoint() == 1);
        QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(201, 299));
        m_pWnd->ReleaseChromaData();

        // With green hovered, no drag: a right press, a press on an immovable point, a press beside it.
        const struct
        {
            Qt::MouseButton button;
            bool bMovable;
            QPoint posPress;
        } arrCases[] = {{Qt::RightButton, true, {200, 300}}, {Qt::LeftButton, false, {200, 300}},
            {Qt::LeftButton, true, {300, 300}}};
        for (const auto& c : arrCases) {
            const SChromaGroupInfo* pGroup = AddGroup(0, c.bMovable);
            const Point ptGreen = pGroup->m_ptColor[1];
            QTest::mouseMove(m_pWnd, QPoint(200, 300));
            QCOMPARE(Diagram(*m_pWnd).CurGroup(), 0);
            Drag(c.posPress, QPoint(230, 280), c.button);
            QTest::mouseMove(m_pWnd, QPoint(260, 260));
            QVERIFY(!Diagram(*m_pWnd).IsDragging() && pGroup->m_ptColor[1] == ptGreen && m_nSignals == 0);
            QTest::mouseRelease(m_pWnd, c.button, Qt::NoModifier, QPoint(260, 260));
            m_pWnd->RemoveChromaGroupByIndex(0);
        }
    }

    void dragAppliesHostAnswer()
    {
        const SChromaGroupInfo* pGroup = AddGroup(0);
        m_pWnd->ShowCIEStandard(0, enStandardRec709, true);
        Drag(QPoint(200, 300), QPoint(40, 20)); // far outside the locus; the host accepts
        QVERIFY(!Diagram(*m_pWnd).IsStandardShown()); // a drag hides the standard gamut
        QCOMPARE(m_nSignals, 1);
        QCOMPARE(pGroup->m_ptColor[1], m_ptSeen);
        QVERIFY(Diagram(*m_pWnd).IsInLocus(m_ptSeen) && IsWhiteInside(*pGroup));

        m_bReject = true;
        Drag(PixelOf(m_ptSeen), PixelOf({0.25f, 0.5f}));
        QCOMPARE(m_nSignals, 2);
        QCOMPARE(pGroup->m_ptColor[1], Point(0.3f, 0.6f));
        // The supplied point is for colour points: the white point keeps its own.
        Drag(PixelOf(pGroup->m_ptColor[3]), PixelOf({0.35f, 0.35f}));
        QCOMPARE(m_nSignals, 3);
        QCOMPARE(pGroup->m_ptColor[3], m_ptSeen);
    }

    void readOutAndCrosshairFollowTheMouse()
    {
        const auto fnReadOut = [this] {
            const CRecorder::SRecording sRecording = Record(*m_pWnd);
            return sRecording.strText.contains("x : ") || !sRecording.vecCross.isEmpty();
        };
        // Outside the locus neither read-out nor crosshair.
        for (const QPoint& pos : {QPoint(5, 5), PixelOf({0.7f, 0.1f}), PixelOf({0.05f, 0.1f})}) {
            QTest::mouseMove(m_pWnd, pos);
            QVERIFY(!fnReadOut());
        }
        // Inside both, the crosshair through the mouse; over a point it reads that point, to four decimals.
        const QPoint pos = PixelOf({0.3f, 0.4f});
        QTest::mouseMove(m_pWnd, pos);
        const CRecorder::SRecording sInside = Record(*m_pWnd);
        QVERIFY(sInside.strText.contains("x : 0.3"));
        QCOMPARE(sInside.vecCross,
            QVector<QLineF>({QLineF(0, pos.y(), 800, pos.y()), QLineF(pos.x(), 0, pos.x(), 600)}));
        m_pWnd->AddChromaGroupByIndex(4, Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3f, 0.3f}));
        QTest::mouseMove(m_pWnd, PixelOf({0.3f, 0.3f}) + QPoint(2, 1));
        QCOMPARE(
            Record(*m_pWnd, &CChromaticityDlgWnd::DrawTipsString).strText, QString("x : 0.3000|y : 0.3000|"));
        // Once the mouse has left, nothing follows it.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_pWnd, &leave);
        QVERIFY(!fnReadOut());
    }

    void legendFollowsTheGroupKey()
    {
        const QString strTitle = QString::fromUtf8("输出颜色空间");
        m_pWnd->AddChromaGroupByIndex(g_nOutputColorSpaceKey, SRGB());
        QString strText = Record(*m_pWnd).strText;
        QVERIFY2(strText.contains(strTitle + "|") && !strText.contains("%"), qPrintable(strText));

        // Set with the struct's default m_nIndex of 0 on both keys: the key still decides.
        const SChromaGroupInfo sScreen = Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.225f, 0.33f}, {0.35f, 0.4f});
        QVERIFY(m_pWnd->SetChromaGroupByIndex(g_nScreenColorSpaceKey, sScreen));
        QVERIFY(m_pWnd->SetChromaGroupByIndex(g_nScreenColorSpaceKey, sScreen));
        const int nRatio = m_pWnd->CalcRatio();
        QVERIFY(nRatio > 0 && nRatio < 100);
        strText = Record(*m_pWnd).strText.remove(QChar('|'));
        QVERIFY2(strText.contains(QString::fromUtf8("%1, %2% 被覆盖").arg(strTitle).arg(nRatio))
                && strText.contains(QString::fromUtf8("屏幕颜色空间（校正后）")),
            qPrintable(strText));

        // Groups past the listed colours still get colours of their own.
        QSet<QRgb> setColours;
        for (int i = 0; i < 24; ++i)
            setColours.insert(CChromaDiagramPainter::DefaultLineColor(i).rgb());
        QCOMPARE(setColours.size(), 24);
    }

    void ownGamutImageFollowsSetSize()
    {
        m_pWnd->SetSize(400, 300);
        Paint(*m_pWnd, QSize(400, 300)); // builds the widget's own image at this size
        m_pWnd->SetSize(800, 600);
        // Red end of the locus: beyond the old image to the right.
        const QPoint pos = PixelOf({0.66f, 0.32f});
        const QColor clr = Paint(*m_pWnd, QSize(800, 600)).pixelColor(pos);
        QVERIFY2(clr != QColor(50, 50, 50) && clr.red() > 200, qPrintable(clr.name()));
    }

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
            const SGamutLocus sLocus = LocusAt(diagram, c.nWndWidth, c.nWndHeight); // Input points into it
            const SGamutImageInput sInput = sLocus.Input(c.nWidth, c.nHeight);
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
        // Near-white at the equal-energy point; beyond the line through G and B no red.
        const QRgb rgbWhite = Pixel(1.0f / 3.0f, 1.0f / 3.0f), rgbCyan = Pixel(0.06f, 0.3f);
        QVERIFY(
            qMin(qMin(qRed(rgbWhite), qGreen(rgbWhite)), qBlue(rgbWhite)) >= 245 && qAlpha(rgbWhite) == 255);
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
        const QPoint ptInside = wnd.ChromaToPixel({0.25f, 0.45f}).toPoint();
        // Never built: the chart is drawn without the gamut fill.
        QCOMPARE(Paint(wnd, QSize(400, 300)).pixelColor(ptInside), QColor(50, 50, 50));
        wnd.SetWndData(3, 400, 300);
        QVERIFY(Paint(wnd, QSize(400, 300)).pixelColor(ptInside) != QColor(50, 50, 50));
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

private:
    // Group nKey with green at the pixel (200, 300) of the widget's mapping at 800 × 600.
    SChromaGroupInfo* AddGroup(int nKey, bool bMovable = true)
    {
        SChromaGroupInfo info = SRGB();
        info.m_ptColor[1] = m_pWnd->PixelToChroma(QPointF(200, 300));
        info.m_bMovable[1] = bMovable;
        m_pWnd->AddChromaGroupByIndex(nKey, info);
        return m_pWnd->GetChromaGroupByIndex(nKey);
    }
    void Drag(QPoint posFrom, QPoint posTo, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, posFrom);
        QTest::mousePress(m_pWnd, button, Qt::NoModifier, posFrom);
        QTest::mouseMove(m_pWnd, posTo);
    }
    QPoint PixelOf(Point pt) const { return m_pWnd->ChromaToPixel(pt).toPoint(); }

    CChromaticityDlgWnd* m_pWnd = nullptr;
    int m_nSignals = 0;
    bool m_bReject = false; // then the host supplies (0.3, 0.6) instead
    Point m_ptSeen; // the moved point as the host saw it
};

QTEST_MAIN(TestChromaWidget)
#include "tst_chroma_widget.moc"
