// Real events through the window system, so that a move after a press carries the held button.
#define QTEST_QPA_MOUSE_HANDLING
#include "CChromaticityDlgWnd.h"
#include "ChromaDiagram.h"
#include "ChromaDiagramPainter.h"
#include "ChromaFixture.h"
#include "ChromaWndAccess.h"
#include "GamutSlots.h"

#include <QDialog>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QTranslator>
#include <QtTest>

#include <atomic>

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
        QMap<QString, int> mapWeight; // text -> font weight
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
        m_sRecording.mapWeight.insert(item.text(), item.font().weight());
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

} // namespace

class TestChromaWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Between two line edits, so that Tab has somewhere to come from and to go to.
        m_pWindow = new QWidget;
        m_pWindow->resize(800, 640);
        m_pBefore = new QLineEdit(m_pWindow);
        m_pBefore->setGeometry(0, 605, 300, 30);
        m_pWnd = new CChromaticityDlgWnd(m_pWindow);
        m_pWnd->setGeometry(0, 0, 800, 600);
        m_pWnd->SetSize(800, 600);
        m_pAfter = new QLineEdit(m_pWindow);
        m_pAfter->setGeometry(400, 605, 300, 30);
        m_pWindow->show();
        m_pWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pWindow));
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

    void cleanup() { delete m_pWindow; }

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
        const CRecorder::SRecording sOver = Record(*m_pWnd, &CChromaticityDlgWnd::DrawTipsString);
        QCOMPARE(sOver.strText, QString("x : 0.3000|y : 0.3000|"));
        QCOMPARE(sOver.mapWeight.value("x : 0.3000"), int(QFont::Bold));
        // The crosshair jumps onto the movable point, in whole pixels.
        const QPointF ptWhite = m_pWnd->ChromaToPixel({0.3f, 0.3f});
        const int nX = int(ptWhite.x()), nY = int(ptWhite.y());
        QCOMPARE(Record(*m_pWnd, &CChromaticityDlgWnd::DrawCrossLine).vecCross,
            QVector<QLineF>({QLineF(0, nY, 800, nY), QLineF(nX, 0, nX, 600)}));
        // Once the mouse has left, nothing follows it.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_pWnd, &leave);
        QVERIFY(!fnReadOut());
    }

    void groupsPastTheListedColoursGetTheirOwn()
    {
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

    // Widget size, image size, threads. A slot image of another size still tests
    // against the widget's polygon. At 800 x 600 the colours follow the locus corners.
    void gamutImageMatchesReference()
    {
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
            if (c.nWidth != 800)
                continue;
            const auto Pixel = [&](float fX, float fY) {
                return image.pixel(diagram.ChromaToPixel({fX, fY}).toPoint());
            };
            // Near-white at the equal-energy point; beyond the line through G and B no red.
            const QRgb rgbWhite = Pixel(1.0f / 3.0f, 1.0f / 3.0f), rgbCyan = Pixel(0.06f, 0.3f);
            QVERIFY(qMin(qMin(qRed(rgbWhite), qGreen(rgbWhite)), qBlue(rgbWhite)) >= 245
                && qAlpha(rgbWhite) == 255);
            QVERIFY(qAlpha(rgbCyan) == 255 && qRed(rgbCyan) == 0 && qGreen(rgbCyan) > 200);
            const QRgb rgbRed = Pixel(0.72f, 0.27f);
            QVERIFY(qRed(rgbRed) == 255 && qGreen(rgbRed) < 110 && qBlue(rgbRed) < 80);
            for (const QRgb rgb :
                {Pixel(0.7f, 0.1f), Pixel(0.02f, 0.1f), Pixel(0.5f, 0.7f), image.pixel(0, 0)})
                QCOMPARE(rgb, qRgba(0, 0, 0, 0)); // outside the locus
        }
    }

    // A run under way never holds the GUI thread up: the calls return while it
    // runs, a ready slot is painted, and every slot still ends with the image of
    // the last locus and size. Destroying the widget cuts a run short.
    void workerRunsBesideTheGuiThread()
    {
        CChromaticityDlgWnd wnd;
        wnd.SetSize(400, 300);
        wnd.SetWndType(3);
        const QPoint ptInside = wnd.ChromaToPixel({0.25f, 0.45f}).toPoint();
        // Never built: the chart is drawn without the gamut fill.
        QCOMPARE(Paint(wnd, QSize(400, 300)).pixelColor(ptInside), QColor(50, 50, 50));
        QSize arrSize[CChromaticityDlgWnd::WND_BITMAP_NUM];
        for (int nType = 0; nType < CChromaticityDlgWnd::WND_BITMAP_NUM; ++nType) {
            arrSize[nType] = QSize(1600, 1200);
            wnd.SetWndData(nType, 1600, 1200);
        }
        int nWidth = 11, nHeight = 12; // only types 0 to 4 have a slot
        for (int nType : {-1, 5}) {
            wnd.SetWndData(nType, 320, 240);
            wnd.GetWndData(nType, nWidth, nHeight);
        }
        QVERIFY(nWidth == 11 && nHeight == 12);
        // Idle: a slot asked for again is rebuilt at once, from the current locus.
        wnd.SetSize(450, 350);
        wnd.GetChromaticityBmp(3);
        CChromaDiagram diagram;
        QVERIFY(*wnd.WndBitmap(3).m_pImage == BuildGamutImage(LocusAt(diagram, 450, 350).Input(1600, 1200)));

        wnd.GamutThread()->start();
        wnd.SetSize(500, 400);
        wnd.SetWndData(1, 640, 480);
        arrSize[1] = QSize(640, 480);
        wnd.GetChromaticityBmp(4);
        QVERIFY(wnd.GamutThread()->isRunning()); // none of them waited for the run
        QVERIFY(Paint(wnd, QSize(400, 300)).pixelColor(ptInside) != QColor(50, 50, 50));
        QTRY_VERIFY_WITH_TIMEOUT(wnd.GamutThread()->isFinished(), 60000);
        QCoreApplication::processEvents(); // RunOver: the rebuilt images are taken over
        const SGamutLocus sLocus = LocusAt(diagram, 500, 400);
        for (int nType = 0; nType < CChromaticityDlgWnd::WND_BITMAP_NUM; ++nType) {
            const SChromaWndBitmap& sBitmap = wnd.WndBitmap(nType);
            QVERIFY(sBitmap.m_bReady && !sBitmap.m_pPending && !wnd.GamutThread()->IsSlotOwed(nType));
            QVERIFY2(*sBitmap.m_pImage
                    == BuildGamutImage(sLocus.Input(arrSize[nType].width(), arrSize[nType].height())),
                qPrintable(QString::number(nType)));
        }

        auto* pWnd = new CChromaticityDlgWnd;
        pWnd->SetSize(900, 700);
        for (int nType = 0; nType < CChromaticityDlgWnd::WND_BITMAP_NUM; ++nType)
            pWnd->SetWndData(nType, 1600, 1200);
        std::atomic<int> nRunOver {0};
        connect(
            pWnd->GamutThread(), &CChromaGamutThread::RunOver, pWnd->GamutThread(), [&] { ++nRunOver; },
            Qt::DirectConnection);
        pWnd->GamutThread()->start();
        delete pWnd; // waits for the worker, which writes the widget's slots, but not for its run
        QCOMPARE(nRunOver.load(), 0);
    }

    // Tab walks the movable points of the visible groups and then leaves; the
    // selected point shows as a hovered one does.
    void tabSelectsTheMovablePoints()
    {
        AddGroup(3);
        m_pWnd->GetChromaGroupByIndex(3)->m_bMovable[3] = false;
        AddGroup(1, false);
        AddGroup(2)->m_bVisible = false;
        const QVector<QPair<int, int>> vecOrder = {{1, 0}, {1, 2}, {1, 3}, {3, 0}, {3, 1}, {3, 2}};
        m_pBefore->setFocus();
        QTest::keyClick(m_pBefore, Qt::Key_Tab);
        QVERIFY(m_pWnd->hasFocus() && Diagram(*m_pWnd).CurGroup() == -1);
        for (const auto& point : vecOrder) {
            QTest::keyClick(m_pWnd, Qt::Key_Tab);
            QCOMPARE(qMakePair(Diagram(*m_pWnd).CurGroup(), Diagram(*m_pWnd).CurPoint()), point);
        }
        // Drawn as hovered: read-out and crosshair on the point.
        const Point pt = m_pWnd->GetChromaGroupByIndex(3)->m_ptColor[2];
        const CRecorder::SRecording sRecording = Record(*m_pWnd);
        QVERIFY2(sRecording.strText.contains(QString("x : %1|").arg(double(pt.x), 0, 'f', 4)),
            qPrintable(sRecording.strText));
        const QPointF ptPixel = m_pWnd->ChromaToPixel(pt);
        QCOMPARE(sRecording.vecCross.value(1), QLineF(int(ptPixel.x()), 0, int(ptPixel.x()), 600));
        QTest::keyClick(m_pWnd, Qt::Key_Tab);
        QVERIFY(m_pAfter->hasFocus() && Diagram(*m_pWnd).CurGroup() == -1);
        QTest::keyClick(m_pAfter, Qt::Key_Backtab);
        QTest::keyClick(m_pWnd, Qt::Key_Backtab);
        QVERIFY(m_pWnd->hasFocus());
        QCOMPARE(qMakePair(Diagram(*m_pWnd).CurGroup(), Diagram(*m_pWnd).CurPoint()), vecOrder.last());
        // While the mouse holds a point, Tab neither selects another nor leaves.
        QTest::mousePress(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
        QTest::keyClick(m_pWnd, Qt::Key_Tab);
        QVERIFY(m_pWnd->hasFocus() && Diagram(*m_pWnd).CurGroup() == 3 && Diagram(*m_pWnd).CurPoint() == 1);
        QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
        // Arrows without a selection move nothing and ask nothing.
        Diagram(*m_pWnd).Leave();
        QTest::keyClick(m_pWnd, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(m_nSignals, 0);
        // Other keys go on to the window: Escape still closes a dialog around the diagram.
        QDialog dialog;
        auto* pInDialog = new CChromaticityDlgWnd(&dialog);
        dialog.show();
        pInDialog->setFocus();
        QTest::keyClick(pInDialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Rejected);
    }

    // A Shift+arrow step of 0.01 is 6 pixels here: the same move as a drag of
    // the point by 6 pixels, with the same correction and the same host answer.
    void arrowStepsAreDragSteps_data()
    {
        QTest::addColumn<int>("nPoint");
        QTest::addColumn<QPointF>("ptStart"); // chromaticity, taken to a whole pixel
        QTest::addColumn<int>("nKey");
        QTest::addColumn<QPoint>("posDelta");
        QTest::addColumn<bool>("bReject");
        QTest::newRow("inside") << 1 << QPointF(0.3, 0.5) << int(Qt::Key_Right) << QPoint(6, 0) << false;
        QTest::newRow("out of the locus")
            << 1 << QPointF(0.07, 0.825) << int(Qt::Key_Up) << QPoint(0, -6) << false;
        QTest::newRow("white out of its triangle")
            << 3 << QPointF(0.45, 0.476) << int(Qt::Key_Up) << QPoint(0, -6) << false;
        QTest::newRow("host rejects") << 1 << QPointF(0.3, 0.5) << int(Qt::Key_Left) << QPoint(-6, 0) << true;
        QTest::newRow("down") << 0 << QPointF(0.6, 0.33) << int(Qt::Key_Down) << QPoint(0, 6) << false;
        QTest::newRow("white, host rejects")
            << 3 << QPointF(0.3, 0.3) << int(Qt::Key_Right) << QPoint(6, 0) << true;
    }
    void arrowStepsAreDragSteps()
    {
        QFETCH(int, nPoint);
        QFETCH(QPointF, ptStart);
        QFETCH(int, nKey);
        QFETCH(QPoint, posDelta);
        QFETCH(bool, bReject);
        m_bReject = bReject;
        const QPoint posStart = PixelOf(Point::FromQPointF(ptStart));
        SChromaGroupInfo info = SRGB();
        info.m_ptColor[nPoint] = m_pWnd->PixelToChroma(posStart);
        QVERIFY(IsWhiteInside(info) && Diagram(*m_pWnd).IsInLocus(info.m_ptColor[nPoint]));

        // By mouse. A rejected colour point takes the host's point, a white point keeps its own.
        m_pWnd->AddChromaGroupByIndex(0, info);
        m_pWnd->ShowCIEStandard(0, enStandardRec709, true);
        Drag(posStart, posStart + posDelta);
        QTest::mouseRelease(m_pWnd, Qt::LeftButton, Qt::NoModifier, posStart + posDelta);
        QVERIFY(!Diagram(*m_pWnd).IsStandardShown()); // a drag hides the standard gamut
        const SChromaGroupInfo sDragged = *m_pWnd->GetChromaGroupByIndex(0);
        const Point ptDraggedSeen = m_ptSeen;
        QCOMPARE(m_nSignals, 1);
        QCOMPARE(sDragged.m_ptColor[nPoint], bReject && nPoint < 3 ? Point(0.3f, 0.6f) : ptDraggedSeen);
        QVERIFY(IsWhiteInside(sDragged) && Diagram(*m_pWnd).IsInLocus(sDragged.m_ptColor[nPoint]));

        // By keyboard, from the same start.
        m_pWnd->SetChromaGroupByIndex(0, info);
        QTest::mouseMove(m_pWnd, QPoint(5, 5)); // away, so that the mouse selects nothing
        m_pWnd->setFocus();
        for (int i = 0; i <= nPoint; ++i)
            QTest::keyClick(m_pWnd, Qt::Key_Tab);
        QCOMPARE(Diagram(*m_pWnd).CurPoint(), nPoint);
        QTest::keyClick(m_pWnd, Qt::Key(nKey), Qt::ShiftModifier);
        QCOMPARE(m_nSignals, 2);
        const SChromaGroupInfo* pGroup = m_pWnd->GetChromaGroupByIndex(0);
        QVERIFY(Near(m_ptSeen, ptDraggedSeen.x, ptDraggedSeen.y));
        for (int i = 0; i < g_nChromaPointNum; ++i)
            QVERIFY2(Near(pGroup->m_ptColor[i], sDragged.m_ptColor[i].x, sDragged.m_ptColor[i].y),
                qPrintable(QString::number(i)));
        QVERIFY(sDragged.m_ptColor[nPoint] != info.m_ptColor[nPoint] || bReject);

        // Without Shift a tenth of that, straight along the arrow.
        m_bReject = false;
        m_pWnd->SetChromaGroupByIndex(0, info);
        QTest::keyClick(m_pWnd, Qt::Key(nKey));
        const Point ptStep(float(posDelta.x()) / 6000.0f, float(-posDelta.y()) / 6000.0f);
        if (QByteArray(QTest::currentDataTag()) == "inside")
            QVERIFY(Near(pGroup->m_ptColor[nPoint], info.m_ptColor[nPoint].x + ptStep.x,
                info.m_ptColor[nPoint].y + ptStep.y));
        QCOMPARE(m_nSignals, 3);
    }

    // The legend and the accessible description state the same coverage; the
    // group's key, not its m_nIndex, decides its label. A language chosen later
    // reaches the widget too.
    void legendAndAccessibleTexts_data()
    {
        QTest::addColumn<QString>("strLanguage");
        QTest::addColumn<QString>("strName");
        QTest::addColumn<QString>("strCoverage");
        QTest::addColumn<QString>("strScreen");
        QTest::newRow("zh_CN") << "zh_CN" << QString::fromUtf8("色度图")
                               << QString::fromUtf8("输出颜色空间, %1% 被覆盖")
                               << QString::fromUtf8("屏幕颜色空间（校正后）");
        QTest::newRow("en") << "en"
                            << "Chromaticity diagram"
                            << "Output colour space, %1% covered"
                            << "Screen colour space (calibrated)";
    }
    void legendAndAccessibleTexts()
    {
        QFETCH(QString, strLanguage);
        QFETCH(QString, strName);
        QFETCH(QString, strCoverage);
        QFETCH(QString, strScreen);
        QTranslator translator;
        QVERIFY(translator.load("SenderModuleDialog_" + strLanguage, SENDER_QM_DIR));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(m_pWnd->accessibleName(), strName);
        m_pWnd->AddChromaGroupByIndex(g_nOutputColorSpaceKey,
            Group({0.708f, 0.292f}, {0.17f, 0.797f}, {0.131f, 0.046f}, {0.3127f, 0.329f}));
        QString strText = Record(*m_pWnd).strText;
        QVERIFY2(strText.contains(strCoverage.section(',', 0, 0) + "|") && !strText.contains("%"),
            qPrintable(strText));
        QVERIFY(m_pWnd->SetChromaGroupByIndex(g_nScreenColorSpaceKey, SRGB()));
        QVERIFY(m_pWnd->SetChromaGroupByIndex(g_nScreenColorSpaceKey, SRGB()));
        QCOMPARE(m_pWnd->accessibleDescription(), strCoverage.arg(53));
        strText = Record(*m_pWnd).strText;
        QVERIFY2(strText.contains(strCoverage.arg(53) + "|") && strText.contains(strScreen + "|"),
            qPrintable(strText));
        // An output without area is not covered at all; the legend is drawn bold.
        m_pWnd->SetChromaGroupByIndex(
            g_nOutputColorSpaceKey, Group({0.2f, 0.2f}, {0.3f, 0.3f}, {0.4f, 0.4f}, {0.3f, 0.3f}));
        QCOMPARE(m_pWnd->accessibleDescription(), strCoverage.arg(0));
        const CRecorder::SRecording sFlat = Record(*m_pWnd, &CChromaticityDlgWnd::DrawChromNote);
        QVERIFY2(sFlat.strText.contains(strCoverage.arg(0) + "|"), qPrintable(sFlat.strText));
        QCOMPARE(sFlat.mapWeight.value(strCoverage.arg(0)), int(QFont::Bold));
        QCoreApplication::removeTranslator(&translator);
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

    QWidget* m_pWindow = nullptr;
    QLineEdit* m_pBefore = nullptr;
    QLineEdit* m_pAfter = nullptr;
    CChromaticityDlgWnd* m_pWnd = nullptr;
    int m_nSignals = 0;
    bool m_bReject = false; // then the host supplies (0.3, 0.6) instead
    Point m_ptSeen; // the moved point as the host saw it
};

QTEST_MAIN(TestChromaWidget)
#include "tst_chroma_widget.moc"
