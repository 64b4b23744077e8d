#include "ChromaRenderProbe.h"
#include "ColorStandard.h"

#include <QPainter>
#include <QtTest>

// One full paint of an 800 × 600 chart with four groups, the mouse over the locus and the
// coverage entry in the legend. The first paint builds the gamut image, as it does in use.
class BenchChromaPaint : public QObject
{
    Q_OBJECT

private slots:
    void fullPaint()
    {
        CChromaRenderProbe wnd;
        wnd.resize(800, 600);
        wnd.SetSize(800, 600);
        const int arrKey[] = {g_nOutputColorSpaceKey, g_nScreenColorSpaceKey, 1, 2};
        const enColorStandard arrStandard[]
            = {enStandardSRGB, enStandardDCIP3, enStandardRec2020, enStandardNTSC};
        for (int i = 0; i < 4; ++i) {
            const SColorStandardGamut& s = ColorStandardGamut(arrStandard[i]);
            wnd.AddChromaGroupByIndex(
                arrKey[i], ChromaFixture::Group(s.ptColor[0], s.ptColor[1], s.ptColor[2], s.ptColor[3]));
        }
        wnd.m_ptMouse = wnd.ChromaToPixel(CPointEx<float>(0.3f, 0.4f)).toPoint();
        QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
        const auto Paint = [&] {
            QPainter painter(&image);
            wnd.Draw(painter);
        };
        Paint();
        QBENCHMARK
        {
            Paint();
        }
    }
};

QTEST_MAIN(BenchChromaPaint)
#include "bench_chroma_paint.moc"
