#include "ChromaDiagramPainter.h"
#include "ChromaRenderProbe.h"
#include "ColorStandard.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtTest>

using ChromaFixture::Group;

Q_DECLARE_METATYPE(SChromaGroupInfo)

namespace {

// Records the lines and texts a paint asks for, with their pen colours.
class CRecorder : public QPaintDevice, public QPaintEngine
{
public:
    CRecorder()
        : QPaintEngine(AllFeatures)
    {
    }
    QVector<QPair<QColor, QLineF>> m_vecLine;
    QVector<QColor> m_vecTextColour;
    QString m_strText; // each text followed by '|'
    QColor m_clrPen;

    QVector<QLineF> Lines(const QColor& clrPen) const
    {
        QVector<QLineF> vecLine;
        for (const auto& pair : m_vecLine)
            if (pair.first == clrPen)
                vecLine.append(pair.second);
        return vecLine;
    }
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
        for (int i = 0; i < nCount; ++i)
            m_vecLine.append({m_clrPen, pLines[i]});
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override
    {
        m_strText += item.text() + '|';
        m_vecTextColour.append(m_clrPen);
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { }

protected:
    int metric(PaintDeviceMetric enMetric) const override
    {
        // Width, height, size in mm, colours, depth, four resolutions, pixel ratio, scaled ratio.
        const int arrMetric[]
            = {0, 800, 600, 212, 159, INT_MAX, 32, 96, 96, 96, 96, 1, int(devicePixelRatioFScale())};
        return arrMetric[enMetric];
    }
};

struct SChart : CChromaRenderProbe
{
    SChart()
    {
        resize(800, 600);
        SetSize(800, 600);
    }
    QPoint Pixel(float fX, float fY) const { return ChromaToPixel(CPointEx<float>(fX, fY)).toPoint(); }

    // Records one drawing step (by default the whole paint) on a fresh painter.
    const CRecorder& Record(void (CChromaticityDlgWnd::*pfnStep)(QPainter&) = &CChromaticityDlgWnd::Draw)
    {
        m_pRecorder.reset(new CRecorder);
        QPainter painter(m_pRecorder.get());
        (this->*pfnStep)(painter);
        return *m_pRecorder;
    }
    std::unique_ptr<CRecorder> m_pRecorder;
};

const QColor g_clrCrossLine(255, 240, 240, 240);

SChromaGroupInfo StandardGroup(enColorStandard enStandard)
{
    const SColorStandardGamut& s = ColorStandardGamut(enStandard);
    return Group(s.ptColor[0], s.ptColor[1], s.ptColor[2], s.ptColor[3]);
}

} // namespace

class TestChromaRender : public QObject
{
    Q_OBJECT

private slots:
    // Groups past the ninth still get a colour of their own, the same on every paint.
    void extraGroupColoursAreDistinctAndStable()
    {
        QSet<QRgb> setSeen;
        for (int i = 0; i < 40; ++i) {
            const QColor color = CChromaDiagramPainter::DefaultLineColor(i);
            QCOMPARE(CChromaDiagramPainter::DefaultLineColor(i), color);
            QVERIFY2(!setSeen.contains(color.rgb()), qPrintable(QString("colour %1 repeats").arg(i)));
            setSeen.insert(color.rgb());
        }
    }

    void oneCoordinateOffMatchesNothing();
    void sRGBAndRec709ShareCoordinates();
    void otherKeysSelectNoGroup();
    void coverage_data();
    void coverage();
    void coverageNeedsBothGroupsVisible();
    void gridHasAlphaAndLabels();
    void readOutShowsFourDecimals();
    void mouseOutsideTheLocusDrawsNoReadOutOrCrosshair();
    void legendTextOfTheOutputSpace();
    void staticPixelsRejectBadInput();
};

void TestChromaRender::oneCoordinateOffMatchesNothing()
{
    const SChromaGroupInfo sRec2020
        = Group({0.708f, 0.292f}, {0.17f, 0.797f}, {0.131f, 0.046f}, {0.3127f, 0.329f});
    for (int nCoord = -1; nCoord < 8; ++nCoord) {
        SChromaGroupInfo sGroup = sRec2020;
        if (nCoord >= 0) {
            CPointEx<float>& pt = sGroup.m_ptColor[nCoord / 2];
            (nCoord % 2 == 0 ? pt.x : pt.y) += 0.001f;
        }
        CChromaRenderProbe wnd;
        wnd.AddChromaGroupByIndex(0, sGroup);
        wnd.ShowCIEStandard(0, enStandardPAL, true); // a stale answer must be replaced
        wnd.CalcCIEStandardValid();
        QCOMPARE(int(wnd.m_enShowStandard), nCoord < 0 ? int(enStandardRec2020) : int(enStandardNone));
    }
}

void TestChromaRender::sRGBAndRec709ShareCoordinates()
{
    for (int nPreferred = -1; nPreferred < enStandardCount; ++nPreferred) {
        CChromaRenderProbe wnd;
        wnd.AddChromaGroupByIndex(7, ChromaFixture::SRGB());
        wnd.ShowCIEStandard(0, enColorStandard(nPreferred), true);
        for (int nPaint = 0; nPaint < 2; ++nPaint) { // the preference survives repeated paints
            wnd.CalcCIEStandardValid();
            QCOMPARE(QString(ColorStandardGamut(wnd.m_enShowStandard).pszName),
                QString(nPreferred == enStandardRec709 ? "Rec709" : "sRGB"));
        }
    }
}

void TestChromaRender::otherKeysSelectNoGroup()
{
    CChromaRenderProbe wnd;
    wnd.AddChromaGroupByIndex(10, StandardGroup(enStandardNTSC));
    wnd.AddChromaGroupByIndex(20, StandardGroup(enStandardDCIP3));
    for (int nGroup : {0, 20}) { // only 0 is settled: it names the lowest key
        wnd.ShowCIEStandard(nGroup, enStandardAdobeRGB, true);
        wnd.CalcCIEStandardValid();
        QCOMPARE(wnd.m_enShowStandard, nGroup == 0 ? enStandardNTSC : enStandardAdobeRGB);
    }
}

void TestChromaRender::coverage_data()
{
    QTest::addColumn<SChromaGroupInfo>("sScreen");
    QTest::addColumn<SChromaGroupInfo>("sOutput");
    QTest::addColumn<int>("nRatio");
    const SChromaGroupInfo sOutput = Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.2f, 0.1f}, {0.35f, 0.33f});
    QTest::newRow("identical") << sOutput << sOutput << 100;
    QTest::newRow("disjoint") << Group({0.05f, 0.7f}, {0.1f, 0.8f}, {0.02f, 0.6f}, {0.06f, 0.7f}) << sOutput
                              << 0;
    // Half of the output, cut off by its median through red.
    QTest::newRow("half") << Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.25f, 0.35f}, {0.4f, 0.4f}) << sOutput << 50;
    // The covered share of the output, not of the screen.
    QTest::newRow("screen inside") << StandardGroup(enStandardSRGB) << StandardGroup(enStandardRec2020) << 53;
}

void TestChromaRender::coverage()
{
    QFETCH(SChromaGroupInfo, sScreen);
    QFETCH(SChromaGroupInfo, sOutput);
    CChromaRenderProbe wnd;
    wnd.AddChromaGroupByIndex(g_nScreenColorSpaceKey, sScreen);
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, sOutput);
    QTEST(wnd.CalcRatio(), "nRatio");
}

void TestChromaRender::coverageNeedsBothGroupsVisible()
{
    CChromaRenderProbe wnd;
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, StandardGroup(enStandardSRGB));
    QCOMPARE(wnd.CalcRatio(), -1);
    QCOMPARE(wnd.m_mapGroup.keys(), QList<int>({g_nOutputColorSpaceKey})); // no entry added
    wnd.AddChromaGroupByIndex(g_nScreenColorSpaceKey, StandardGroup(enStandardSRGB));
    for (int nKey : {g_nOutputColorSpaceKey, g_nScreenColorSpaceKey}) {
        wnd.GetChromaGroupByIndex(nKey)->m_bVisible = false;
        QCOMPARE(wnd.CalcRatio(), -1);
        wnd.GetChromaGroupByIndex(nKey)->m_bVisible = true;
        QCOMPARE(wnd.CalcRatio(), 100);
    }
}

void TestChromaRender::gridHasAlphaAndLabels()
{
    SChart wnd;
    const QColor clrGrid(255, 255, 255, 120);
    const QVector<QLineF> vecGrid = wnd.Record(&CChromaticityDlgWnd::DrawHexCoorDialog).Lines(clrGrid);
    QCOMPARE(vecGrid.size(), 19);
    // Bottom line at y = 0, 0.8 wide, at 600 pixels per unit.
    QCOMPARE(vecGrid.first().toLine(), QLineF(wnd.m_fMarginX, 570.0, wnd.m_fMarginX + 480.0, 570.0).toLine());
    QCOMPARE(
        wnd.m_pRecorder->m_strText, QString(".0|.1|.2|.3|.4|.5|.6|.7|.8|.9|.0|.1|.2|.3|.4|.5|.6|.7|.8|"));
    QCOMPARE(wnd.m_pRecorder->m_vecTextColour, QVector<QColor>(19, clrGrid));

    wnd.SetGridLineAlpha(200);
    QCOMPARE(
        wnd.Record(&CChromaticityDlgWnd::DrawHexCoorDialog).Lines(QColor(255, 255, 255, 200)).size(), 19);
}

void TestChromaRender::readOutShowsFourDecimals()
{
    SChart wnd;
    wnd.AddChromaGroupByIndex(4, Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3f, 0.3f}));
    wnd.Select(4, 3);
    QCOMPARE(wnd.Record(&CChromaticityDlgWnd::DrawTipsString).m_strText, QString("x : 0.3000|y : 0.3000|"));
}

void TestChromaRender::mouseOutsideTheLocusDrawsNoReadOutOrCrosshair()
{
    SChart wnd;
    for (const QPoint& ptOutside : {QPoint(5, 5), wnd.Pixel(0.7f, 0.1f), wnd.Pixel(0.05f, 0.1f)}) {
        wnd.m_ptMouse = ptOutside;
        QVERIFY(!wnd.Record().m_strText.contains("x : "));
        QVERIFY(wnd.m_pRecorder->Lines(g_clrCrossLine).isEmpty());
    }
    // Inside, both are there, the crosshair through the mouse.
    wnd.m_ptMouse = wnd.Pixel(0.3f, 0.4f);
    QVERIFY(wnd.Record().m_strText.contains("x : 0.3"));
    QCOMPARE(wnd.m_pRecorder->Lines(g_clrCrossLine),
        QVector<QLineF>({QLineF(0, wnd.m_ptMouse.y(), 800, wnd.m_ptMouse.y()),
            QLineF(wnd.m_ptMouse.x(), 0, wnd.m_ptMouse.x(), 600)}));
}

void TestChromaRender::legendTextOfTheOutputSpace()
{
    SChart wnd;
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, ChromaFixture::SRGB());
    QString strText = wnd.Record().m_strText;
    QVERIFY2(strText.contains("输出颜色空间|") && !strText.contains("%"), qPrintable(strText));

    wnd.AddChromaGroupByIndex(
        g_nScreenColorSpaceKey, Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.225f, 0.33f}, {0.35f, 0.4f}));
    const int nRatio = wnd.CalcRatio();
    QVERIFY(nRatio > 0 && nRatio < 100);
    strText = QString(wnd.Record().m_strText).remove(QChar('|'));
    QVERIFY2(strText.contains(QString("输出颜色空间, %1% 被覆盖").arg(nRatio)), qPrintable(strText));
}

void TestChromaRender::staticPixelsRejectBadInput()
{
    SChart wnd;
    QPointF arrPoint[2] = {{0.3, 0.3}, {0.4, 0.5}};
    QVERIFY(!wnd.DrawStaticPiexl(nullptr, 2, 1, 2, 3, 4));
    QVERIFY(!wnd.DrawStaticPiexl(arrPoint, -1, 1, 2, 3, 4));
    QVERIFY(!wnd.m_bStaticPixel);
    QVERIFY(wnd.DrawStaticPiexl(arrPoint, 2, 1, 2, 3, 4));
    QCOMPARE(wnd.m_pStaticPixels[1], wnd.ChromaToPixel({0.4f, 0.5f}));
}

QTEST_MAIN(TestChromaRender)
#include "tst_chroma_render.moc"
