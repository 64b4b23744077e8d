#include "CChromaticityDlgWnd.h"
#include "ChromaDiagram.h"
#include "ChromaFixture.h"
#include "ChromaWndAccess.h"
#include "ColorStandard.h"
#include "GamutImage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

// Full-HD gamut images: the floor (a transparent image of the same size), the
// per-pixel reference and the production build in one run, so that their
// ratios compare like with like. Then full paints of a chart with four groups.
class BenchGamutImage : public QObject
{
    Q_OBJECT

private slots:
    void floorFill()
    {
        QImage image;
        QBENCHMARK
        {
            image = QImage(1920, 1080, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        QCOMPARE(image.pixel(960, 540), qRgba(0, 0, 0, 0));
    }
    void referenceBuild() { MeasureBuild(BuildGamutImageReference); }
    void productionBuild()
    {
        MeasureBuild([](const SGamutImageInput& s) { return BuildGamutImage(s); });
    }

    // The mouse over the locus and the coverage entry in the legend.
    void fullPaint_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void fullPaint()
    {
        QFETCH(QSize, size);
        CChromaticityDlgWnd wnd;
        wnd.resize(size);
        wnd.SetSize(size.width(), size.height());
        const int arrKey[] = {g_nOutputColorSpaceKey, g_nScreenColorSpaceKey, 1, 2};
        const enColorStandard arrStandard[]
            = {enStandardSRGB, enStandardDCIP3, enStandardRec2020, enStandardNTSC};
        for (int i = 0; i < 4; ++i) {
            const SColorStandardGamut& s = ColorStandardGamut(arrStandard[i]);
            wnd.AddChromaGroupByIndex(
                arrKey[i], ChromaFixture::Group(s.ptColor[0], s.ptColor[1], s.ptColor[2], s.ptColor[3]));
        }
        const QPoint pos = wnd.ChromaToPixel(CPointEx<float>(0.3f, 0.4f)).toPoint();
        QMouseEvent event(QEvent::MouseMove, pos, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&wnd, &event);
        QVERIFY(Diagram(wnd).Mouse());
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
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
        CChromaDiagram diagram;
        diagram.SetSize(1920, 1080);
        const SGamutLocus sLocus {diagram.LocusHull(), diagram.LocusPixelsF()};
        const SGamutImageInput sInput = sLocus.Input(1920, 1080);
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
