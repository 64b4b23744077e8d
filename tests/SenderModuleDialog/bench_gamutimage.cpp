#include "ChromaRenderProbe.h"
#include "ColorStandard.h"
#include "GamutImage.h"

#include <QPainter>
#include <QtTest>

class BenchGamutImage : public QObject
{
    Q_OBJECT

private slots:
    // Oracle and production build of a full-HD image in one run, so the ratio compares like with like.
    void referenceBuild() { MeasureBuild(BuildGamutImageReference); }
    void productionBuild()
    {
        MeasureBuild([](const SGamutImageInput& s) { return BuildGamutImage(s); });
    }

    // One full paint of an 800 × 600 chart with four groups, the mouse over the locus and
    // the coverage entry in the legend.
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
        Paint(); // builds the gamut image, as the first paint in use does
        QBENCHMARK
        {
            Paint();
        }
    }

private:
    template <typename Fn> void MeasureBuild(Fn fnBuild)
    {
        CChromaRenderProbe wnd;
        wnd.SetSize(1920, 1080);
        const SGamutImageInput sInput = wnd.GamutInput(1920, 1080);
        QImage image;
        QBENCHMARK
        {
            image = fnBuild(sInput);
        }
        QCOMPARE(image, BuildGamutImageReference(sInput));
    }
};

QTEST_MAIN(BenchGamutImage)
#include "bench_gamutimage.moc"
