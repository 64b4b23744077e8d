#include "ChromaRenderProbe.h"
#include "ColorStandard.h"

#include <QPainter>
#include <QtTest>

// One full paint of an 800 × 600 chart with four groups, the mouse over the
// locus and the coverage entry in the legend. The widget's own gamut image is
// built by the first paint, before the measurement, as it is in use.
class BenchChromaPaint : public QObject
{
    Q_OBJECT

private slots:
    void fullPaint_data();
    void fullPaint();
    void paintStep_data();
    void paintStep();
};

namespace {

void AddFourGroups(CChromaRenderProbe& wnd)
{
    const int arrKey[] = {g_nOutputColorSpaceKey, g_nScreenColorSpaceKey, 1, 2};
    const enColorStandard arrStandard[]
        = {enStandardSRGB, enStandardDCIP3, enStandardRec2020, enStandardNTSC};
    for (int i = 0; i < 4; ++i) {
        const SColorStandardGamut& sGamut = ColorStandardGamut(arrStandard[i]);
        SChromaGroupInfo sGroup = ChromaFixture::Group(
            sGamut.ptColor[0], sGamut.ptColor[1], sGamut.ptColor[2], sGamut.ptColor[3]);
        sGroup.m_strName = sGamut.pszName;
        wnd.AddChromaGroupByIndex(arrKey[i], sGroup);
    }
}

} // namespace

void BenchChromaPaint::fullPaint_data()
{
    QTest::addColumn<int>("nWndType");
    QTest::newRow("own image") << -1;
    QTest::newRow("slot image") << 2;
}

void BenchChromaPaint::fullPaint()
{
    QFETCH(int, nWndType);
    CChromaRenderProbe wnd;
    wnd.resize(800, 600);
    wnd.SetSize(800, 600);
    AddFourGroups(wnd);
    if (nWndType >= 0)
        wnd.SetWndData(nWndType, 800, 600);
    wnd.SetWndType(nWndType);
    wnd.m_ptMouse = wnd.ChromaToPixel(CPointEx<float>(0.3f, 0.4f)).toPoint();

    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        wnd.Draw(painter);
    }
    QBENCHMARK
    {
        QPainter painter(&image);
        wnd.Draw(painter);
    }
}

// Where a paint's time goes, one drawing step at a time.
void BenchChromaPaint::paintStep_data()
{
    QTest::addColumn<int>("nStep");
    const char* arrName[]
        = {"locus outline", "grid", "read-out", "crosshair", "daylight locus", "triangles", "legend"};
    for (int i = 0; i < int(std::size(arrName)); ++i)
        QTest::newRow(arrName[i]) << i;
}

void BenchChromaPaint::paintStep()
{
    QFETCH(int, nStep);
    CChromaRenderProbe wnd;
    wnd.resize(800, 600);
    wnd.SetSize(800, 600);
    AddFourGroups(wnd);
    wnd.m_ptMouse = wnd.ChromaToPixel(CPointEx<float>(0.3f, 0.4f)).toPoint();
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        wnd.Draw(painter);
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QBENCHMARK
    {
        switch (nStep) {
        case 0:
            wnd.DrawBorder(painter);
            break;
        case 1:
            wnd.DrawHexCoorDialog(painter);
            break;
        case 2:
            wnd.DrawTipsString(painter);
            break;
        case 3:
            wnd.DrawCrossLine(painter);
            break;
        case 4:
            wnd.DrawCCTLine(painter);
            break;
        case 5:
            wnd.DrawChromTriangle(painter);
            break;
        default:
            wnd.DrawChromNote(painter);
            break;
        }
    }
}

QTEST_MAIN(BenchChromaPaint)
#include "bench_chroma_paint.moc"
