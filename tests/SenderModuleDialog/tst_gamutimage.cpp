#include "ChromaRenderProbe.h"
#include "GamutImage.h"

#include <QtTest>

#include <cmath>
#include <cstring>

namespace {

// Pixel of chromaticity (x, y) in the image's own mapping.
QPoint ImagePixel(int nWidth, int nHeight, double dX, double dY)
{
    const int nMarginX = nWidth / 30, nMarginY = nHeight / 30;
    const int nScale
        = int(std::min(float(nHeight - 2 * nMarginY) / 0.9f, float(nWidth - 2 * nMarginX) / 0.8f));
    return QPoint(
        int(std::lround(dX * nScale + nMarginX)), int(std::lround((nHeight - nMarginY) - nScale * dY)));
}

QPoint WidgetPixel(const CChromaRenderProbe& wnd, float fX, float fY)
{
    return wnd.ChromaToPixel(CPointEx<float>(fX, fY)).toPoint();
}

float FloatFromBits(uint32_t nBits)
{
    float f;
    std::memcpy(&f, &nBits, sizeof f);
    return f;
}

uint32_t BitsFromFloat(float f)
{
    uint32_t nBits;
    std::memcpy(&nBits, &f, sizeof nBits);
    return nBits;
}

} // namespace

class TestGamutImage : public QObject
{
    Q_OBJECT

private slots:
    void productionBuildMatchesReference_data();
    void productionBuildMatchesReference();
    void spansFollowAnyPolygonExactly();
    void coloursFollowTheLocusCorners();
    void channelLookupEqualsPower();
    void degenerateInputGivesEmptyImages();
};

void TestGamutImage::productionBuildMatchesReference_data()
{
    QTest::addColumn<int>("nWndWidth");
    QTest::addColumn<int>("nWndHeight");
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::addColumn<int>("nThreads");
    QTest::newRow("widget 800x600") << 800 << 600 << 800 << 600 << 0;
    QTest::newRow("widget 1920x1080, one thread") << 1920 << 1080 << 1920 << 1080 << 1;
    QTest::newRow("odd sizes, three threads") << 333 << 517 << 333 << 517 << 3;
    // A slot image of another size still tests against the widget's polygon.
    QTest::newRow("slot larger than widget") << 400 << 300 << 1000 << 700 << 2;
    QTest::newRow("slot smaller than widget") << 900 << 900 << 211 << 150 << 4;
}

void TestGamutImage::productionBuildMatchesReference()
{
    QFETCH(int, nWndWidth);
    QFETCH(int, nWndHeight);
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    QFETCH(int, nThreads);
    CChromaRenderProbe wnd;
    wnd.SetSize(nWndWidth, nWndHeight);
    const SGamutImageInput sInput = wnd.GamutInput(nWidth, nHeight);

    const QImage imageReference = BuildGamutImageReference(sInput);
    const QImage image = BuildGamutImage(sInput, nThreads);
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(nWidth, nHeight));
    QVERIFY(image == imageReference);
    // Not trivially equal: a good part of the image is coloured.
    int nOpaque = 0;
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            nOpaque += qAlpha(image.pixel(x, y)) == 255;
    QVERIFY2(nOpaque > 1000, qPrintable(QString::number(nOpaque)));
}

void TestGamutImage::spansFollowAnyPolygonExactly()
{
    // Concave, partly off the image, with vertices on and within 0.0001 of
    // whole pixels, where only the vertex tolerance makes a pixel inside.
    const CPointEx<float> arrPolygon[] = {{-40.0f, 10.0f}, {120.0f, 20.0f}, {60.00005f, 80.00005f},
        {150.0f, 150.0f}, {90.0f, 199.99995f}, {30.0f, 120.0f}, {45.0f, 60.0f}, {-10.0f, 130.0f}};
    CChromaRenderProbe wnd;
    SGamutImageInput sInput = wnd.GamutInput(160, 210);
    sInput.pPolygon = arrPolygon;
    sInput.nPolygonCount = int(std::size(arrPolygon));

    const QImage imageReference = BuildGamutImageReference(sInput);
    for (int nThreads : {1, 2})
        QVERIFY(BuildGamutImage(sInput, nThreads) == imageReference);
    QCOMPARE(qAlpha(imageReference.pixel(60, 80)), 255); // vertex tolerance
    QCOMPARE(qAlpha(imageReference.pixel(90, 200)), 255);
    QCOMPARE(qAlpha(imageReference.pixel(110, 80)), 0); // in the notch
    QCOMPARE(qAlpha(imageReference.pixel(60, 60)), 255);
}

void TestGamutImage::coloursFollowTheLocusCorners()
{
    CChromaRenderProbe wnd;
    wnd.SetSize(800, 600);
    const QImage image = BuildGamutImage(wnd.GamutInput(800, 600));

    // White at the equal-energy point, nearly so one pixel away.
    const QPoint ptWhite = ImagePixel(800, 600, 1.0 / 3.0, 1.0 / 3.0);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb rgb = image.pixel(ptWhite + QPoint(dx, dy));
            const int nMin = dx == 0 && dy == 0 ? 254 : 252;
            QVERIFY2(qRed(rgb) >= nMin && qGreen(rgb) >= nMin && qBlue(rgb) >= nMin && qAlpha(rgb) == 255,
                qPrintable(QString::number(rgb, 16)));
        }
    }
    // Cyan-green edge of the locus: beyond the line through G and B, so no red.
    const QRgb rgbCyan = image.pixel(WidgetPixel(wnd, 0.06f, 0.3f));
    QCOMPARE(qAlpha(rgbCyan), 255);
    QCOMPARE(qRed(rgbCyan), 0);
    QVERIFY(qGreen(rgbCyan) > 200 && qBlue(rgbCyan) > 100);
    // Near the extreme corners one channel dominates.
    const QRgb rgbRed = image.pixel(WidgetPixel(wnd, 0.72f, 0.27f));
    QVERIFY(qRed(rgbRed) == 255 && qGreen(rgbRed) < 110 && qBlue(rgbRed) < 80);
    const QRgb rgbBlue = image.pixel(WidgetPixel(wnd, 0.17f, 0.01f));
    QVERIFY(qBlue(rgbBlue) == 255 && qRed(rgbBlue) < 120 && qGreen(rgbBlue) < 80);
    // Outside the widget's locus polygon nothing is drawn.
    for (const QPoint& pt : {WidgetPixel(wnd, 0.7f, 0.1f), WidgetPixel(wnd, 0.02f, 0.1f), QPoint(0, 0),
             QPoint(799, 599), WidgetPixel(wnd, 0.5f, 0.7f)})
        QCOMPARE(image.pixel(pt), qRgba(0, 0, 0, 0));
}

void TestGamutImage::channelLookupEqualsPower()
{
    // Around every step of the channel, where a wrong threshold would show.
    for (int k = 1; k <= 255; ++k) {
        const uint32_t nCentre = BitsFromFloat(float(k * k) / (255.0f * 255.0f));
        for (uint32_t nBits = nCentre - 300; nBits <= std::min(nCentre + 300, 0x3f800000u); ++nBits) {
            const float fRatio = FloatFromBits(nBits);
            QCOMPARE(GamutChannelFromRatio(fRatio), GamutChannelFromRatioReference(fRatio));
        }
    }
    // And a sweep of the whole interval, denormals included.
    for (uint32_t nBits = 0; nBits <= 0x3f800000u; nBits += 9973) {
        const float fRatio = FloatFromBits(nBits);
        QCOMPARE(GamutChannelFromRatio(fRatio), GamutChannelFromRatioReference(fRatio));
    }
    QCOMPARE(GamutChannelFromRatio(1.0f), 255);
    QCOMPARE(GamutChannelFromRatio(0.0f), 0);
}

void TestGamutImage::degenerateInputGivesEmptyImages()
{
    CChromaRenderProbe wnd;
    wnd.SetSize(400, 300);
    QVERIFY(BuildGamutImage(wnd.GamutInput(0, 300)).isNull());
    QVERIFY(BuildGamutImageReference(wnd.GamutInput(400, -1)).isNull());

    // No polygon, or no hull: the right size, all transparent.
    SGamutImageInput sInput = wnd.GamutInput(200, 100);
    sInput.nPolygonCount = 0;
    const QVector<QPointF> vecEmpty;
    SGamutImageInput sNoHull = wnd.GamutInput(200, 100);
    sNoHull.pHull = &vecEmpty;
    for (const SGamutImageInput& s : {sInput, sNoHull}) {
        const QImage image = BuildGamutImage(s);
        QCOMPARE(image.size(), QSize(200, 100));
        QCOMPARE(image, BuildGamutImageReference(s));
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                QCOMPARE(image.pixel(x, y), qRgba(0, 0, 0, 0));
    }
}

QTEST_MAIN(TestGamutImage)
#include "tst_gamutimage.moc"
