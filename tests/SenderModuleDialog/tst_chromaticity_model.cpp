#include "AssertDeath.h"
#include "ChromaticityProbe.h"

#include <QtTest>

using namespace ChromaFixture;

class TestChromaticityModel : public QObject
{
    Q_OBJECT

private slots:
    void groupOperations();
    void setSizeAndMapping();
    void setSizeRefusesSmallSizes();
};

void TestChromaticityModel::groupOperations()
{
    CChromaticityProbe wnd;
    SChromaGroupInfo info = SRGB();
    info.m_nIndex = 9;
    info.m_strName = QStringLiteral("first");
    QVERIFY(wnd.AddChromaGroupByIndex(5, info));
    SChromaGroupInfo* pStored = wnd.GetChromaGroupByIndex(5);
    QVERIFY(pStored && !wnd.GetChromaGroupByIndex(9));
    QCOMPARE(pStored->m_nIndex, 5); // the key wins over the copy's own index

    info.m_strName = QStringLiteral("second");
    QVERIFY(!wnd.AddChromaGroupByIndex(5, info));
    QCOMPARE(pStored->m_strName, QStringLiteral("first"));
    QVERIFY(!wnd.AddChromaGroupByIndex(-1, info));

    // Set replaces in place, so pointers handed out stay valid; on an absent key it adds.
    QVERIFY(wnd.SetChromaGroupByIndex(5, info));
    QCOMPARE(wnd.GetChromaGroupByIndex(5), pStored);
    QCOMPARE(pStored->m_strName, QStringLiteral("second"));
    QVERIFY(wnd.SetChromaGroupByIndex(7, info));
    QCOMPARE(wnd.GetChromaGroupByIndex(7)->m_nIndex, 7);
    QVERIFY(!wnd.SetChromaGroupByIndex(-2, info));

    QVERIFY(!wnd.GetChromaGroupByIndex(-1));
    QVERIFY(!wnd.RemoveChromaGroupByIndex(-1));
    QVERIFY(!wnd.RemoveChromaGroupByIndex(4));
    QVERIFY(wnd.RemoveChromaGroupByIndex(7));
    QVERIFY(!wnd.GetChromaGroupByIndex(7));
    QCOMPARE(wnd.m_mapGroup.size(), 1);
    wnd.ReleaseChromaData();
    QVERIFY(wnd.m_mapGroup.isEmpty());
}

void TestChromaticityModel::setSizeAndMapping()
{
    CChromaticityProbe wnd;
    wnd.SetSize(800, 600);
    QVERIFY(wnd.m_fMarginX == 36.666664f);
    QVERIFY(wnd.m_fMarginY == 30.0f);
    QVERIFY(wnd.m_fScale == 600.0f);
    // Every locus vertex lands where the mapping puts it, in both arrays.
    const QVector<QPointF>& vecHull = wnd.m_pGamutInterp->GetQPointFData();
    QCOMPARE(wnd.m_nCIEScreenPtsNum, vecHull.size());
    for (int i = 0; i < vecHull.size(); ++i) {
        QVERIFY(std::abs(wnd.m_pCIEScreenPts[i].x() - (vecHull[i].x() * 600.0 + 36.666664)) < 1e-3);
        QVERIFY(std::abs(wnd.m_pCIEScreenPts[i].y() - (570.0 - vecHull[i].y() * 600.0)) < 1e-3);
        QCOMPARE(wnd.m_pCIEScreenPtsF[i], CChromaticityDlgWnd::QPointFToCPointF(wnd.m_pCIEScreenPts[i]));
    }

    wnd.SetSize(1024, 700);
    for (float fX = 0.0f; fX <= 0.8f; fX += 0.037f) {
        for (float fY = 0.0f; fY <= 0.9f; fY += 0.041f) {
            const CPointEx<float> ptBack = wnd.PixelToChroma(wnd.ChromaToPixel({fX, fY}));
            QVERIFY(std::abs(ptBack.x - fX) < 1e-6f && std::abs(ptBack.y - fY) < 1e-6f);
        }
    }
    // The origin sits at the bottom-left margin corner; y grows upwards.
    QCOMPARE(wnd.ChromaToPixel({0.0f, 0.0f}), QPointF(wnd.m_fMarginX, 700 - wnd.m_fMarginY));
}

void TestChromaticityModel::setSizeRefusesSmallSizes()
{
    const QString strMessage = AbortMessageOf([] { CChromaticityDlgWnd().SetSize(100, 500); });
    QVERIFY2(strMessage.contains(QStringLiteral("ASSERT: \"nWidth > 100 && nHeight > 100\"")),
        qPrintable(strMessage));
    QVERIFY(AbortMessageOf([] { CChromaticityDlgWnd().SetSize(101, 101); }).isEmpty());
}

QTEST_MAIN(TestChromaticityModel)
#include "tst_chromaticity_model.moc"
