#include "AssertDeath.h"
#include "ChromaGamutInterpolation.h"
#include "ChromaticityProbe.h"

#include <QtTest>

#include <cstring>

using namespace ChromaFixture;

class TestChromaticityModel : public QObject
{
    Q_OBJECT

private slots:
    void constructionDefaults();
    void addForcesKeyAndRefusesDuplicates();
    void setAddsOrReplacesInPlace();
    void removeAndNegativeKeys();
    void releaseEmptiesMap();
    void setSizeMarginsScaleAndLocus();
    void setSizeRefusesSmallSizes_data();
    void setSizeRefusesSmallSizes();
    void mappingRoundTrip();
    void windowSlots();
    void staticPixels();
};

void TestChromaticityModel::constructionDefaults()
{
    CChromaticityProbe wnd;
    QCOMPARE(wnd.m_fScale, 500.0f);
    QCOMPARE(wnd.m_fMarginX, 25.0f);
    QCOMPARE(wnd.m_clrBackground, QColor(50, 50, 50));
    // 6500 K is pinned to the D65 white point, stored as the doubles of the floats.
    QCOMPARE(wnd.m_ptD65, QPointF(double(0.3127f), double(0.329f)));
    QVERIFY(wnd.hasMouseTracking());
    QVERIFY(wnd.m_nCIEScreenPtsNum > 100);
    for (int i = 0; i < wnd.m_nCIEScreenPtsNum; ++i)
        QCOMPARE(wnd.m_pCIEScreenPts[i], QPointF(0, 0));
}

void TestChromaticityModel::addForcesKeyAndRefusesDuplicates()
{
    CChromaticityProbe wnd;
    SChromaGroupInfo info = SRGB();
    info.m_nIndex = 9;
    info.m_strName = QStringLiteral("first");
    QVERIFY(wnd.AddChromaGroupByIndex(5, info));
    SChromaGroupInfo* pStored = wnd.GetChromaGroupByIndex(5);
    QVERIFY(pStored);
    QCOMPARE(pStored->m_nIndex, 5);
    QCOMPARE(pStored->m_strName, QStringLiteral("first"));
    QVERIFY(wnd.GetChromaGroupByIndex(9) == nullptr);

    info.m_strName = QStringLiteral("second");
    QVERIFY(!wnd.AddChromaGroupByIndex(5, info));
    QCOMPARE(wnd.GetChromaGroupByIndex(5), pStored);
    QCOMPARE(pStored->m_strName, QStringLiteral("first"));
    QVERIFY(!wnd.AddChromaGroupByIndex(-1, info));
    QCOMPARE(wnd.m_mapGroup.size(), 1);
}

void TestChromaticityModel::setAddsOrReplacesInPlace()
{
    CChromaticityProbe wnd;
    SChromaGroupInfo info = SRGB();
    info.m_nIndex = 3;
    QVERIFY(wnd.SetChromaGroupByIndex(7, info));
    SChromaGroupInfo* pStored = wnd.GetChromaGroupByIndex(7);
    QVERIFY(pStored);
    QCOMPARE(pStored->m_nIndex, 7);

    SChromaGroupInfo other = Group({0.7f, 0.29f}, {0.17f, 0.79f}, {0.13f, 0.05f}, {0.31f, 0.32f});
    other.m_strName = QStringLiteral("replaced");
    other.m_bRGBMode = false;
    QVERIFY(wnd.SetChromaGroupByIndex(7, other));
    QCOMPARE(wnd.GetChromaGroupByIndex(7), pStored);
    QCOMPARE(pStored->m_strName, QStringLiteral("replaced"));
    QCOMPARE(pStored->m_ptColor[1], CPointEx<float>(0.17f, 0.79f));
    QVERIFY(!pStored->m_bRGBMode);
    QVERIFY(!wnd.SetChromaGroupByIndex(-2, other));
    QCOMPARE(wnd.m_mapGroup.size(), 1);
}

void TestChromaticityModel::removeAndNegativeKeys()
{
    CChromaticityProbe wnd;
    QVERIFY(wnd.AddChromaGroupByIndex(0, SRGB()));
    QVERIFY(wnd.GetChromaGroupByIndex(-1) == nullptr);
    QVERIFY(!wnd.RemoveChromaGroupByIndex(-1));
    QVERIFY(!wnd.RemoveChromaGroupByIndex(4));
    QCOMPARE(wnd.m_mapGroup.size(), 1);
    QVERIFY(wnd.RemoveChromaGroupByIndex(0));
    QVERIFY(wnd.GetChromaGroupByIndex(0) == nullptr);
    QVERIFY(!wnd.RemoveChromaGroupByIndex(0));
}

void TestChromaticityModel::releaseEmptiesMap()
{
    CChromaticityProbe wnd;
    for (int nKey : {1, 512, 768})
        QVERIFY(wnd.AddChromaGroupByIndex(nKey, SRGB()));
    wnd.ReleaseChromaData();
    QVERIFY(wnd.m_mapGroup.isEmpty());
    QVERIFY(wnd.AddChromaGroupByIndex(512, SRGB()));
}

void TestChromaticityModel::setSizeMarginsScaleAndLocus()
{
    CChromaticityProbe wnd;
    wnd.SetSize(800, 600);
    QVERIFY(wnd.m_fMarginX == 36.666664f);
    QVERIFY(wnd.m_fMarginY == 30.0f);
    QVERIFY(wnd.m_fScale == 600.0f);
    QCOMPARE(wnd.m_rcWnd, QRect(0, 0, 800, 600));

    // Every locus vertex lands where the mapping puts it, in both arrays.
    const QVector<QPointF>& vecHull = wnd.m_pGamutInterp->GetQPointFData();
    QCOMPARE(wnd.m_nCIEScreenPtsNum, vecHull.size());
    for (int i = 0; i < vecHull.size(); ++i) {
        const QPointF ptExpected(vecHull[i].x() * 600.0 + 36.666664, 570.0 - vecHull[i].y() * 600.0);
        QVERIFY2(
            std::abs(wnd.m_pCIEScreenPts[i].x() - ptExpected.x()) < 1e-3, qPrintable(QString::number(i)));
        QVERIFY(std::abs(wnd.m_pCIEScreenPts[i].y() - ptExpected.y()) < 1e-3);
        QCOMPARE(wnd.m_pCIEScreenPtsF[i], CChromaticityDlgWnd::QPointFToCPointF(wnd.m_pCIEScreenPts[i]));
    }
}

void TestChromaticityModel::setSizeRefusesSmallSizes_data()
{
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::newRow("narrow") << 100 << 500;
    QTest::newRow("flat") << 500 << 100;
}

void TestChromaticityModel::setSizeRefusesSmallSizes()
{
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    const QString strMessage = AbortMessageOf([=] {
        CChromaticityDlgWnd wnd;
        wnd.SetSize(nWidth, nHeight);
    });
    QVERIFY2(strMessage.contains(QStringLiteral("ASSERT: \"nWidth > 100 && nHeight > 100\"")),
        qPrintable(strMessage));
    QVERIFY(strMessage.contains(QStringLiteral("CChromaticityDlgWnd")));
    // The smallest sizes that pass do not abort.
    QVERIFY(AbortMessageOf([] {
        CChromaticityDlgWnd wnd;
        wnd.SetSize(101, 101);
    }).isEmpty());
}

void TestChromaticityModel::mappingRoundTrip()
{
    CChromaticityProbe wnd;
    wnd.SetSize(1024, 700);
    for (float fX = 0.0f; fX <= 0.8f; fX += 0.037f) {
        for (float fY = 0.0f; fY <= 0.9f; fY += 0.041f) {
            const QPointF ptPixel = wnd.ChromaToPixel({fX, fY});
            const CPointEx<float> ptBack = wnd.PixelToChroma(ptPixel);
            QVERIFY(std::abs(ptBack.x - fX) < 1e-6f);
            QVERIFY(std::abs(ptBack.y - fY) < 1e-6f);
        }
    }
    // The diagram origin sits at the bottom-left margin corner; y grows upwards.
    const QPointF ptOrigin = wnd.ChromaToPixel({0.0f, 0.0f});
    QCOMPARE(ptOrigin, QPointF(wnd.m_fMarginX, 700 - wnd.m_fMarginY));
    QVERIFY(wnd.ChromaToPixel({0.0f, 0.5f}).y() < ptOrigin.y());
}

void TestChromaticityModel::windowSlots()
{
    CChromaticityProbe wnd;
    int nWidth = -5;
    int nHeight = -6;
    wnd.GetWndData(7, nWidth, nHeight);
    QCOMPARE(nWidth, -5);
    QCOMPARE(nHeight, -6);
    wnd.GetWndData(4, nWidth, nHeight);
    QCOMPARE(nWidth, 0);

    wnd.SetWndData(2, 320, 240);
    wnd.SetWndData(7, 111, 222);
    wnd.GetWndData(2, nWidth, nHeight);
    QCOMPARE(nWidth, 320);
    QCOMPARE(nHeight, 240);
    for (int nType : {0, 1, 3, 4}) {
        wnd.GetWndData(nType, nWidth, nHeight);
        QCOMPARE(nWidth, 0);
    }
}

void TestChromaticityModel::staticPixels()
{
    CChromaticityProbe wnd;
    wnd.SetSize(800, 600);
    QPointF arrPoints[2] = {QPointF(0.0, 0.0), QPointF(0.5, 0.25)};
    QVERIFY(!wnd.DrawStaticPiexl(nullptr, 2, 1, 2, 3, 4));
    QVERIFY(!wnd.DrawStaticPiexl(arrPoints, -1, 1, 2, 3, 4));
    QVERIFY(!wnd.m_bStaticPixel);

    QVERIFY(wnd.DrawStaticPiexl(arrPoints, 2, 10, 20, 30, 40));
    QVERIFY(wnd.m_bStaticPixel);
    QCOMPARE(wnd.m_nStaticPixelNum, 2);
    QCOMPARE(wnd.m_pStaticPixels[1], wnd.ChromaToPixel({0.5f, 0.25f}));
    QCOMPARE(int(wnd.m_ucPixelColor[3]), 40);
    QVERIFY(!wnd.DrawStaticPiexl(arrPoints, -3, 1, 2, 3, 4));
    QCOMPARE(wnd.m_nStaticPixelNum, 2);
}

QTEST_MAIN(TestChromaticityModel)
#include "tst_chromaticity_model.moc"
