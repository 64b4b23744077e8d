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

// The choices the EDID dialog offers, as plain data; the dialog's own test
// drives the common ones.
class TestEdidOptions : public QObject
{
    Q_OBJECT

private slots:
    void RateAndColourPositions()
    {
        int nIndex = 42;
        QVERIFY(IndexByFrameRate(24, true, nIndex) && nIndex == 0);
        QVERIFY(IndexByFrameRate(25, true, nIndex) && nIndex == 2); // no fractional 25 Hz
        QVERIFY(!IndexByFrameRate(100, false, nIndex) && !IndexByFrameRate(75, false, nIndex) && nIndex == 2);
        uint8_t ucRate = 0;
        bool bFractional = true;
        QVERIFY(FrameRateByIndex(10, ucRate, bFractional) && ucRate == 240 && !bFractional);
        QVERIFY(FrameRateByIndex(3, ucRate, bFractional) && ucRate == 30 && bFractional);
        QVERIFY(!FrameRateByIndex(11, ucRate, bFractional) && ucRate == 0 && !bFractional);
        QVERIFY(!FrameRateByIndex(-1, ucRate, bFractional));

        uint8_t ucColor = 0x12;
        QVERIFY(ColorFormatByIndex(3, ucColor) && ucColor == 0x82);
        QVERIFY(ColorDepthByIndex(1, ucColor) && ucColor == 0x84);
        ucColor = 0x01; // bit 0 is not ours to change
        QVERIFY(ColorDepthByIndex(2, ucColor) && ColorFormatByIndex(1, ucColor) && ucColor == 0x29);
        QVERIFY(!ColorDepthByIndex(3, ucColor) && !ColorFormatByIndex(4, ucColor)
            && !ColorFormatByIndex(-1, ucColor) && ucColor == 0x29);
        // Depth: the lowest bit wins, none is 8 bit.
        QVERIFY(IndexByColorDepth(0x0C) == 1 && IndexByColorDepth(0xF1) == 0);
        QVERIFY(
            IndexByColorFormat(0x80) == 3 && IndexByColorFormat(0x60) == 1 && IndexByColorFormat(0x4E) == 2);
    }

    void MaxAreaAndCheckValue()
    {
        // 29.97 and 59.94 Hz divide before multiplying; 144, 240 and beyond share one cap.
        QVector<uint32_t> vecActual;
        for (int nIndex : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1})
            vecActual << MaxAreaByRate(nIndex, 2073600);
        QCOMPARE(vecActual,
            QVector<uint32_t>({5189184, 5184000, 4976640, 4151147, 4147200, 2488320, 2075073, 2073600,
                1036800, 2304000, 2304000, 2304000, 2304000}));
        // 24 and 144 Hz skip the clock check: the host gets 0. The standard row
        // is 2200 x 1125 whichever blanking; 59.94 Hz misses it: CVT-RB 2080 x 1111.
        // Without the clock check the area limit for the rate travels instead.
        QCOMPARE(QVector<uint32_t>({FormatCheckValue(true, 1, 1920, 1080, 0, 2073600),
                     FormatCheckValue(true, 9, 1920, 1080, 0, 2073600),
                     FormatCheckValue(true, 7, 1920, 1080, 1, 2073600),
                     FormatCheckValue(true, 6, 1920, 1080, 0, 2073600),
                     FormatCheckValue(false, 4, 1920, 1080, 0, 2073600)}),
            QVector<uint32_t>({0, 0, 148, 138, 4147200}));
    }

    void OfferedRatesAndDepths()
    {
        const struct
        {
            SInputContext ctx; // model, input, restricted, extended
            QVector<int> vecRates;
        } arrCases[] = {
            {{21, 5, false, true}, {4, 5, 7}},
            {{21, 16, false, true}, {4, 5, 7, 8}}, // extended on HDMI gives 120
            {{21, 16, false, false}, {4, 5, 7}},
            {{68, 5, false, false}, {4, 5, 7, 8, 9, 10}},
            {{68, 132, false, false}, {7, 8, 9, 10}},
            {{53, 5, false, false}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
            {{53, 5, true, true}, {0, 1, 2, 3, 4, 5}}, // restricted stops after 50
            {{62, 132, true, false}, {0, 1, 2, 3}},
            {{73, 17, false, false}, {0, 1, 2, 3, 4, 5, 6, 7}},
        };
        for (const auto& c : arrCases) {
            QCOMPARE(QVector<int>({c.ctx.nModel, c.ctx.nInput}) + OfferedRates(c.ctx),
                QVector<int>({c.ctx.nModel, c.ctx.nInput}) + c.vecRates);
            QCOMPARE(RateIndexMax(c.ctx.bRestricted), c.ctx.bRestricted ? 2 : 4);
        }
        SInputContext ctx {21, 16};
        QCOMPARE(OfferedDepths(ctx, false, false, false).vecPositions, QVector<int>({0, 1, 2}));
        QCOMPARE(OfferedDepths(ctx, true, true, false).vecPositions, QVector<int>({0, 1}));
        QCOMPARE(OfferedDepths(ctx, true, false, true).vecPositions, QVector<int>({0, 1, 2}));
        ctx = {17, 19}; // 10 bit on HDMI brings 12 bit too
        QCOMPARE(OfferedDepths(ctx, true, true, false).vecPositions, QVector<int>({0, 1, 2}));
    }

    void RowsModelsAndSystem()
    {
        QVERIFY(IsStandardShown(16) && IsStandardShown(73) && !IsStandardShown(18) && !IsStandardShown(72));
        QVERIFY(IsShowConnectPC(19, 16) && IsShowConnectPC(43, 19) && !IsShowConnectPC(19, 20));
        QVERIFY(IsSenderConnectPC(17, 16) && !IsSenderConnectPC(37, 20) && !IsSenderConnectPC(19, 16));
        QVERIFY(HasCustomResolution(16) && !HasCustomResolution(132) && FallbackResolutionIndex(132) == 4);
        // Repeats and sizes that are not positive go; the dialog's test checks the cap.
        QCOMPARE(BoundedResolutions({QSize(1920, 1080), QSize(0, 720), QSize(1280, 720), QSize(1920, 1080)}),
            QVector<QSize>({QSize(1920, 1080), QSize(1280, 720)}));
        QCOMPARE(DeviceSize(QSize(1366, 768), 1.25), QSize(1708, 960));

        const FnSystemName fnPrevious = SetSystemNameSource(FakeSystem);
        auto kylin = [](const char* pszType, const char* pszVersion) {
            g_sysName = {pszType, pszVersion};
            return IsKylin402();
        };
        QVERIFY(kylin("kylin", "4.0.2") && !kylin("Kylin", "4.0.2") && !kylin("kylin", "4.0.2.1")
            && !kylin("ubuntu", "4.0.2"));
        SetSystemNameSource(fnPrevious);
    }

    void RecordBytesAndSelection()
    {
        const SEdidSettingsRecord record {0x0102033C, true, 3840, 2160, 0x84, 1, 1};
        QCOMPARE(Hex(record.ToBytes()), QByteArray("000000003c0302010100000f7008840101000000"));
        // Head and tail are not part of the settings; a round trip clears them.
        const QByteArray baNoisy = QByteArray::fromHex("ffffffff1e00000001ff700f7008840101aabbcc");
        SEdidSettingsRecord::CBytes bytes {};
        std::copy(baNoisy.begin(), baNoisy.end(), bytes.begin());
        QCOMPARE(Hex(SEdidSettingsRecord::FromBytes(bytes).ToBytes()),
            QByteArray("000000001e0000000100700f7008840101000000"));
        QCOMPARE(
            Hex(MakeEdidInputDescriptor(0x01020384)), QByteArray("0000000000000000000000008403020100000000"));

        const QVector<QSize> vecList {QSize(3840, 2160), QSize(1920, 1080)};
        QCOMPARE(EdidSelection::FromRecord(nullptr, vecList, 16).nResolutionIndex, 2); // 1920 x 1080
        // A rate beyond a byte falls back to 60 Hz, an unknown standard to CVT_RB;
        // colour: 12 bit, 4:2:2 with bit 0 set.
        const SEdidSettingsRecord read {300, false, 1600, 900, 0x49, 7, 0};
        SEdidSelection selection = EdidSelection::FromRecord(&read, vecList, 132);
        QVERIFY(selection.nResolutionIndex == 4 && selection.nRateIndex == g_nRatePos60);
        QVERIFY(selection.nDepthIndex == 2 && selection.nFormatIndex == 2 && selection.ucTimingStandard == 0);
        // Positions a field does not have are refused.
        QVERIFY(!EdidSelection::Select(selection, EdidSelection::FieldDepth, 3)
            && !EdidSelection::Select(selection, EdidSelection::FieldStandard, -1));
        QVERIFY(selection.nDepthIndex == 2 && selection.ucTimingStandard == 0);
    }
};

QTEST_APPLESS_MAIN(TestEdidOptions)
#include "tst_edidoptions.moc"
