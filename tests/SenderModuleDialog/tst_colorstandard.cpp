#include "ChromaRenderProbe.h"
#include "ColorStandard.h"

#include <QtTest>

using ChromaFixture::Group;

namespace {

SChromaGroupInfo StandardGroup(enColorStandard enStandard)
{
    const SColorStandardGamut& sGamut = ColorStandardGamut(enStandard);
    return Group(sGamut.ptColor[0], sGamut.ptColor[1], sGamut.ptColor[2], sGamut.ptColor[3]);
}

// Screen (768) and output (512) groups with the given triangles.
void SetCoverageGroups(
    CChromaRenderProbe& wnd, const SChromaGroupInfo& sScreen, const SChromaGroupInfo& sOutput)
{
    wnd.SetChromaGroupByIndex(g_nScreenColorSpaceKey, sScreen);
    wnd.SetChromaGroupByIndex(g_nOutputColorSpaceKey, sOutput);
}

} // namespace

class TestColorStandard : public QObject
{
    Q_OBJECT

private slots:
    void oneCoordinateOffMatchesNothing();
    void sRGBAndRec709ShareCoordinates();
    void onlyTheLowestKeyIsCompared();
    void namesAreFoundInAnyCase();
    void coverageOfOverlappingTriangles();
    void coverageNeedsBothGroupsVisible();
};

void TestColorStandard::oneCoordinateOffMatchesNothing()
{
    const SChromaGroupInfo sRec2020
        = Group({0.708f, 0.292f}, {0.17f, 0.797f}, {0.131f, 0.046f}, {0.3127f, 0.329f});
    CChromaRenderProbe wndExact;
    wndExact.AddChromaGroupByIndex(0, sRec2020);
    wndExact.CalcCIEStandardValid();
    QCOMPARE(wndExact.m_enShowStandard, enStandardRec2020);

    for (int nCoord = 0; nCoord < 8; ++nCoord) {
        SChromaGroupInfo sGroup = sRec2020;
        CPointEx<float>& pt = sGroup.m_ptColor[nCoord / 2];
        (nCoord % 2 == 0 ? pt.x : pt.y) += 0.001f;
        CChromaRenderProbe wnd;
        wnd.AddChromaGroupByIndex(0, sGroup);
        wnd.ShowCIEStandard(0, enStandardRec2020, true);
        wnd.CalcCIEStandardValid();
        QCOMPARE(int(wnd.m_enShowStandard), int(enStandardNone));
    }
    // Within the tolerance it still matches.
    SChromaGroupInfo sGroup = sRec2020;
    sGroup.m_ptColor[3].y = std::nextafter(sGroup.m_ptColor[3].y, 1.0f);
    QCOMPARE(MatchColorStandard(sGroup.m_ptColor, enStandardNone), enStandardRec2020);
}

void TestColorStandard::sRGBAndRec709ShareCoordinates()
{
    for (int nPreferred = -1; nPreferred < enStandardCount; ++nPreferred) {
        CChromaRenderProbe wnd;
        wnd.AddChromaGroupByIndex(7, ChromaFixture::SRGB());
        wnd.ShowCIEStandard(0, enColorStandard(nPreferred), true);
        wnd.CalcCIEStandardValid();
        const QString strName = ColorStandardGamut(wnd.m_enShowStandard).pszName;
        QCOMPARE(strName, nPreferred == enStandardRec709 ? QString("Rec709") : QString("sRGB"));
        // Every paint compares again: the preference survives.
        wnd.CalcCIEStandardValid();
        QCOMPARE(QString(ColorStandardGamut(wnd.m_enShowStandard).pszName), strName);
    }
}

void TestColorStandard::onlyTheLowestKeyIsCompared()
{
    CChromaRenderProbe wnd;
    wnd.ShowCIEStandard(0, enStandardPAL, true);
    wnd.CalcCIEStandardValid(); // no groups: unchanged
    QCOMPARE(wnd.m_enShowStandard, enStandardPAL);

    wnd.AddChromaGroupByIndex(20, StandardGroup(enStandardDCIP3));
    wnd.AddChromaGroupByIndex(10, StandardGroup(enStandardNTSC));
    wnd.CalcCIEStandardValid();
    QCOMPARE(wnd.m_enShowStandard, enStandardNTSC);

    // Which group another value names is not settled: none is compared.
    wnd.ShowCIEStandard(20, enStandardAdobeRGB, true);
    wnd.CalcCIEStandardValid();
    QCOMPARE(wnd.m_enShowStandard, enStandardAdobeRGB);
    int nKeyNum = -1;
    QVERIFY(!SelectStandardGroup(wnd.m_mapGroup, 20, nKeyNum));
    QCOMPARE(SelectStandardGroup(wnd.m_mapGroup, 0, nKeyNum), wnd.GetChromaGroupByIndex(10));
    QCOMPARE(nKeyNum, 0);
}

void TestColorStandard::namesAreFoundInAnyCase()
{
    QCOMPARE(ColorStandardFromName("rec2020"), enStandardRec2020);
    QCOMPARE(ColorStandardFromName("DCIP3"), enStandardDCIP3);
    QCOMPARE(ColorStandardFromName("AdobeRGB"), enStandardAdobeRGB);
    QCOMPARE(ColorStandardFromName("Rec2100"), enStandardNone);
    QCOMPARE(ColorStandardFromName(""), enStandardNone);
}

void TestColorStandard::coverageOfOverlappingTriangles()
{
    const SChromaGroupInfo sOutput = Group({0.6f, 0.3f}, {0.3f, 0.6f}, {0.2f, 0.1f}, {0.35f, 0.33f});
    CChromaRenderProbe wnd;
    SetCoverageGroups(wnd, sOutput, sOutput);
    QCOMPARE(wnd.CalcRatio(), 100);

    // Disjoint.
    SetCoverageGroups(wnd, Group({0.05f, 0.7f}, {0.1f, 0.8f}, {0.02f, 0.6f}, {0.06f, 0.7f}), sOutput);
    QCOMPARE(wnd.CalcRatio(), 0);

    // The screen is the half of the output cut off by its median through red.
    const CPointEx<float> ptMid(0.25f, 0.35f);
    SetCoverageGroups(wnd, Group({0.6f, 0.3f}, {0.3f, 0.6f}, ptMid, {0.4f, 0.4f}), sOutput);
    QCOMPARE(wnd.CalcRatio(), 50);

    // The share of the output that is covered, not the other way round.
    const SChromaGroupInfo sLarge = StandardGroup(enStandardRec2020);
    const SChromaGroupInfo sSmall = StandardGroup(enStandardSRGB);
    SetCoverageGroups(wnd, sLarge, sSmall);
    QCOMPARE(wnd.CalcRatio(), 100);
    SetCoverageGroups(wnd, sSmall, sLarge);
    QCOMPARE(wnd.CalcRatio(), 53);
}

void TestColorStandard::coverageNeedsBothGroupsVisible()
{
    CChromaRenderProbe wnd;
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, StandardGroup(enStandardSRGB));
    wnd.AddChromaGroupByIndex(5, StandardGroup(enStandardSRGB));
    QCOMPARE(wnd.CalcRatio(), -1);
    QCOMPARE(wnd.m_mapGroup.keys(), QList<int>({5, g_nOutputColorSpaceKey}));

    wnd.AddChromaGroupByIndex(g_nScreenColorSpaceKey, StandardGroup(enStandardSRGB));
    QCOMPARE(wnd.CalcRatio(), 100);
    wnd.GetChromaGroupByIndex(g_nOutputColorSpaceKey)->m_bVisible = false;
    QCOMPARE(wnd.CalcRatio(), -1);
    wnd.GetChromaGroupByIndex(g_nOutputColorSpaceKey)->m_bVisible = true;
    wnd.GetChromaGroupByIndex(g_nScreenColorSpaceKey)->m_bVisible = false;
    QCOMPARE(wnd.CalcRatio(), -1);

    wnd.RemoveChromaGroupByIndex(g_nOutputColorSpaceKey);
    QCOMPARE(wnd.CalcRatio(), -1);
    QCOMPARE(wnd.m_mapGroup.keys(), QList<int>({5, g_nScreenColorSpaceKey}));
}

QTEST_MAIN(TestColorStandard)
#include "tst_colorstandard.moc"
