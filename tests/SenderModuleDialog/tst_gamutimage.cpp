#include "ChromaDiagram.h"
#include "GamutImage.h"

#include <QtTest>

#include <cstring>

class TestGamutImage : public QObject
{
    Q_OBJECT

private slots:
    void productionBuildMatchesReference_data();
    void productionBuildMatchesReference();
    void coloursFollowTheLocusCorners();
    void channelLookupEqualsPower();
};

void TestGamutImage::productionBuildMatchesReference_data()
{
    QTest::addColumn<QSize>("sizeWnd");
    QTest::addColumn<QSize>("sizeImage");
    QTest::addColumn<int>("nThreads");
    QTest::newRow("widget 800x600") << QSize(800, 600) << QSize(800, 600) << 0;
    QTest::newRow("odd sizes, three threads") << QSize(333, 517) << QSize(333, 517) << 3;
    // A slot image of another size still tests against the widget's polygon.
    QTest::newRow("slot larger than widget") << QSize(400, 300) << QSize(1000, 700) << 2;
    QTest::newRow("slot smaller than widget") << QSize(900, 900) << QSize(211, 150) << 4;
}

void TestGamutImage::productionBuildMatchesReference()
{
    QFETCH(QSize, sizeWnd);
    QFETCH(QSize, sizeImage);
    QFETCH(int, nThreads);
    CChromaDiagram diagram;
    diagram.SetSize(sizeWnd.width(), sizeWnd.height());
    const SGamutLocus sLocus {diagram.LocusHull(), diagram.LocusPixelsF()};
    const SGamutImageInput sInput = sLocus.Input(sizeImage.width(), sizeImage.height());
    const QImage image = BuildGamutImage(sInput, nThreads);
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.size(), sizeImage);
    QVERIFY(image == BuildGamutImageReference(sInput));
    // Not trivially equal: something is drawn.
    QImage imageBlank(sizeImage, QImage::Format_ARGB32);
    imageBlank.fill(Qt::transparent);
    QVERIFY(image != imageBlank);
}

void TestGamutImage::coloursFollowTheLocusCorners()
{
    CChromaDiagram diagram;
    diagram.SetSize(800, 600);
    const QImage image
        = BuildGamutImage(SGamutLocus {diagram.LocusHull(), diagram.LocusPixelsF()}.Input(800, 600));
    const auto Pixel = [&](float fX, float fY) {
        return image.pixel(diagram.ChromaToPixel({fX, fY}).toPoint());
    };

    // Near-white around the equal-energy point.
    const QPoint ptWhite = diagram.ChromaToPixel({1.0f / 3.0f, 1.0f / 3.0f}).toPoint();
    for (int d = 0; d < 9; ++d) {
        const QRgb rgb = image.pixel(ptWhite + QPoint(d % 3 - 1, d / 3 - 1));
        QVERIFY2(qMin(qMin(qRed(rgb), qGreen(rgb)), qBlue(rgb)) >= 245 && qAlpha(rgb) == 255,
            qPrintable(QString::number(rgb, 16)));
    }
    // Beyond the line through G and B: no red.
    const QRgb rgbCyan = Pixel(0.06f, 0.3f);
    QVERIFY(qAlpha(rgbCyan) == 255 && qRed(rgbCyan) == 0 && qGreen(rgbCyan) > 200);
    const QRgb rgbRed = Pixel(0.72f, 0.27f);
    QVERIFY(qRed(rgbRed) == 255 && qGreen(rgbRed) < 110 && qBlue(rgbRed) < 80);
    // Outside the locus: transparent.
    for (const QRgb rgb : {Pixel(0.7f, 0.1f), Pixel(0.02f, 0.1f), Pixel(0.5f, 0.7f), image.pixel(0, 0)})
        QCOMPARE(rgb, qRgba(0, 0, 0, 0));
}

void TestGamutImage::channelLookupEqualsPower()
{
    const auto Check = [](uint32_t nBits) {
        float fRatio;
        std::memcpy(&fRatio, &nBits, sizeof fRatio);
        QCOMPARE(GamutChannelFromRatio(fRatio), GamutChannelFromRatioReference(fRatio));
    };
    // Around every step of the channel, where a wrong threshold would show.
    for (int k = 1; k <= 255; ++k) {
        const float fStep = float(k * k) / (255.0f * 255.0f);
        uint32_t nCentre;
        std::memcpy(&nCentre, &fStep, sizeof nCentre);
        for (uint32_t nBits = nCentre - 300; nBits <= std::min(nCentre + 300, 0x3f800000u); ++nBits)
            Check(nBits);
    }
    for (uint32_t nBits = 0; nBits <= 0x3f800000u; nBits += 9973) // the whole interval, denormals too
        Check(nBits);
}

QTEST_MAIN(TestGamutImage)
#include "tst_gamutimage.moc"
