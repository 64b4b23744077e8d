#include "ChromaRenderProbe.h"
#include "ColorStandard.h"

#include <QtTest>

using ChromaFixture::Group;

Q_DECLARE_METATYPE(SChromaGroupInfo)

namespace {

SChromaGroupInfo StandardGroup(enColorStandard enStandard)
{
    const SColorStandardGamut& s = ColorStandardGamut(enStandard);
    return Group(s.ptColor[0], s.ptColor[1], s.ptColor[2], s.ptColor[3]);
}

} // namespace

class TestColorStandard : public QObject
{
    Q_OBJECT

private slots:
    void oneCoordinateOffMatchesNothing();
    void sRGBAndRec709ShareCoordinates();
    void otherKeysSelectNoGroup();
    void coverage_data();
    void coverage();
    void coverageNeedsBothGroupsVisible();
};

void TestColorStandard::oneCoordinateOffMatchesNothing()
{
    const SChromaGroupInfo sRec2020
        = Group({0.708f, 0.292f}, {0.17f, 0.797f}, {0.131f, 0.046f}, {0.3127f, 0.329f});
    for (int nCoord = -1; nCoord < 8; ++nCoord) {
        SChromaGroupInfo sGroup = sRec2020;
        if (nCoord >= 0) {
            CPointEx<float>& pt = sGroup.m_ptColor[nCoord / 2];
            (nCoord % 2 == 0 ? pt.x : pt.y) += 0.001f;
        }
        CChromaRenderProbe wnd;
        wnd.AddChromaGroupByIndex(0, sGroup);
        wnd.ShowCIEStandard(0, enStandardPAL, true); // a stale answer must be replaced
        wnd.CalcCIEStandardValid();
        QCOMPARE(int(wnd.m_enShowStandard), nCoord < 0 ? int(enStandardRec2020) : int(enStandardNone));
    }
}

void TestColorStandard::sRGBAndRec709ShareCoordinates()
{
    for (int nPreferred = -1; nPreferred < enStandardCount; ++nPreferred) {
        CChromaRenderProbe wnd;
        wnd.AddChromaGroupByIndex(7, ChromaFixture::SRGB());
        wnd.ShowCIEStandard(0, enColorStandard(nPreferred), true);
        for (int nPaint = 0; nPaint < 2; ++nPaint) { // the preference survives repeated paints
            wnd.CalcCIEStandardValid();
            QCOMPARE(QString(ColorStandardGamut(wnd.m_enShowStandard).pszName),
                QString(nPreferred == enStandardRec709 ? "Rec709" : "sRGB"));
        }
    }
}

void TestColorStandard::otherKeysSelectNoGroup()
{
    CChromaRenderProbe wnd;
    wnd.AddChromaGroupByIndex(10, StandardGroup(enStandardNTSC));
    wnd.AddChromaGroupByIndex(20, StandardGroup(enStandardDCIP3));
    for (int nGroup : {0, 20}) { // only 0 is settled: it names the lowest key
        wnd.ShowCIEStandard(nGroup, enStandardAdobeRGB, true);
        wnd.CalcCIEStandardValid();
        QCOMPARE(wnd.m_enShowStandard, nGroup == 0 ? enStandardNTSC : enStandardAdobeRGB);
    }
}

void TestColorStandard::coverage_data()
{
    QTest::addColumn<SChromaGroupInfo>("sScreen");
    QTest::addColumn<SChromaGroupInfo>("sOutput");
    QTest::addColumn<int>("nRatio");
    const SChromaGroupInfo sOutput = Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.2f, 0.1f}, {0.35f, 0.33f});
    QTest::newRow("identical") << sOutput << sOutput << 100;
    QTest::newRow("disjoint") << Group({0.05f, 0.7f}, {0.1f, 0.8f}, {0.02f, 0.6f}, {0.06f, 0.7f}) << sOutput
                              << 0;
    // Half of the output, cut off by its median through red.
    QTest::newRow("half") << Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.25f, 0.35f}, {0.4f, 0.4f}) << sOutput << 50;
    // The covered share of the output, not of the screen.
    QTest::newRow("output inside") << StandardGroup(enStandardRec2020) << StandardGroup(enStandardSRGB)
                                   << 100;
    QTest::newRow("screen inside") << StandardGroup(enStandardSRGB) << StandardGroup(enStandardRec2020) << 53;
}

void TestColorStandard::coverage()
{
    QFETCH(SChromaGroupInfo, sScreen);
    QFETCH(SChromaGroupInfo, sOutput);
    CChromaRenderProbe wnd;
    wnd.AddChromaGroupByIndex(g_nScreenColorSpaceKey, sScreen);
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, sOutput);
    QTEST(wnd.CalcRatio(), "nRatio");
}

void TestColorStandard::coverageNeedsBothGroupsVisible()
{
    CChromaRenderProbe wnd;
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, StandardGroup(enStandardSRGB));
    QCOMPARE(wnd.CalcRatio(), -1);
    QCOMPARE(wnd.m_mapGroup.keys(), QList<int>({g_nOutputColorSpaceKey})); // no entry added
    wnd.AddChromaGroupByIndex(g_nScreenColorSpaceKey, StandardGroup(enStandardSRGB));
    for (int nKey : {g_nOutputColorSpaceKey, g_nScreenColorSpaceKey}) {
        wnd.GetChromaGroupByIndex(nKey)->m_bVisible = false;
        QCOMPARE(wnd.CalcRatio(), -1);
        wnd.GetChromaGroupByIndex(nKey)->m_bVisible = true;
        QCOMPARE(wnd.CalcRatio(), 100);
    }
}

QTEST_MAIN(TestColorStandard)
#include "tst_colorstandard.moc"
