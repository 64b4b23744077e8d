#include "ChromaRenderProbe.h"
#include "GamutImage.h"

#include <QtTest>

// Oracle and production build of a full-HD gamut image in one run, so the ratio compares like with like.
class BenchGamutImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_wnd.SetSize(1920, 1080);
        m_imageReference = BuildGamutImageReference(m_wnd.GamutInput(1920, 1080));
    }
    void referenceBuild() { Measure(BuildGamutImageReference); }
    void productionBuild()
    {
        Measure([](const SGamutImageInput& s) { return BuildGamutImage(s); });
    }

private:
    template <typename Fn> void Measure(Fn fnBuild)
    {
        const SGamutImageInput sInput = m_wnd.GamutInput(1920, 1080);
        QImage image;
        QBENCHMARK
        {
            image = fnBuild(sInput);
        }
        QCOMPARE(image, m_imageReference);
    }

    CChromaRenderProbe m_wnd;
    QImage m_imageReference;
};

QTEST_MAIN(BenchGamutImage)
#include "bench_gamutimage.moc"
