#include "EdidBuilder.h"
#include "EdidLimits.h"

#include <QtTest>

namespace {
QByteArray Block(const CEdidBuilder& builder)
{
    return QByteArray(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);
}

QByteArray Bytes(const CEdidBuilder& builder, int nOffset, int nLength)
{
    return Block(builder).mid(nOffset, nLength);
}

int Sum(const QByteArray& baBlock)
{
    int nSum = 0;
    for (char c : baBlock)
        nSum += static_cast<uint8_t>(c);
    return nSum % 256;
}

// Everything outside descriptor 1, the name text and the checksum.
const QByteArray g_baHead
    = QByteArray::fromHex("00 FF FF FF FF FF FF 00  7B DE  00 00  01 01 01 01  00 1B  01 03 "
                          "81 00 00 78 0A  C0 01 AF 50 30 B6 23 0D 50 54  01 00 00 "
                          "01 01 01 01 01 01 01 01 01 01 01 01 01 01 01 01");
const QByteArray g_baDescriptor2 = QByteArray::fromHex("000000FF003030300A202020202020202020");
const QByteArray g_baNameHead = QByteArray::fromHex("000000FC00");
const QByteArray g_baDescriptor4 = QByteArray::fromHex("000000FD0017781E9911000A202020202020");
} // namespace

class CTestEdidBuilder : public QObject
{
    Q_OBJECT

private slots:
    void FullBlocks_data();
    void FullBlocks();
    void MonitorName_data();
    void MonitorName();
    void BaseBlockAloneHasInvalidChecksum();
    void DescriptorBitPacking();
    void SyncFlagByte();
    void ChecksumValidAfterEveryWrite();
    void RebuildReplacesEverything();
    void EncodableLimits();
    void AdvertisedRanges();
};

void CTestEdidBuilder::FullBlocks_data()
{
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::addColumn<QByteArray>("baDescriptor1");
    QTest::addColumn<QByteArray>("baName");
    QTest::addColumn<int>("nChecksum");
    QTest::newRow("1920x1080") << 1920 << 1080 << QByteArray::fromHex("293680A070381F403020350000000000001A")
                               << QByteArray("LED 1920X1080") << 0x22;
    QTest::newRow("1024x768") << 1024 << 768 << QByteArray::fromHex("EC1500A0400016303020340000000000001A")
                              << QByteArray("LED 1024X768\n") << 0xA1;
}

void CTestEdidBuilder::FullBlocks()
{
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    QFETCH(QByteArray, baDescriptor1);
    QFETCH(QByteArray, baName);
    QFETCH(int, nChecksum);
    const QByteArray baExpected = g_baHead + baDescriptor1 + g_baDescriptor2 + g_baNameHead + baName
        + g_baDescriptor4 + QByteArray(1, 0x00) + QByteArray(1, char(nChecksum));
    QCOMPARE(baExpected.size(), CEdidBuilder::BLOCK_SIZE);

    CEdidBuilder builder;
    builder.BuildEdid(nWidth, nHeight, 60.0f);
    QCOMPARE(Block(builder).toHex(' '), baExpected.toHex(' '));
    QVERIFY(builder.IsChecksumValid());
}

void CTestEdidBuilder::MonitorName_data()
{
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nHeight");
    QTest::addColumn<QByteArray>("baText");
    QTest::newRow("three-digit width, two spaces") << 800 << 600 << QByteArray("LED  800X600\n");
    QTest::newRow("shortest") << 1 << 1 << QByteArray("LED    1X1\n  ");
    QTest::newRow("exactly 13") << 4095 << 4095 << QByteArray("LED 4095X4095");
    QTest::newRow("14th character dropped") << 12345 << 12345 << QByteArray("LED12345X1234");
}

void CTestEdidBuilder::MonitorName()
{
    QFETCH(int, nWidth);
    QFETCH(int, nHeight);
    QFETCH(QByteArray, baText);
    CEdidBuilder builder;
    builder.BuildBaseBlock(nWidth, nHeight);
    QCOMPARE(Bytes(builder, 90, 5), g_baNameHead);
    QCOMPARE(Bytes(builder, 95, 13), baText);
    // The name never spills into the next descriptor.
    QCOMPARE(Bytes(builder, 108, 18), g_baDescriptor4);
}

void CTestEdidBuilder::BaseBlockAloneHasInvalidChecksum()
{
    CEdidBuilder builder;
    builder.BuildBaseBlock(1920, 1080);
    QCOMPARE(Bytes(builder, 54, 18), QByteArray::fromHex("642A009851002A403070130000000000001E"));
    QCOMPARE(int(builder.GetBlock()[127]), 0x80);
    QVERIFY(Sum(Block(builder)) != 0);
    QVERIFY(!builder.IsChecksumValid());
    builder.UpdateChecksum();
    QCOMPARE(Sum(Block(builder)), 0);
    QVERIFY(builder.IsChecksumValid());

    builder.ClearBlock();
    QCOMPARE(Block(builder), QByteArray(CEdidBuilder::BLOCK_SIZE, '\0'));
}

void CTestEdidBuilder::DescriptorBitPacking()
{
    // Distinct bit patterns in every field, so a swapped nibble or shift shows.
    STimingInfo sTiming;
    sTiming.nHBlank = 0xABC;
    sTiming.nHFrontPorch = 0x2D5;
    sTiming.nHSyncWidth = 0x1A6;
    sTiming.nVBlank = 0x987;
    sTiming.nVFrontPorch = 0x2B;
    sTiming.nVSyncWidth = 0x1E;
    sTiming.nSyncFlags = 2;
    CEdidBuilder builder;
    builder.BuildBaseBlock(0xFED, 0x123);
    // (4077 + 2748) x (291 + 2439) = 18632250 pixels per frame at 10 Hz.
    builder.WriteDetailedTiming(0xFED, 0x123, 10.0f, sTiming);
    QCOMPARE(Bytes(builder, 54, 18).toHex(' '),
        QByteArray::fromHex("C848EDBCFA238719D5A6BE9900000000001C").toHex(' '));
}

void CTestEdidBuilder::SyncFlagByte()
{
    const int arrExpected[] = {0x18, 0x1A, 0x1C, 0x1E};
    for (int nFlags = 0; nFlags < 4; ++nFlags) {
        STimingInfo sTiming;
        sTiming.nSyncFlags = static_cast<uint8_t>(nFlags);
        CEdidBuilder builder;
        builder.WriteDetailedTiming(640, 480, 60.0f, sTiming);
        QCOMPARE(int(builder.GetBlock()[71]), arrExpected[nFlags]);
    }
}

void CTestEdidBuilder::ChecksumValidAfterEveryWrite()
{
    QRandomGenerator random(20170101);
    CEdidBuilder builder;
    for (int i = 0; i < 500; ++i) {
        const int nWidth = random.bounded(1, 4096);
        const int nHeight = random.bounded(1, 4096);
        const float fRate = static_cast<float>(1.0 + random.bounded(239.0));
        builder.BuildEdid(nWidth, nHeight, fRate);
        QVERIFY2(
            Sum(Block(builder)) == 0, qPrintable(QString("%1x%2@%3").arg(nWidth).arg(nHeight).arg(fRate)));

        STimingInfo sTiming;
        sTiming.nHBlank = static_cast<uint16_t>(random.bounded(4096));
        sTiming.nVBlank = static_cast<uint16_t>(random.bounded(4096));
        sTiming.nHFrontPorch = static_cast<uint16_t>(random.bounded(1024));
        sTiming.nVSyncWidth = static_cast<uint8_t>(random.bounded(64));
        sTiming.nSyncFlags = static_cast<uint8_t>(random.bounded(4));
        builder.WriteDetailedTiming(nWidth, nHeight, fRate, sTiming);
        QCOMPARE(Sum(Block(builder)), 0);
    }
}

void CTestEdidBuilder::RebuildReplacesEverything()
{
    CEdidBuilder reused;
    reused.BuildEdid(4095, 4095, 24.0f);
    reused.BuildEdid(1024, 768, 60.0f);
    CEdidBuilder fresh;
    fresh.BuildEdid(1024, 768, 60.0f);
    QCOMPARE(Block(reused), Block(fresh));

    // SetDetailedTiming writes exactly the reduced-blanking timing.
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(1366, 768, 59.94f, 0, 1, 0, sTiming);
    CEdidBuilder viaTiming;
    viaTiming.BuildBaseBlock(1366, 768);
    viaTiming.WriteDetailedTiming(1366, 768, 59.94f, sTiming);
    CEdidBuilder viaSet;
    viaSet.BuildBaseBlock(1366, 768);
    viaSet.SetDetailedTiming(1366, 768, 59.94f);
    QCOMPARE(Block(viaSet), Block(viaTiming));
}

void CTestEdidBuilder::EncodableLimits()
{
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(1920, 1080, 60.0f, 0, 1, 0, sTiming);
    QVERIFY(EdidLimits::CheckEncodable(1920, 1080, 60.0f, sTiming).isEmpty());

    // 4255 x 4172 x 40 Hz = 710.07 MHz, beyond the 16-bit clock field.
    CEdidBuilder::CalcCvtTiming(4095, 4095, 40.0f, 0, 1, 0, sTiming);
    QVERIFY(EdidLimits::CheckEncodable(4095, 4095, 40.0f, sTiming).contains("655.36 MHz"));

    STimingInfo sTall;
    sTall.nVBlank = 4096;
    QVERIFY(EdidLimits::CheckEncodable(640, 480, 1.0f, sTall).contains("vertical blanking 4096"));
    sTall.nVBlank = 4095;
    QVERIFY(EdidLimits::CheckEncodable(640, 480, 1.0f, sTall).isEmpty());

    STimingInfo sWide;
    sWide.nHSyncWidth = 1024;
    QVERIFY(EdidLimits::CheckEncodable(640, 480, 60.0f, sWide).contains("horizontal sync width 1024"));
    sWide = STimingInfo();
    sWide.nVFrontPorch = 64;
    QVERIFY(EdidLimits::CheckEncodable(640, 480, 60.0f, sWide).contains("vertical front porch 64"));
    sWide.nVFrontPorch = 63;
    sWide.nHFrontPorch = 1023;
    QVERIFY(EdidLimits::CheckEncodable(640, 480, 60.0f, sWide).isEmpty());
}

void CTestEdidBuilder::AdvertisedRanges()
{
    using namespace EdidLimits;
    // The constants describe the block's own range-limits descriptor.
    CEdidBuilder builder;
    builder.BuildEdid(1920, 1080, 60.0f);
    const uint8_t* pBlock = builder.GetBlock();
    QCOMPARE(double(pBlock[113]), MIN_VFREQ_HZ);
    QCOMPARE(double(pBlock[114]), MAX_VFREQ_HZ);
    QCOMPARE(double(pBlock[115]), MIN_HFREQ_KHZ);
    QCOMPARE(double(pBlock[116]), MAX_HFREQ_KHZ);
    QCOMPARE(double(pBlock[117]) * 10.0, MAX_CLOCK_MHZ);

    struct SCase
    {
        int nWidth, nHeight;
        float fRate;
        unsigned nViolations;
    };
    const SCase arrCases[] = {
        {1920, 1080, 60.0f, 0},
        {3840, 2160, 60.0f, RANGE_CLOCK_HIGH},
        {1920, 1080, 144.0f, RANGE_CLOCK_HIGH | RANGE_VFREQ | RANGE_HFREQ},
        {640, 480, 20.0f, RANGE_CLOCK_LOW},
        {1024, 768, 22.0f, RANGE_VFREQ | RANGE_HFREQ},
        {320, 240, 121.0f, RANGE_VFREQ},
        // 120.42 Hz and 29.90 kHz round to the advertised limits; 120.67 Hz does not.
        {320, 240, 120.5f, 0},
        {320, 480, 59.94f, 0},
        {320, 240, 120.7f, RANGE_VFREQ},
        // The clock limit is exact: 170.06 MHz is over.
        {1600, 900, 102.25f, RANGE_CLOCK_HIGH},
    };
    for (const SCase& c : arrCases) {
        STimingInfo sTiming;
        CEdidBuilder::CalcCvtTiming(c.nWidth, c.nHeight, c.fRate, 0, 1, 0, sTiming);
        QCOMPARE(FindRangeViolations(c.nWidth, c.nHeight, c.fRate, sTiming), c.nViolations);
        QCOMPARE(
            DescribeRangeViolations(c.nWidth, c.nHeight, c.fRate, sTiming).isEmpty(), c.nViolations == 0);
    }
}

QTEST_APPLESS_MAIN(CTestEdidBuilder)
#include "tst_EdidBuilder.moc"
