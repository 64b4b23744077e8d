#include "EdidOptions.h"
#include "EdidSelection.h"
#include "EdidSettingsRecord.h"

#include <QtTest>

using namespace EdidOptions;

namespace {
QPair<QString, QString> g_sysName;
QPair<QString, QString> FakeSystem()
{
    return g_sysName;
}

template <typename T> QByteArray Hex(const T& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())).toHex();
}
} // namespace

class TestEdidOptions : public QObject
{
    Q_OBJECT

private slots:
    void FrameRatePositions()
    {
        int nIndex = 42;
        QVERIFY(IndexByFrameRate(60, true, nIndex) && nIndex == 6);
        QVERIFY(IndexByFrameRate(60, false, nIndex) && nIndex == 7);
        QVERIFY(IndexByFrameRate(24, true, nIndex) && nIndex == 0);
        QVERIFY(IndexByFrameRate(25, true, nIndex) && nIndex == 2); // no fractional 25 Hz
        QVERIFY(!IndexByFrameRate(100, false, nIndex) && !IndexByFrameRate(75, false, nIndex));
        QCOMPARE(nIndex, 2); // untouched when not found

        uint8_t ucRate = 0;
        bool bFractional = false;
        QVERIFY(FrameRateByIndex(3, ucRate, bFractional) && ucRate == 30 && bFractional);
        QVERIFY(FrameRateByIndex(10, ucRate, bFractional) && ucRate == 240 && !bFractional);
        ucRate = 99;
        bFractional = true;
        QVERIFY(!FrameRateByIndex(11, ucRate, bFractional) && ucRate == 0 && !bFractional);
        QVERIFY(!FrameRateByIndex(-1, ucRate, bFractional));
    }

    void ColourByte()
    {
        uint8_t ucColor = 0x12;
        QVERIFY(ColorFormatByIndex(3, ucColor) && ucColor == 0x82);
        QVERIFY(ColorDepthByIndex(1, ucColor) && ucColor == 0x84);
        ucColor = 0x01; // bit 0 is not ours to change
        QVERIFY(ColorDepthByIndex(2, ucColor) && ColorFormatByIndex(1, ucColor));
        QCOMPARE(int(ucColor), 0x29);
        QVERIFY(!ColorDepthByIndex(3, ucColor) && !ColorFormatByIndex(4, ucColor)
            && !ColorFormatByIndex(-1, ucColor));
        QCOMPARE(int(ucColor), 0x29);

        // Depth: the lowest bit wins, none is 8 bit.
        QVERIFY(IndexByColorDepth(0x0C) == 1 && IndexByColorDepth(0xF1) == 0);
        QVERIFY(
            IndexByColorFormat(0x80) == 3 && IndexByColorFormat(0x60) == 1 && IndexByColorFormat(0x4E) == 2);
    }

    void MaxAreaAndCheckValue()
    {
        // 29.97 and 59.94 Hz divide before multiplying; 144, 240 and beyond share one cap.
        const QVector<uint32_t> vecExpected = {5189184, 5184000, 4976640, 4151147, 4147200, 2488320, 2075073,
            2073600, 1036800, 2304000, 2304000, 2304000, 2304000};
        QVector<uint32_t> vecActual;
        for (int nIndex : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1})
            vecActual << MaxAreaByRate(nIndex, 2073600);
        QCOMPARE(vecActual, vecExpected);

        // 24 and 144 Hz skip the clock check: the host gets 0.
        QCOMPARE(FormatCheckValue(true, 1, 1920, 1080, 0, 2073600), 0u);
        QCOMPARE(FormatCheckValue(true, 9, 1920, 1080, 0, 2073600), 0u);
        // Standard row 2200 x 1125 whichever blanking; 59.94 Hz misses it: CVT-RB 2080 x 1111.
        QCOMPARE(FormatCheckValue(true, 7, 1920, 1080, 1, 2073600), 148u);
        QCOMPARE(FormatCheckValue(true, 6, 1920, 1080, 0, 2073600), 138u);
        // Without the clock check the area limit for the rate travels instead.
        QCOMPARE(FormatCheckValue(false, 4, 1920, 1080, 0, 2073600), 4147200u);
    }

    void OfferedRates_data()
    {
        QTest::addColumn<QVector<int>>("vecContext"); // model, input, restricted, extended
        QTest::addColumn<QVector<int>>("vecExpected");
        QTest::newRow("plain model") << QVector<int> {21, 5, 0, 1} << QVector<int> {4, 5, 7};
        QTest::newRow("extended on HDMI gives 120")
            << QVector<int> {21, 16, 0, 1} << QVector<int> {4, 5, 7, 8};
        QTest::newRow("no extended, no 120") << QVector<int> {21, 16, 0, 0} << QVector<int> {4, 5, 7};
        QTest::newRow("model 68") << QVector<int> {68, 5, 0, 0} << QVector<int> {4, 5, 7, 8, 9, 10};
        QTest::newRow("input 132") << QVector<int> {68, 132, 0, 0} << QVector<int> {7, 8, 9, 10};
        QTest::newRow("model 53") << QVector<int> {53, 5, 0, 0} << QVector<int> {0, 1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("restricted stops after 50")
            << QVector<int> {53, 5, 1, 1} << QVector<int> {0, 1, 2, 3, 4, 5};
        QTest::newRow("restricted input 132") << QVector<int> {62, 132, 1, 0} << QVector<int> {0, 1, 2, 3};
        QTest::newRow("model 73 on HDMI")
            << QVector<int> {73, 17, 0, 0} << QVector<int> {0, 1, 2, 3, 4, 5, 6, 7};
    }

    void OfferedRates()
    {
        QFETCH(QVector<int>, vecContext);
        QFETCH(QVector<int>, vecExpected);
        const SInputContext ctx {vecContext[0], vecContext[1], vecContext[2] != 0, vecContext[3] != 0};
        QCOMPARE(EdidOptions::OfferedRates(ctx), vecExpected);
        QCOMPARE(RateIndexMax(ctx.bRestricted), ctx.bRestricted ? 2 : 4);
    }

    void DepthsRowsAndTiming()
    {
        SInputContext ctx {21, 16};
        QCOMPARE(OfferedDepths(ctx, false, false, false).vecPositions, QVector<int>({0, 1, 2}));
        QVERIFY(OfferedDepths(ctx, true, false, false).bForce8Bit);
        QCOMPARE(OfferedDepths(ctx, true, true, false).vecPositions, QVector<int>({0, 1}));
        QCOMPARE(OfferedDepths(ctx, true, false, true).vecPositions, QVector<int>({0, 1, 2}));
        ctx.nModel = 17; // 10 bit on HDMI brings 12 bit too
        ctx.nInput = 19;
        QCOMPARE(OfferedDepths(ctx, true, true, false).vecPositions, QVector<int>({0, 1, 2}));

        QVERIFY(IsStandardShown(16) && IsStandardShown(73) && !IsStandardShown(18) && !IsStandardShown(72));
        QVERIFY(IsShowConnectPC(19, 16) && IsShowConnectPC(43, 19) && !IsShowConnectPC(19, 20));
        QVERIFY(IsSenderConnectPC(17, 16) && !IsSenderConnectPC(37, 20) && !IsSenderConnectPC(19, 16));
        QVERIFY(HasCustomResolution(16) && !HasCustomResolution(132));
        QCOMPARE(FallbackResolutionIndex(132), 4);

        // The suite always runs in demo mode: 10 ms steps, never the 120 or 200 ms loops.
        QCOMPARE(ProgressStepMs(true, true, 21), 10);
        QCOMPARE(ProgressStepMs(false, true, 54), 200);
        QCOMPARE(ProgressStepMs(false, true, 68), 120);
    }

    void KylinCheck()
    {
        const FnSystemName fnPrevious = SetSystemNameSource(FakeSystem);
        for (const auto& sCase : QVector<QPair<QPair<QString, QString>, bool>> {{{"kylin", "4.0.2"}, true},
                 {{"Kylin", "4.0.2"}, false}, {{"kylin", "4.0.2.1"}, false}, {{"ubuntu", "4.0.2"}, false}}) {
            g_sysName = sCase.first;
            QCOMPARE(IsKylin402(), sCase.second);
        }
        SetSystemNameSource(fnPrevious);
    }

    void RecordBytes()
    {
        const SEdidSettingsRecord record {0x0102033C, true, 3840, 2160, 0x84, 1, 1};
        QCOMPARE(Hex(record.ToBytes()), QByteArray("000000003c0302010100000f7008840101000000"));

        // Head and tail are not part of the settings; a round trip clears them.
        const QByteArray baNoisy = QByteArray::fromHex("ffffffff1e00000001ff700f7008840101aabbcc");
        SEdidSettingsRecord::CBytes bytes {};
        std::copy(baNoisy.begin(), baNoisy.end(), bytes.begin());
        const SEdidSettingsRecord parsed = SEdidSettingsRecord::FromBytes(bytes);
        QVERIFY(
            parsed.uFrameRate == 30 && parsed.bFractional && parsed.uWidth == 3952 && parsed.uHeight == 2160);
        QVERIFY(parsed.ucColor == 0x84 && parsed.ucTimingStandard == 1 && parsed.ucConnectPC == 1);
        QCOMPARE(Hex(parsed.ToBytes()), QByteArray("000000001e0000000100700f7008840101000000"));

        QCOMPARE(
            Hex(MakeEdidInputDescriptor(0x01020384)), QByteArray("0000000000000000000000008403020100000000"));
    }

    void BoundedListsAndDeviceSize()
    {
        QVector<QSize> vecHost {QSize(1920, 1080), QSize(0, 720), QSize(1280, 720), QSize(1920, 1080)};
        QCOMPARE(BoundedResolutions(vecHost), QVector<QSize>({QSize(1920, 1080), QSize(1280, 720)}));
        for (int i = 0; i < 200000; ++i)
            vecHost.append(QSize(1000 + i % 5000, 500 + i / 5000));
        const QVector<QSize> vecBounded = BoundedResolutions(vecHost);
        QCOMPARE(vecBounded.size(), g_nMaxResolutions);
        QCOMPARE(vecBounded.at(2), QSize(1000, 500));
        QCOMPARE(DeviceSize(QSize(1920, 1080), 2.0), QSize(3840, 2160));
        QCOMPARE(DeviceSize(QSize(1366, 768), 1.25), QSize(1708, 960));
    }

    void SelectionMakesRecordAndRows()
    {
        const QVector<QSize> vecList {QSize(3840, 2160), QSize(1920, 1080)};
        SEdidSelection selection = EdidSelection::FromRecord(nullptr, vecList, 16);
        QCOMPARE(selection.nResolutionIndex, 2);
        QCOMPARE(selection.nRateIndex, g_nRatePos60);
        // A rate beyond a byte falls back to 60 Hz; colour: 12 bit, 4:2:2, bit 0 kept.
        const SEdidSettingsRecord read {300, false, 1600, 900, 0x49, 7, 0};
        selection = EdidSelection::FromRecord(&read, vecList, 132);
        QVERIFY(selection.nResolutionIndex == 4 && selection.nRateIndex == g_nRatePos60);
        QVERIFY(selection.nDepthIndex == 2 && selection.nFormatIndex == 2 && selection.ucTimingStandard == 0);

        // Positions a field does not have are refused.
        QVERIFY(!EdidSelection::Select(selection, EdidSelection::FieldDepth, 3));
        QVERIFY(!EdidSelection::Select(selection, EdidSelection::FieldStandard, -1));
        QVERIFY(EdidSelection::Select(selection, EdidSelection::FieldStandard, 1));
        QVERIFY(EdidSelection::Select(selection, EdidSelection::FieldDepth, 1));
        QVERIFY(selection.ucTimingStandard == 1 && selection.nDepthIndex == 1);

        SInputContext ctx {17, 16, false, true};
        SEdidSettingsRecord record;
        QVERIFY(!EdidSelection::MakeRecord(selection, ctx, vecList, record)); // position 4 of two
        QVERIFY(EdidSelection::Select(selection, EdidSelection::FieldResolution, 1));
        selection.nRateIndex = 6;
        QVERIFY(EdidSelection::MakeRecord(selection, ctx, vecList, record));
        QCOMPARE(Hex(record.ToBytes()), QByteArray("000000003c0000000100000f7008450101000000"));

        ctx.nModel = 19;
        EdidOptions::SRowFlags rows = EdidSelection::VisibleRows(selection, ctx, true);
        QVERIFY(!rows.bCustomSize && rows.bRate && rows.bError && rows.bStandard && rows.bConnectPC);
        selection.nResolutionIndex = 0;
        ctx.nModel = 21;
        rows = EdidSelection::VisibleRows(selection, ctx, false);
        QVERIFY(rows.bCustomSize && !rows.bError && !rows.bStandard && !rows.bConnectPC);
    }
};

QTEST_APPLESS_MAIN(TestEdidOptions)
#include "tst_edidoptions.moc"
