#include "EdidOptions.h"
#include "EdidSettingsRecord.h"

#include <QtTest>

using namespace EdidOptions;

class TestEdidOptions : public QObject
{
    Q_OBJECT

private slots:
    void FrameRateToPosition_data();
    void FrameRateToPosition();
    void PositionToFrameRate();
    void ColourByteFields();
    void MaxAreaPerRate_data();
    void MaxAreaPerRate();
    void FormatCheckValue();
    void OfferedRates_data();
    void OfferedRates();
    void OfferedDepths_data();
    void OfferedDepths();
    void RowsAndConnectFlag();
    void CustomSizeClamp();
    void ProgressTiming();
    void WindowHeight();
    void KylinCheck();
    void RecordBytes();
    void RecordParse();
    void InputDescriptor();
};

void TestEdidOptions::FrameRateToPosition_data()
{
    QTest::addColumn<int>("nRate");
    QTest::addColumn<bool>("bFractional");
    QTest::addColumn<int>("nExpected"); // -1: not in the table

    QTest::newRow("23.976") << 24 << true << 0;
    QTest::newRow("24") << 24 << false << 1;
    QTest::newRow("25 ignores flag") << 25 << true << 2;
    QTest::newRow("29.97") << 30 << true << 3;
    QTest::newRow("30") << 30 << false << 4;
    QTest::newRow("50 ignores flag") << 50 << true << 5;
    QTest::newRow("59.94") << 60 << true << 6;
    QTest::newRow("60") << 60 << false << 7;
    QTest::newRow("120 ignores flag") << 120 << true << 8;
    QTest::newRow("144") << 144 << false << 9;
    QTest::newRow("240 ignores flag") << 240 << true << 10;
    QTest::newRow("100") << 100 << false << -1;
    QTest::newRow("75") << 75 << false << -1;
    QTest::newRow("0") << 0 << false << -1;
}

void TestEdidOptions::FrameRateToPosition()
{
    QFETCH(int, nRate);
    QFETCH(bool, bFractional);
    QFETCH(int, nExpected);
    int nIndex = 42;
    const bool bFound = IndexByFrameRate(static_cast<uint8_t>(nRate), bFractional, nIndex);
    QCOMPARE(bFound, nExpected >= 0);
    QCOMPARE(nIndex, bFound ? nExpected : 42); // untouched when not found
}

void TestEdidOptions::PositionToFrameRate()
{
    const int arrRates[RATE_COUNT] = {24, 24, 25, 30, 30, 50, 60, 60, 120, 144, 240};
    const bool arrFractional[RATE_COUNT]
        = {true, false, false, true, false, false, true, false, false, false, false};
    for (int i = 0; i < RATE_COUNT; ++i) {
        uint8_t ucRate = 0;
        bool bFractional = !arrFractional[i];
        QVERIFY(FrameRateByIndex(i, ucRate, bFractional));
        QCOMPARE(int(ucRate), arrRates[i]);
        QCOMPARE(bFractional, arrFractional[i]);
        int nBack = -1;
        QVERIFY(IndexByFrameRate(ucRate, bFractional, nBack));
        QCOMPARE(nBack, i);
    }
    for (int nBad : {-1, 11, 100}) {
        uint8_t ucRate = 99;
        bool bFractional = true;
        QVERIFY(!FrameRateByIndex(nBad, ucRate, bFractional));
        QCOMPARE(int(ucRate), 0);
        QCOMPARE(bFractional, false);
    }
}

void TestEdidOptions::ColourByteFields()
{
    uint8_t ucColor = 0x12;
    QVERIFY(ColorFormatByIndex(3, ucColor));
    QCOMPARE(int(ucColor), 0x82);
    QVERIFY(ColorDepthByIndex(1, ucColor));
    QCOMPARE(int(ucColor), 0x84);

    // Bit 0 is not ours to change.
    ucColor = 0x01;
    QVERIFY(ColorDepthByIndex(2, ucColor));
    QVERIFY(ColorFormatByIndex(1, ucColor));
    QCOMPARE(int(ucColor), 0x29);

    ucColor = 0x5A;
    QVERIFY(!ColorDepthByIndex(3, ucColor));
    QVERIFY(!ColorDepthByIndex(-1, ucColor));
    QVERIFY(!ColorFormatByIndex(4, ucColor));
    QVERIFY(!ColorFormatByIndex(-1, ucColor));
    QCOMPARE(int(ucColor), 0x5A);

    QCOMPARE(IndexByColorDepth(0x0C), 1); // lowest bit wins
    QCOMPARE(IndexByColorDepth(0x08), 2);
    QCOMPARE(IndexByColorDepth(0xF1), 0); // no depth bit
    QCOMPARE(IndexByColorFormat(0x01), 0);
    QCOMPARE(IndexByColorFormat(0x80), 3);
    QCOMPARE(IndexByColorFormat(0x60), 1);
    QCOMPARE(IndexByColorFormat(0x4E), 2);
}

void TestEdidOptions::MaxAreaPerRate_data()
{
    QTest::addColumn<int>("nIndex");
    QTest::addColumn<uint>("uExpected");
    QTest::newRow("23.976") << 0 << 5189184u;
    QTest::newRow("24") << 1 << 5184000u;
    QTest::newRow("25") << 2 << 4976640u;
    QTest::newRow("29.97 quotient first") << 3 << 4151147u;
    QTest::newRow("30") << 4 << 4147200u;
    QTest::newRow("50") << 5 << 2488320u;
    QTest::newRow("59.94 quotient first") << 6 << 2075073u;
    QTest::newRow("60") << 7 << 2073600u;
    QTest::newRow("120") << 8 << 1036800u;
    QTest::newRow("144") << 9 << 2304000u;
    QTest::newRow("240") << 10 << 2304000u;
    QTest::newRow("beyond") << 11 << 2304000u;
    QTest::newRow("negative") << -1 << 2304000u;
}

void TestEdidOptions::MaxAreaPerRate()
{
    QFETCH(int, nIndex);
    QFETCH(uint, uExpected);
    QCOMPARE(MaxAreaByRate(nIndex, 2073600), uExpected);
}

void TestEdidOptions::FormatCheckValue()
{
    // 24 and 144 Hz skip the clock check: the host gets 0.
    QCOMPARE(EdidOptions::FormatCheckValue(true, 1, 1920, 1080, 0, 2073600), 0u);
    QCOMPARE(EdidOptions::FormatCheckValue(true, 9, 1920, 1080, 0, 2073600), 0u);
    QCOMPARE(EdidOptions::FormatCheckValue(true, 0, 3840, 2160, 1, 2073600), 0u);
    // Standard row: 2200 x 1125 x 60, whichever blanking is asked for.
    QCOMPARE(EdidOptions::FormatCheckValue(true, 7, 1920, 1080, 0, 2073600), 148u);
    QCOMPARE(EdidOptions::FormatCheckValue(true, 7, 1920, 1080, 1, 2073600), 148u);
    // 59.94 Hz misses the row: CVT-RB 2080 x 1111.
    QCOMPARE(EdidOptions::FormatCheckValue(true, 6, 1920, 1080, 0, 2073600), 138u);
    // Without the clock check the area limit for the rate travels instead.
    QCOMPARE(EdidOptions::FormatCheckValue(false, 4, 1920, 1080, 0, 2073600), 4147200u);
    QCOMPARE(EdidOptions::FormatCheckValue(false, 9, 1920, 1080, 0, 2073600), 2304000u);
}

void TestEdidOptions::OfferedRates_data()
{
    QTest::addColumn<int>("nModel");
    QTest::addColumn<int>("nInput");
    QTest::addColumn<bool>("bRestricted");
    QTest::addColumn<bool>("bExtended");
    QTest::addColumn<QVector<int>>("vecExpected");

    QTest::newRow("plain model") << 21 << 5 << false << true << QVector<int> {4, 5, 7};
    QTest::newRow("extended on HDMI gives 120") << 21 << 16 << false << true << QVector<int> {4, 5, 7, 8};
    QTest::newRow("extended on input 1 gives 120") << 21 << 1 << false << true << QVector<int> {4, 5, 7, 8};
    QTest::newRow("no extended, no 120") << 21 << 16 << false << false << QVector<int> {4, 5, 7};
    QTest::newRow("model 68") << 68 << 5 << false << false << QVector<int> {4, 5, 7, 8, 9, 10};
    QTest::newRow("input 132") << 68 << 132 << false << false << QVector<int> {7, 8, 9, 10};
    QTest::newRow("model 53 all low rates")
        << 53 << 5 << false << false << QVector<int> {0, 1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("restricted stops after 50") << 53 << 5 << true << true << QVector<int> {0, 1, 2, 3, 4, 5};
    QTest::newRow("restricted input 132") << 62 << 132 << true << false << QVector<int> {0, 1, 2, 3};
    QTest::newRow("model 50 NTSC only") << 50 << 5 << false << false << QVector<int> {3, 4, 5, 6, 7, 8};
    QTest::newRow("model 73 on HDMI") << 73 << 17 << false << false << QVector<int> {0, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("model 73 elsewhere") << 73 << 20 << false << false << QVector<int> {4, 5, 7};
}

void TestEdidOptions::OfferedRates()
{
    QFETCH(int, nModel);
    QFETCH(int, nInput);
    QFETCH(bool, bRestricted);
    QFETCH(bool, bExtended);
    QFETCH(QVector<int>, vecExpected);
    SInputContext ctx;
    ctx.nModel = nModel;
    ctx.nInput = nInput;
    ctx.bRestricted = bRestricted;
    ctx.bExtendedEdid = bExtended;
    QCOMPARE(EdidOptions::OfferedRates(ctx), vecExpected);
    QCOMPARE(RateIndexMax(bRestricted), bRestricted ? 2 : 4);
}

void TestEdidOptions::OfferedDepths_data()
{
    QTest::addColumn<int>("nModel");
    QTest::addColumn<int>("nInput");
    QTest::addColumn<bool>("bDepthRestricted");
    QTest::addColumn<bool>("b10");
    QTest::addColumn<bool>("b12");
    QTest::addColumn<QVector<int>>("vecExpected");
    QTest::addColumn<bool>("bForce8");

    QTest::newRow("unrestricted") << 21 << 16 << false << false << false << QVector<int> {0, 1, 2} << false;
    QTest::newRow("neither") << 21 << 16 << true << false << false << QVector<int> {0} << true;
    QTest::newRow("neither, model 73") << 73 << 16 << true << false << false << QVector<int> {0} << true;
    QTest::newRow("10 only") << 21 << 16 << true << true << false << QVector<int> {0, 1} << false;
    QTest::newRow("12 only") << 21 << 16 << true << false << true << QVector<int> {0, 1, 2} << false;
    QTest::newRow("10, model 17 HDMI")
        << 17 << 19 << true << true << false << QVector<int> {0, 1, 2} << false;
    QTest::newRow("10, model 17 other") << 17 << 20 << true << true << false << QVector<int> {0, 1} << false;
    QTest::newRow("10, model 73") << 73 << 5 << true << true << false << QVector<int> {0, 1, 2} << false;
}

void TestEdidOptions::OfferedDepths()
{
    QFETCH(int, nModel);
    QFETCH(int, nInput);
    QFETCH(bool, bDepthRestricted);
    QFETCH(bool, b10);
    QFETCH(bool, b12);
    QFETCH(QVector<int>, vecExpected);
    QFETCH(bool, bForce8);
    SInputContext ctx;
    ctx.nModel = nModel;
    ctx.nInput = nInput;
    const SDepthOffer offer = EdidOptions::OfferedDepths(ctx, bDepthRestricted, b10, b12);
    QCOMPARE(offer.vecPositions, vecExpected);
    QCOMPARE(offer.bForce8Bit, bForce8);
}

void TestEdidOptions::RowsAndConnectFlag()
{
    for (int nModel : {16, 17, 24, 49, 68, 69, 73})
        QVERIFY2(IsStandardShown(nModel), qPrintable(QString::number(nModel)));
    for (int nModel : {0, 18, 21, 25, 54, 70, 72})
        QVERIFY2(!IsStandardShown(nModel), qPrintable(QString::number(nModel)));

    QVERIFY(IsShowConnectPC(19, 16));
    QVERIFY(IsShowConnectPC(43, 19));
    QVERIFY(!IsShowConnectPC(19, 15));
    QVERIFY(!IsShowConnectPC(19, 20));
    QVERIFY(!IsShowConnectPC(17, 16));

    QVERIFY(IsSenderConnectPC(17, 16));
    QVERIFY(IsSenderConnectPC(37, 19));
    QVERIFY(!IsSenderConnectPC(37, 20));
    QVERIFY(!IsSenderConnectPC(19, 16));

    QVERIFY(HasCustomResolution(16));
    QVERIFY(!HasCustomResolution(132));
    QCOMPARE(FallbackResolutionIndex(16), 0);
    QCOMPARE(FallbackResolutionIndex(132), 4);
}

void TestEdidOptions::CustomSizeClamp()
{
    QCOMPARE(ClampCustomSize(5000, 3840), 3840);
    QCOMPARE(ClampCustomSize(3840, 3840), 3840);
    QCOMPARE(ClampCustomSize(100, 3840), 100);
    QCOMPARE(ClampCustomSize(-5, 3840), 0);
    QCOMPARE(ClampCustomSize(5000, 0), 5000); // no maximum reported
}

void TestEdidOptions::ProgressTiming()
{
    QCOMPARE(ProgressStepMs(true, true, 21), 10);
    QCOMPARE(ProgressStepMs(true, false, 54), 10);
    QCOMPARE(ProgressStepMs(false, true, 21), 200);
    QCOMPARE(ProgressStepMs(false, true, 54), 200);
    QCOMPARE(ProgressStepMs(false, true, 68), 120);
    QCOMPARE(ProgressStepMs(false, false, 21), 120);
}

void TestEdidOptions::WindowHeight()
{
    SRowFlags rows;
    rows.bConnectPC = rows.bStandard = rows.bError = rows.bCustomSize = false;
    QCOMPARE(EdidOptions::WindowHeight(rows, false), 167);
    QCOMPARE(EdidOptions::WindowHeight(rows, true), 199); // Kylin keeps the custom row's space

    rows.bCustomSize = rows.bError = rows.bStandard = true;
    QCOMPARE(EdidOptions::WindowHeight(rows, false), 263);
    QCOMPARE(EdidOptions::WindowHeight(rows, true), 263);

    rows.bConnectPC = true;
    QCOMPARE(EdidOptions::WindowHeight(rows, false), 295);
}

namespace {
QPair<QString, QString> g_sysName;
QPair<QString, QString> FakeSystem()
{
    return g_sysName;
}
} // namespace

void TestEdidOptions::KylinCheck()
{
    const FnSystemName fnPrevious = SetSystemNameSource(FakeSystem);
    const QVector<QPair<QPair<QString, QString>, bool>> vecCases = {
        {{"kylin", "4.0.2"}, true},
        {{"Kylin", "4.0.2"}, false},
        {{"kylin", "4.0.2.1"}, false},
        {{"kylin", "10"}, false},
        {{"ubuntu", "4.0.2"}, false},
    };
    for (const auto& sCase : vecCases) {
        g_sysName = sCase.first;
        QCOMPARE(IsKylin402(), sCase.second);
    }
    SetSystemNameSource(fnPrevious);
    g_sysName = {"kylin", "4.0.2"};
    SetSystemNameSource(nullptr); // back to the real system, whatever it is
    QCOMPARE(IsKylin402(), QSysInfo::productType() == "kylin" && QSysInfo::productVersion() == "4.0.2");
}

namespace {
QByteArray Hex(const SEdidSettingsRecord::CBytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())).toHex();
}
SEdidSettingsRecord::CBytes FromHex(const char* pszHex)
{
    const QByteArray ba = QByteArray::fromHex(pszHex);
    SEdidSettingsRecord::CBytes bytes {};
    std::copy(ba.begin(), ba.end(), bytes.begin());
    return bytes;
}
} // namespace

void TestEdidOptions::RecordBytes()
{
    SEdidSettingsRecord record;
    record.uFrameRate = 60;
    record.bFractional = true;
    record.uWidth = 3840;
    record.uHeight = 2160;
    record.ucColor = 0x84;
    record.ucTimingStandard = 1;
    record.ucConnectPC = 1;
    QCOMPARE(Hex(record.ToBytes()),
        QByteArray("000000003c00000001"
                   "00"
                   "000f"
                   "7008"
                   "84"
                   "01"
                   "01"
                   "000000"));

    SEdidSettingsRecord wide;
    wide.uFrameRate = 0x01020304;
    wide.uWidth = 32768;
    wide.uHeight = 1;
    QCOMPARE(Hex(wide.ToBytes()),
        QByteArray("00000000"
                   "04030201"
                   "00"
                   "00"
                   "0080"
                   "0100"
                   "00"
                   "00"
                   "00"
                   "000000"));
}

void TestEdidOptions::RecordParse()
{
    const SEdidSettingsRecord record
        = SEdidSettingsRecord::FromBytes(FromHex("000000003c000000000080073804120000000000"));
    QCOMPARE(record.uFrameRate, 60u);
    QCOMPARE(record.bFractional, false);
    QCOMPARE(int(record.uWidth), 1920);
    QCOMPARE(int(record.uHeight), 1080);
    QCOMPARE(int(record.ucColor), 0x12);
    QCOMPARE(int(record.ucTimingStandard), 0);
    QCOMPARE(int(record.ucConnectPC), 0);

    // Head and tail are not part of the settings; a round trip clears them.
    const SEdidSettingsRecord::CBytes noisy = FromHex("ffffffff1e00000001ff700f7008840101aabbcc");
    const SEdidSettingsRecord parsed = SEdidSettingsRecord::FromBytes(noisy);
    QCOMPARE(parsed.uFrameRate, 30u);
    QCOMPARE(parsed.bFractional, true);
    QCOMPARE(int(parsed.uWidth), 3952);
    QCOMPARE(int(parsed.uHeight), 2160);
    QCOMPARE(int(parsed.ucColor), 0x84);
    QCOMPARE(int(parsed.ucTimingStandard), 1);
    QCOMPARE(int(parsed.ucConnectPC), 1);
    QCOMPARE(Hex(parsed.ToBytes()),
        QByteArray("000000001e00000001"
                   "00"
                   "700f7008840101000000"));
}

void TestEdidOptions::InputDescriptor()
{
    QCOMPARE(Hex(MakeEdidInputDescriptor(132)),
        QByteArray("000000000000000000000000"
                   "84000000"
                   "00000000"));
    QCOMPARE(Hex(MakeEdidInputDescriptor(0x01020304)),
        QByteArray("000000000000000000000000"
                   "04030201"
                   "00000000"));
    QCOMPARE(Hex(MakeEdidInputDescriptor(-1)),
        QByteArray("000000000000000000000000"
                   "ffffffff"
                   "00000000"));
}

QTEST_APPLESS_MAIN(TestEdidOptions)
#include "tst_edidoptions.moc"
