#include "ChromaRenderProbe.h"
#include "GamutImage.h"

#include <QtTest>

// The gamut image of a full-HD widget: per-pixel reference against the
// production build, in the same run so the ratio compares like with like.
class BenchGamutImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referenceBuild();
    void productionBuild();
    void productionBuildOneThread();

private:
    CChromaRenderProbe m_wnd;
    QImage m_imageReference;
};

void BenchGamutImage::initTestCase()
{
    m_wnd.SetSize(1920, 1080);
    m_imageReference = BuildGamutImageReference(m_wnd.GamutInput(1920, 1080));
}

void BenchGamutImage::referenceBuild()
{
    const SGamutImageInput sInput = m_wnd.GamutInput(1920, 1080);
    QImage image;
    QBENCHMARK
    {
        image = BuildGamutImageReference(sInput);
    }
    QCOMPARE(image, m_imageReference);
}

void BenchGamutImage::productionBuild()
{
    const SGamutImageInput sInput = m_wnd.GamutInput(1920, 1080);
    QImage image;
    QBENCHMARK
    {
        image = BuildGamutImage(sInput);
    }
    QCOMPARE(image, m_imageReference);
}

void BenchGamutImage::productionBuildOneThread()
{
    const SGamutImageInput sInput = m_wnd.GamutInput(1920, 1080);
    QImage image;
    QBENCHMARK
    {
        image = BuildGamutImage(sInput, 1);
    }
    QCOMPARE(image, m_imageReference);
}

QTEST_MAIN(BenchGamutImage)
#include "bench_gamutimage.moc"
