#include "EdidBuilder.h"
#include "StdTimingTable.h"

#include <QtTest>

class CTestEdidTiming : public QObject
{
    Q_OBJECT

private slots:
    void FindStdTiming_data();
    void FindStdTiming();
    void FindStdTimingLeavesIndexOnMiss();
    void CvtTiming_data();
    void CvtTiming();
    void ByParamMatchesAndClearsRecord();
    void PixelRate_data();
    void PixelRate();
    void PixelClockSupportedBoundary_data();
    void PixelClockSupportedBoundary();
    void PixelClockAndBackPorch();
};

void CTestEdidTiming::FindStdTiming_data()
{
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::addColumn<int>("nRate");
    QTest::addColumn<int>("nRow");
    QTest::newRow("1920x1080@60") << 1920 << 1080 << 60 << 9;
    QTest::newRow("1920x1080@50 borrows 60 Hz row") << 1920 << 1080 << 50 << 9;
    QTest::newRow("1920x1080@120 no row") << 1920 << 1080 << 120 << -1;
    QTest::newRow("800x600@120 reduced") << 800 << 600 << 120 << 12;
    QTest::newRow("800x600@50 no row") << 800 << 600 << 50 << -1;
    QTest::newRow("1024x768@50") << 1024 << 768 << 50 << 1;
    QTest::newRow("1280x960 vs 1280x1024") << 1280 << 1024 << 60 << 3;
    QTest::newRow("2048x1152@50") << 2048 << 1152 << 50 << 11;
    QTest::newRow("swapped sides no row") << 1080 << 1920 << 60 << -1;
}

void CTestEdidTiming::FindStdTiming()
{
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    QFETCH(int, nRate);
    QFETCH(int, nRow);
    int nIndex = -1;
    CEdidBuilder::FindStdTiming(nWidth, nHeight, nRate, nIndex);
    QCOMPARE(nIndex, nRow);
}

void CTestEdidTiming::FindStdTimingLeavesIndexOnMiss()
{
    int nIndex = 7;
    CEdidBuilder::FindStdTiming(1920, 1080, 120, nIndex);
    QCOMPARE(nIndex, 7);
    CEdidBuilder::FindStdTiming(1366, 768, 50, nIndex);
    QCOMPARE(nIndex, 4);
}

void CTestEdidTiming::CvtTiming_data()
{
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::addColumn<float>("fRate");
    QTest::addColumn<int>("bInterlaced");
    QTest::addColumn<int>("bReduced");
    QTest::addColumn<int>("bMargins");
    // nHBlank, nHFrontPorch, nHSyncWidth, nVBlank, nVFrontPorch, nVSyncWidth, nSyncFlags
    QTest::addColumn<QVector<int>>("vecExpected");

    QTest::newRow("RB 1920x1080@60") << 1920 << 1080 << 60.0f << 0 << 1 << 0
                                     << QVector<int> {160, 48, 32, 31, 3, 5, 1};
    QTest::newRow("RB 1024x768@60 4:3")
        << 1024 << 768 << 60.0f << 0 << 1 << 0 << QVector<int> {160, 48, 32, 22, 3, 4, 1};
    QTest::newRow("RB 640x480@30 minimum S+9")
        << 640 << 480 << 30.0f << 0 << 1 << 0 << QVector<int> {160, 48, 32, 13, 3, 4, 1};
    QTest::newRow("RB interlaced ignores term")
        << 1920 << 1080 << 60.0f << 1 << 1 << 0 << QVector<int> {160, 48, 32, 16, 3, 5, 1};
    QTest::newRow("RB 3840x2160@60") << 3840 << 2160 << 60.0f << 0 << 1 << 0
                                     << QVector<int> {160, 48, 32, 62, 3, 5, 1};
    QTest::newRow("CVT 1920x1080@60")
        << 1920 << 1080 << 60.0f << 0 << 0 << 0 << QVector<int> {656, 128, 200, 40, 3, 5, 2};
    QTest::newRow("CVT 1024x768@60") << 1024 << 768 << 60.0f << 0 << 0 << 0
                                     << QVector<int> {304, 48, 104, 30, 3, 4, 2};
    QTest::newRow("CVT 1280x1024 5:4")
        << 1280 << 1024 << 60.0f << 0 << 0 << 0 << QVector<int> {432, 80, 136, 39, 3, 7, 2};
    QTest::newRow("CVT 1920x1200 16:10")
        << 1920 << 1200 << 60.0f << 0 << 0 << 0 << QVector<int> {672, 136, 200, 45, 3, 6, 2};
    QTest::newRow("CVT 1366x768 rounds to 1368, no ratio")
        << 1366 << 768 << 60.0f << 0 << 0 << 0 << QVector<int> {416, 72, 136, 30, 3, 10, 2};
    QTest::newRow("CVT 1921x1080 rounds to 1928, no ratio")
        << 1921 << 1080 << 60.0f << 0 << 0 << 0 << QVector<int> {656, 128, 200, 40, 3, 10, 2};
    QTest::newRow("CVT 640x480@30 duty floor 20%")
        << 640 << 480 << 30.0f << 0 << 0 << 0 << QVector<int> {160, 16, 64, 12, 3, 4, 2};
    QTest::newRow("CVT 640x480@20 raised B minimum")
        << 640 << 480 << 20.0f << 0 << 0 << 0 << QVector<int> {160, 16, 64, 10, 3, 4, 2};
    QTest::newRow("CVT interlaced 1920x1080@60")
        << 1920 << 1080 << 60.0f << 1 << 0 << 0 << QVector<int> {512, 64, 192, 22, 3, 5, 2};
    QTest::newRow("CVT margins 1920x1080@60")
        << 1920 << 1080 << 60.0f << 0 << 0 << 1 << QVector<int> {672, 128, 208, 42, 3, 5, 2};
    QTest::newRow("RB margins add vertical margin only")
        << 1920 << 1080 << 60.0f << 0 << 1 << 1 << QVector<int> {160, 48, 32, 32, 3, 5, 1};
    // 1082 x 16 / 9 = 1923.6 floors to the same 240 cells as 1920: still 16:9.
    QTest::newRow("near-ratio height matches in whole cells")
        << 1920 << 1082 << 60.0f << 0 << 1 << 0 << QVector<int> {160, 48, 32, 31, 3, 5, 1};
    // Any non-zero value means yes.
    QTest::newRow("flags are any non-zero")
        << 1920 << 1080 << 60.0f << 0 << -3 << 0 << QVector<int> {160, 48, 32, 31, 3, 5, 1};
}

static QVector<int> Fields(const STimingInfo& t)
{
    return {t.nHBlank, t.nHFrontPorch, t.nHSyncWidth, t.nVBlank, t.nVFrontPorch, t.nVSyncWidth, t.nSyncFlags};
}

void CTestEdidTiming::CvtTiming()
{
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    QFETCH(float, fRate);
    QFETCH(int, bInterlaced);
    QFETCH(int, bReduced);
    QFETCH(int, bMargins);
    QFETCH(QVector<int>, vecExpected);
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(nWidth, nHeight, fRate, bInterlaced, bReduced, bMargins, sTiming);
    QCOMPARE(Fields(sTiming), vecExpected);
}

void CTestEdidTiming::ByParamMatchesAndClearsRecord()
{
    const SCvtParam arrParams[] = {
        {1920, 1080, 60.0f, 1, 0, 1},
        {1024, 768, 75.0f, 0, 1, 0},
        {4095, 2400, 24.0f, 0, 0, 0},
    };
    for (const SCvtParam& sParam : arrParams) {
        STimingInfo sDirect;
        CEdidBuilder::CalcCvtTiming(sParam.nWidth, sParam.nHeight, sParam.fRate, sParam.bInterlaced,
            sParam.bReducedBlanking, sParam.bMargins, sDirect);
        STimingInfo sByParam {
            0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFF, 0xFF, 0xFF}; // stale contents must not survive
        CEdidBuilder::CalcCvtTimingByParam(sParam, sByParam);
        QCOMPARE(Fields(sByParam), Fields(sDirect));
    }
}

void CTestEdidTiming::PixelRate_data()
{
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::addColumn<float>("fRate");
    QTest::addColumn<int>("nStandard");
    QTest::addColumn<double>("dExpected");
    QTest::newRow("row 9 reduced") << 1920 << 1080 << 60.0f << 0 << 148500000.0;
    QTest::newRow("row 9 standard") << 1920 << 1080 << 60.0f << 1 << 148500000.0;
    QTest::newRow("row 9 at 50 Hz") << 1920 << 1080 << 50.0f << 7 << 123750000.0;
    // 59 matches no row: CVT-RB totals 2080 x 1111 in single precision.
    QTest::newRow("59.94 Hz reduced") << 1920 << 1080 << 59.94f << 0 << 138514144.0;
    // Standard CVT totals 2576 x 1120.
    QTest::newRow("59.94 Hz standard") << 1920 << 1080 << 59.94f << 1 << 172934096.0;
    QTest::newRow("60.5 Hz truncates to row rate") << 1920 << 1080 << 60.5f << 0 << 149737504.0;
    QTest::newRow("zero rate reduced") << 1920 << 1080 << 0.0f << 0 << 0.0;
    QTest::newRow("zero rate standard") << 1920 << 1080 << 0.0f << 1 << 0.0;
}

void CTestEdidTiming::PixelRate()
{
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    QFETCH(float, fRate);
    QFETCH(int, nStandard);
    QFETCH(double, dExpected);
    QCOMPARE(static_cast<double>(CEdidBuilder::CalcPixelRate(nWidth, nHeight, fRate, nStandard)), dExpected);
}

void CTestEdidTiming::PixelClockSupportedBoundary_data()
{
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::addColumn<float>("fRate");
    QTest::addColumn<bool>("bSupported");
    QTest::newRow("row 9, 148.5 MHz") << 1920 << 1080 << 60.0f << true;
    QTest::newRow("3840x2160, 533.28 MHz") << 3840 << 2160 << 60.0f << false;
    // 2000 x 1000 x 80 is exactly the limit; one more column is over it.
    QTest::newRow("exactly 160 MHz") << 1840 << 963 << 80.0f << true;
    QTest::newRow("just above 160 MHz") << 1841 << 963 << 80.0f << false;
    // Standard CVT blanking would exceed the limit; the check always uses reduced blanking.
    QTest::newRow("reduced blanking decides") << 1920 << 1080 << 68.0f << true;
}

void CTestEdidTiming::PixelClockSupportedBoundary()
{
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    QFETCH(float, fRate);
    QFETCH(bool, bSupported);
    QCOMPARE(CEdidBuilder::IsPixelClockSupported(nWidth, nHeight, fRate), bSupported);
}

void CTestEdidTiming::PixelClockAndBackPorch()
{
    // Operands are single precision: 2080 x 1111 x 59.94 / 1e6.
    QCOMPARE(CEdidBuilder::CalcPixelClockMHz(1920, 160, 1080, 31, 59.94f), 138.514144f);
    QCOMPARE(CEdidBuilder::CalcPixelClockMHz(1920, 280, 1080, 45, 0.0f), 0.0f);
    QCOMPARE(CEdidBuilder::CalcBackPorch(656, 128, 200), 328u);
}

QTEST_APPLESS_MAIN(CTestEdidTiming)
#include "tst_EdidTiming.moc"
