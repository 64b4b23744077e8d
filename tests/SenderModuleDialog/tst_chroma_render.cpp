#include "ChromaDiagramPainter.h"
#include "ChromaRenderProbe.h"
#include "ColorStandard.h"
#include "RunSenderTool.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using ChromaFixture::Group;

namespace {

// What the painter asked for, in the order it asked.
struct SPaintOp
{
    enum enOpKind
    {
        Line,
        Text,
        Ellipse,
        Other
    };
    enOpKind enKind;
    QPen pen;
    QBrush brush;
    QLineF line;
    QRectF rect;
    QString strText;
};

class CRecordingEngine : public QPaintEngine
{
public:
    CRecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    QVector<SPaintOp> m_vecOp;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
    }
    void drawLines(const QLineF* pLines, int nCount) override
    {
        for (int i = 0; i < nCount; ++i)
            Record(SPaintOp::Line).line = pLines[i];
    }
    void drawTextItem(const QPointF& pt, const QTextItem& item) override
    {
        SPaintOp& op = Record(SPaintOp::Text);
        op.strText = item.text();
        op.rect = QRectF(pt, QSizeF());
    }
    void drawEllipse(const QRectF& rc) override { Record(SPaintOp::Ellipse).rect = rc; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { Record(SPaintOp::Other); }
    void drawPath(const QPainterPath&) override { Record(SPaintOp::Other); }
    void drawRects(const QRectF*, int) override { Record(SPaintOp::Other); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { Record(SPaintOp::Other); }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        Record(SPaintOp::Other);
    }

private:
    SPaintOp& Record(SPaintOp::enOpKind enKind)
    {
        m_vecOp.append({enKind, m_pen, m_brush, {}, {}, {}});
        return m_vecOp.last();
    }

    QPen m_pen;
    QBrush m_brush;
};

class CRecordingDevice : public QPaintDevice
{
public:
    mutable CRecordingEngine m_engine;

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric enMetric) const override
    {
        switch (enMetric) {
        case PdmWidth:
            return 800;
        case PdmHeight:
            return 600;
        case PdmWidthMM:
            return 212;
        case PdmHeightMM:
            return 159;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 96; // resolutions
        }
    }
};

// Records one call of fnDraw on a fresh painter.
template <typename Fn> QVector<SPaintOp> Record(Fn fnDraw)
{
    CRecordingDevice device;
    QPainter painter(&device);
    fnDraw(painter);
    painter.end();
    return device.m_engine.m_vecOp;
}

QVector<SPaintOp> Filter(const QVector<SPaintOp>& vecOp, SPaintOp::enOpKind enKind, const QColor& clrPen)
{
    QVector<SPaintOp> vecResult;
    for (const SPaintOp& op : vecOp) {
        if (op.enKind == enKind && op.pen.color() == clrPen)
            vecResult.append(op);
    }
    return vecResult;
}

QString AllText(const QVector<SPaintOp>& vecOp)
{
    QString str;
    for (const SPaintOp& op : vecOp)
        str += op.enKind == SPaintOp::Text ? op.strText + '|' : QString();
    return str;
}

bool IsNear(const QLineF& line1, const QLineF& line2)
{
    return QLineF(line1.p1(), line2.p1()).length() < 0.001 && QLineF(line1.p2(), line2.p2()).length() < 0.001;
}

const QColor g_clrCrossLine(255, 240, 240, 240);

struct SChart : CChromaRenderProbe
{
    SChart()
    {
        resize(800, 600);
        SetSize(800, 600);
    }
    QPoint Pixel(float fX, float fY) const { return ChromaToPixel(CPointEx<float>(fX, fY)).toPoint(); }
};

} // namespace

class TestChromaRender : public QObject
{
    Q_OBJECT

private slots:
    void gridHasAlphaAndLabels();
    void readOutShowsFourDecimals();
    void mouseOutsideTheLocusDrawsNoReadOutOrCrosshair();
    void crosshairJumpsToTheSelectedMovablePoint();
    void legendTextsAndSampleLines();
    void groupsBeyondTheColourTableGetDistinctColours();
    void secondaryModeDrawsThePrimaryTriangle();
    void standardLabelOnlyWhenShown();
    void staticPixelsRejectBadInput();
};

void TestChromaRender::gridHasAlphaAndLabels()
{
    SChart wnd;
    QVector<SPaintOp> vecOp = Record([&](QPainter& p) { wnd.DrawHexCoorDialog(p); });
    const QVector<SPaintOp> vecGrid = Filter(vecOp, SPaintOp::Line, QColor(255, 255, 255, 120));
    QCOMPARE(vecGrid.size(), 19);
    // Bottom line at y = 0, 0.8 wide; left line 0.9 high; 600 pixels per unit.
    QVERIFY(IsNear(vecGrid.first().line, QLineF(wnd.m_fMarginX, 570.0, wnd.m_fMarginX + 480.0, 570.0)));
    QVERIFY(IsNear(vecGrid[9].line, QLineF(wnd.m_fMarginX, 30.0, wnd.m_fMarginX + 480.0, 30.0)));
    QVERIFY(IsNear(vecGrid[10].line, QLineF(wnd.m_fMarginX, 570.0, wnd.m_fMarginX, 30.0)));
    QCOMPARE(AllText(vecOp), QString(".0|.1|.2|.3|.4|.5|.6|.7|.8|.9|.0|.1|.2|.3|.4|.5|.6|.7|.8|"));
    for (const SPaintOp& op : vecOp) {
        if (op.enKind == SPaintOp::Text)
            QCOMPARE(op.pen.color(), QColor(255, 255, 255, 120));
    }

    wnd.SetGridLineAlpha(200);
    vecOp = Record([&](QPainter& p) { wnd.DrawHexCoorDialog(p); });
    QCOMPARE(Filter(vecOp, SPaintOp::Line, QColor(255, 255, 255, 200)).size(), 19);
}

void TestChromaRender::readOutShowsFourDecimals()
{
    SChart wnd;
    wnd.AddChromaGroupByIndex(4, Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3f, 0.3f}));
    wnd.Select(4, 3);
    QVector<SPaintOp> vecOp = Record([&](QPainter& p) { wnd.DrawTipsString(p); });
    QCOMPARE(AllText(vecOp), QString("x : 0.3000|y : 0.3000|"));
    QCOMPARE(vecOp.first().pen.color(), QColor(Qt::yellow));

    // A selected group that has gone falls back to the mouse.
    wnd.RemoveChromaGroupByIndex(4);
    wnd.m_ptMouse = wnd.Pixel(0.45f, 0.41f);
    vecOp = Record([&](QPainter& p) { wnd.DrawTipsString(p); });
    QVERIFY(
        QRegularExpression("^x : 0\\.45\\d\\d\\|y : 0\\.4[01]\\d\\d\\|$").match(AllText(vecOp)).hasMatch());
}

void TestChromaRender::mouseOutsideTheLocusDrawsNoReadOutOrCrosshair()
{
    SChart wnd;
    for (const QPoint& ptOutside : {QPoint(5, 5), wnd.Pixel(0.7f, 0.1f), wnd.Pixel(0.05f, 0.1f)}) {
        wnd.m_ptMouse = ptOutside;
        const QVector<SPaintOp> vecOp = Record([&](QPainter& p) { wnd.Draw(p); });
        QVERIFY(!AllText(vecOp).contains("x : "));
        QVERIFY(Filter(vecOp, SPaintOp::Line, g_clrCrossLine).isEmpty());
    }

    wnd.m_ptMouse = wnd.Pixel(0.3f, 0.4f);
    const QVector<SPaintOp> vecOp = Record([&](QPainter& p) { wnd.Draw(p); });
    QVERIFY(AllText(vecOp).contains("x : 0.3"));
    const QVector<SPaintOp> vecCross = Filter(vecOp, SPaintOp::Line, g_clrCrossLine);
    QCOMPARE(vecCross.size(), 2);
    QCOMPARE(vecCross[0].line, QLineF(0, wnd.m_ptMouse.y(), 800, wnd.m_ptMouse.y()));
    QCOMPARE(vecCross[1].line, QLineF(wnd.m_ptMouse.x(), 0, wnd.m_ptMouse.x(), 600));
}

void TestChromaRender::crosshairJumpsToTheSelectedMovablePoint()
{
    SChart wnd;
    wnd.AddChromaGroupByIndex(2, ChromaFixture::SRGB());
    wnd.m_ptMouse = wnd.Pixel(0.3f, 0.4f);
    wnd.Select(2, 1);
    wnd.m_bCanMove = true;
    const QPointF ptGreen = wnd.ChromaToPixel(CPointEx<float>(0.3f, 0.6f));
    QVector<SPaintOp> vecCross
        = Filter(Record([&](QPainter& p) { wnd.DrawCrossLine(p); }), SPaintOp::Line, g_clrCrossLine);
    QCOMPARE(vecCross.size(), 2);
    QCOMPARE(vecCross[1].line.x1(), qreal(int(ptGreen.x())));
    QCOMPARE(vecCross[0].line.y1(), qreal(int(ptGreen.y())));

    wnd.m_bCanMove = false;
    vecCross = Filter(Record([&](QPainter& p) { wnd.DrawCrossLine(p); }), SPaintOp::Line, g_clrCrossLine);
    QCOMPARE(vecCross[1].line.x1(), qreal(wnd.m_ptMouse.x()));
}

void TestChromaRender::legendTextsAndSampleLines()
{
    SChart wnd;
    SChromaGroupInfo sNamed = ChromaFixture::SRGB();
    sNamed.m_strName = "Panel A";
    sNamed.m_bCustomColor = true;
    sNamed.m_ucLineRed = 128; // a red between 1 and 254 makes a dashed sample
    wnd.AddChromaGroupByIndex(3, sNamed);
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, ChromaFixture::SRGB());

    QVector<SPaintOp> vecOp = Record([&](QPainter& p) { wnd.Draw(p); });
    QString strText = AllText(vecOp);
    QVERIFY(strText.contains("Panel A"));
    QVERIFY2(strText.contains("输出颜色空间|") && !strText.contains("%"), qPrintable(strText));

    SChromaGroupInfo sScreen = Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.225f, 0.33f}, {0.35f, 0.4f});
    wnd.AddChromaGroupByIndex(g_nScreenColorSpaceKey, sScreen);
    const int nRatio = wnd.CalcRatio();
    QVERIFY(nRatio > 0 && nRatio < 100);
    vecOp = Record([&](QPainter& p) { wnd.Draw(p); });
    strText = AllText(vecOp).remove('|');
    QVERIFY2(strText.contains(QString("输出颜色空间, %1% 被覆盖").arg(nRatio)), qPrintable(strText));
    QVERIFY(strText.contains("屏幕颜色空间（校正后）"));

    // Sample lines: dashed for the custom dark red, solid for the default colours.
    // (The last line of a group's colour is its sample; the triangle comes first.)
    const SPaintOp opDashed = Filter(vecOp, SPaintOp::Line, QColor(128, 255, 255)).last();
    QCOMPARE(opDashed.pen.dashPattern(), QVector<qreal>({2.0, 2.0}));
    QCOMPARE(opDashed.pen.widthF(), 2.0);
    QCOMPARE(opDashed.line.dy(), 0.0);
    const SPaintOp opSolid = Filter(vecOp, SPaintOp::Line, QColor(0, 255, 0)).last();
    QCOMPARE(opSolid.pen.style(), Qt::SolidLine);
    QCOMPARE(opSolid.pen.widthF(), 2.0);
}

void TestChromaRender::groupsBeyondTheColourTableGetDistinctColours()
{
    SChart wnd;
    for (int i = 0; i < 14; ++i)
        wnd.AddChromaGroupByIndex(10 * i, ChromaFixture::SRGB());
    wnd.GetChromaGroupByIndex(20)->m_bVisible = false; // hidden groups take no colour
    Record([&](QPainter& p) { wnd.DrawChromTriangle(p); });

    QVector<QRgb> vecColour;
    for (int i = 0; i < 14; ++i) {
        const SChromaGroupInfo* pGroup = wnd.GetChromaGroupByIndex(10 * i);
        if (pGroup->m_bVisible)
            vecColour.append(qRgb(pGroup->m_ucLineRed, pGroup->m_ucLineGreen, pGroup->m_ucLineBlue));
    }
    QCOMPARE(vecColour[0], qRgb(255, 0, 0));
    QCOMPARE(vecColour[2], qRgb(0, 0, 255));
    QCOMPARE(vecColour[8], qRgb(138, 43, 226));
    for (int i = 0; i < vecColour.size(); ++i)
        for (int j = i + 1; j < vecColour.size(); ++j)
            QVERIFY2(vecColour[i] != vecColour[j], qPrintable(QString("%1 and %2").arg(i).arg(j)));
    // The same colours on every paint.
    for (SChromaGroupInfo* pGroup : qAsConst(wnd.m_mapGroup))
        pGroup->m_ucLineRed = pGroup->m_ucLineGreen = pGroup->m_ucLineBlue = 0;
    Record([&](QPainter& p) { wnd.DrawChromTriangle(p); });
    const SChromaGroupInfo* pLast = wnd.GetChromaGroupByIndex(130);
    QCOMPARE(qRgb(pLast->m_ucLineRed, pLast->m_ucLineGreen, pLast->m_ucLineBlue), vecColour.last());
}

void TestChromaRender::secondaryModeDrawsThePrimaryTriangle()
{
    SChart wnd;
    // Secondaries of the triangle R (0.6, 0.3), G (0.3, 0.6), B (0.2, 0.1).
    SChromaGroupInfo sGroup = Group({0.25f, 0.35f}, {0.4f, 0.2f}, {0.45f, 0.45f}, {0.35f, 0.33f});
    sGroup.m_bRGBMode = false;
    sGroup.m_bCustomColor = true;
    sGroup.m_ucLineRed = 10;
    sGroup.m_ucLineGreen = 20;
    sGroup.m_ucLineBlue = 30;
    sGroup.m_nLineStyle = Qt::DashLine;
    sGroup.m_fLineWidth = 3.0f;
    wnd.AddChromaGroupByIndex(1, sGroup);
    const QVector<SPaintOp> vecOp = Record([&](QPainter& p) { wnd.DrawChromTriangle(p); });

    const QVector<SPaintOp> vecEdge = Filter(vecOp, SPaintOp::Line, QColor(10, 20, 30));
    QCOMPARE(vecEdge.size(), 3);
    QCOMPARE(vecEdge[0].pen.style(), Qt::DashLine);
    QCOMPARE(vecEdge[0].pen.widthF(), 3.0);
    const QPointF arrExpected[]
        = {wnd.ChromaToPixel({0.6f, 0.3f}), wnd.ChromaToPixel({0.3f, 0.6f}), wnd.ChromaToPixel({0.2f, 0.1f})};
    for (int k = 0; k < 3; ++k) {
        QVERIFY(QLineF(vecEdge[k].line.p1(), arrExpected[k]).length() < 0.01);
        QVERIFY(QLineF(vecEdge[k].line.p2(), arrExpected[(k + 1) % 3]).length() < 0.01);
    }
    // Markers at the stored secondaries, in cyan, magenta, yellow, then the white point.
    QVector<SPaintOp> vecMarker;
    for (const SPaintOp& op : vecOp)
        if (op.enKind == SPaintOp::Ellipse)
            vecMarker.append(op);
    QCOMPARE(vecMarker.size(), 4 + 1);
    QCOMPARE(vecMarker[0].brush.color(), QColor(Qt::cyan));
    QCOMPARE(vecMarker[1].brush.color(), QColor(Qt::magenta));
    QCOMPARE(vecMarker[2].brush.color(), QColor(Qt::yellow));
    QCOMPARE(vecMarker[3].brush.color(), QColor(10, 20, 30));
    QVERIFY(QLineF(vecMarker[0].rect.center(), wnd.ChromaToPixel({0.25f, 0.35f})).length() < 1.5);
    QCOMPARE(vecMarker[0].rect.width(), qreal(int(2 * wnd.m_fScale / 100.0f)));
}

void TestChromaRender::standardLabelOnlyWhenShown()
{
    SChart wnd;
    wnd.AddChromaGroupByIndex(0, ChromaFixture::SRGB());
    QVERIFY(Record([&](QPainter& p) { wnd.DrawCIEStandardShow(p); }).isEmpty());

    wnd.ShowCIEStandard(0, enStandardRec709, true);
    const QVector<SPaintOp> vecOp = Record([&](QPainter& p) { wnd.DrawCIEStandardShow(p); });
    QCOMPARE(AllText(vecOp), QString("Rec709|"));
    QCOMPARE(vecOp.first().pen.color(), QColor(Qt::red));
    const QVector<SPaintOp> vecLine = Filter(vecOp, SPaintOp::Line, Qt::blue);
    QCOMPARE(vecLine.size(), 1);
    // From between red and green to the middle of the label's left edge.
    const QPointF ptMid = (wnd.ChromaToPixel({0.64f, 0.33f}) + wnd.ChromaToPixel({0.3f, 0.6f})) / 2.0;
    QCOMPARE(vecLine[0].line, QLineF(ptMid, QPointF(2 * (799 / 3), 2 * (599 / 9) + 20)));

    // A group that matches no standard gets no label.
    wnd.GetChromaGroupByIndex(0)->m_ptColor[1].x = 0.31f;
    QVERIFY(AllText(Record([&](QPainter& p) { wnd.DrawCIEStandardShow(p); })).isEmpty());
    QCOMPARE(wnd.m_enShowStandard, enStandardNone);
}

void TestChromaRender::staticPixelsRejectBadInput()
{
    SChart wnd;
    QPointF arrPoint[2] = {{0.3, 0.3}, {0.4, 0.5}};
    QVERIFY(!wnd.DrawStaticPiexl(nullptr, 2, 1, 2, 3, 4));
    QVERIFY(!wnd.DrawStaticPiexl(arrPoint, -1, 1, 2, 3, 4));
    QVERIFY(!wnd.m_bStaticPixel);
    QCOMPARE(wnd.m_nStaticPixelNum, 0);
    QVERIFY(wnd.DrawStaticPiexl(arrPoint, 2, 1, 2, 3, 4));
    QCOMPARE(wnd.m_nStaticPixelNum, 2);
    QCOMPARE(wnd.m_pStaticPixels[1], wnd.ChromaToPixel({0.4f, 0.5f}));
}

QTEST_MAIN(TestChromaRender)
#include "tst_chroma_render.moc"
