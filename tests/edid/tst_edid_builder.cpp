#include "EdidLimits.h"
#include "EdidTestBlocks.h"

#include <QtTest>

using namespace EdidTestBlocks;

namespace {
QVector<int> Fields(const STimingInfo& t)
{
    return {t.nHBlank, t.nHFrontPorch, t.nHSyncWidth, t.nVBlank, t.nVFrontPorch, t.nVSyncWidth, t.nSyncFlags};
}
} // namespace

class CTestEdidBuilder : public QObject
{
    Q_OBJECT

private slots:
    void standardTableAndPixelRate()
    {
        // Width, height, rate, expected row; -1 leaves the index alone.
        const int arrCases[][4] = {{1920, 1080, 60, 9}, {1920, 1080, 50, 9}, {1920, 1080, 120, -1},
            {800, 600, 120, 12}, {800, 600, 50, -1}, {1280, 1024, 60, 3}, {1080, 1920, 60, -1}};
        for (const auto& c : arrCases) {
            int nIndex = 77;
            CEdidBuilder::FindStdTiming(c[0], c[1], c[2], nIndex);
            QCOMPARE(QVector<int>({c[0], c[1], c[2], nIndex}),
                QVector<int>({c[0], c[1], c[2], c[3] < 0 ? 77 : c[3]}));
        }
        auto rate = [](float fRate, int nStd) {
            return double(CEdidBuilder::CalcPixelRate(1920, 1080, fRate, nStd));
        };
        QCOMPARE(rate(50.0f, 7), 123750000.0); // table row totals at the asked rate
        // 59.94 matches no row: CVT-RB 2080 x 1111 and CVT 2576 x 1120, in single precision.
        QCOMPARE(rate(59.94f, 0), 138514144.0);
        QCOMPARE(rate(59.94f, 1), 172934096.0);
        QCOMPARE(rate(60.5f, 0), 149737504.0); // the row lookup truncates the rate
        QCOMPARE(rate(0.0f, 1), 0.0);
        // 2000 x 1000 x 80 is exactly the 160 MHz limit; one more column is over.
        QVERIFY(CEdidBuilder::IsPixelClockSupported(1840, 963, 80.0f));
        QVERIFY(!CEdidBuilder::IsPixelClockSupported(1841, 963, 80.0f));
        // Standard blanking would be over; the check always uses reduced blanking.
        QVERIFY(CEdidBuilder::IsPixelClockSupported(1920, 1080, 68.0f));
        QCOMPARE(CEdidBuilder::CalcPixelClockMHz(1920, 160, 1080, 31, 59.94f), 138.514144f);
    }

    void cvtTiming()
    {
        // Flags: interlaced, reduced blanking, margins; expected as Fields().
        const struct
        {
            SCvtParam sParam;
            QVector<int> vecExpected;
        } arrCases[] = {
            {{1920, 1080, 60, 0, 1, 0}, {160, 48, 32, 31, 3, 5, 1}},
            {{1920, 1200, 60, 0, 1, 0}, {160, 48, 32, 35, 3, 6, 1}}, // 16:10
            {{1921, 1080, 60, 0, 1, 0}, {160, 48, 32, 31, 3, 10, 1}}, // 1928 matches no ratio
            {{640, 480, 30, 0, 1, 0}, {160, 48, 32, 13, 3, 4, 1}}, // RB minimum vertical blanking
            {{1920, 1080, 60, 1, 1, 0}, {160, 48, 32, 16, 3, 5, 1}},
            {{1920, 1080, 60, 0, 1, 1}, {160, 48, 32, 32, 3, 5, 1}}, // RB margins: vertical only
            // 1082 x 16 / 9 floors to the same 240 cells as 1920: still 16:9.
            {{1920, 1082, 60, 0, 1, 0}, {160, 48, 32, 31, 3, 5, 1}},
            {{1920, 1080, 60, 0, -3, 0}, {160, 48, 32, 31, 3, 5, 1}}, // any non-zero flag is yes
            {{1920, 1080, 60, 0, 0, 0}, {656, 128, 200, 40, 3, 5, 2}},
            {{1024, 768, 60, 0, 0, 0}, {304, 48, 104, 30, 3, 4, 2}}, // 4:3
            {{1280, 1024, 60, 0, 0, 0}, {432, 80, 136, 39, 3, 7, 2}}, // 5:4
            {{1366, 768, 60, 0, 0, 0}, {416, 72, 136, 30, 3, 10, 2}}, // rounds, no ratio
            {{640, 480, 30, 0, 0, 0}, {160, 16, 64, 12, 3, 4, 2}}, // duty cycle floor 20 %
            {{640, 480, 20, 0, 0, 0}, {160, 16, 64, 10, 3, 4, 2}}, // raised minimum back porch
            {{1920, 1080, 60, 1, 0, 0}, {512, 64, 192, 22, 3, 5, 2}},
            {{1920, 1080, 60, 0, 0, 1}, {672, 128, 208, 42, 3, 5, 2}},
        };
        for (int i = 0; i < int(std::size(arrCases)); ++i) {
            const SCvtParam& p = arrCases[i].sParam;
            STimingInfo sTiming;
            CEdidBuilder::CalcCvtTiming(
                p.nWidth, p.nHeight, p.fRate, p.bInterlaced, p.bReducedBlanking, p.bMargins, sTiming);
            QCOMPARE(QVector<int> {i} + Fields(sTiming), QVector<int> {i} + arrCases[i].vecExpected);
            // The parameter form gives the same and leaves nothing stale behind.
            STimingInfo sByParam {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFF, 0xFF, 0xFF};
            CEdidBuilder::CalcCvtTimingByParam(p, sByParam);
            QCOMPARE(QVector<int> {i} + Fields(sByParam), QVector<int> {i} + arrCases[i].vecExpected);
        }
    }

    void blockAndFieldWidths()
    {
        CEdidBuilder builder;
        // Padding never spills into the next descriptor.
        builder.BuildBaseBlock(800, 600);
        QCOMPARE(Block(builder, 72, 54), g_baSerial + "LED  800X600\n" + g_baRanges);
        builder.BuildBaseBlock(1, 1);
        QCOMPARE(Block(builder, 72, 54), g_baSerial + "LED    1X1\n  " + g_baRanges);
        // The base block alone ends in the fixed 0x80, not yet a valid checksum.
        builder.BuildBaseBlock(1920, 1080);
        QVERIFY(builder.GetBlock()[127] == 0x80 && !builder.IsChecksumValid());
        builder.UpdateChecksum();
        QVERIFY(builder.IsChecksumValid());

        // Distinct bit patterns in every field, so a swapped nibble or shift shows;
        // every write leaves a valid checksum.
        builder.WriteDetailedTiming(0xFED, 0x123, 10.0f, {0xABC, 0x2D5, 0x1A6, 0x987, 0x2B, 0x1E, 2});
        QCOMPARE(Block(builder, 54, 18).toHex(' '),
            QByteArray::fromHex("C848EDBCFA238719D5A6BE9900000000001C").toHex(' '));
        QVERIFY(builder.IsChecksumValid());
        // Both sync polarities negative, then both positive.
        builder.WriteDetailedTiming(640, 480, 60.0f, {0, 0, 0, 0, 0, 0, 0});
        QVERIFY(builder.GetBlock()[71] == 0x18 && builder.IsChecksumValid());
        builder.WriteDetailedTiming(640, 480, 60.0f, {0, 0, 0, 0, 0, 0, 3});
        QVERIFY(builder.GetBlock()[71] == 0x1E && builder.IsChecksumValid());

        // A 4:3 mode: vertical sync 4, and a name short enough to end in a line feed.
        builder.BuildEdid(1024, 768, 60.0f);
        QCOMPARE(Block(builder, 54).toHex(' '),
            (QByteArray::fromHex("EC1500A0400016303020340000000000001A") + g_baSerial + "LED 1024X768\n"
                + g_baRanges + QByteArray::fromHex("00A1"))
                .toHex(' '));

        builder.ClearBlock();
        QCOMPARE(Block(builder), QByteArray(CEdidBuilder::BLOCK_SIZE, '\0'));

        using namespace EdidLimits;
        // 4255 x 4172 x 40 Hz = 710.07 MHz, beyond the 16-bit clock field.
        QVERIFY(CheckEncodable(4095, 4095, 40.0f, Rb(4095, 4095, 40.0f)).contains("655.36 MHz"));
        // Each field one past its bit width, then all at their largest.
        QVERIFY(CheckEncodable(640, 480, 1.0f, {0, 0, 0, 4096, 0, 0, 0}).contains("vertical blanking 4096"));
        QVERIFY(
            CheckEncodable(640, 480, 60.0f, {0, 0, 1024, 0, 0, 0, 0}).contains("horizontal sync width 1024"));
        QVERIFY(CheckEncodable(640, 480, 60.0f, {0, 0, 0, 0, 64, 0, 0}).contains("vertical front porch 64"));
        QVERIFY(CheckEncodable(640, 480, 1.0f, {0, 1023, 1023, 4095, 63, 63, 0}).isEmpty());
    }
};

QTEST_APPLESS_MAIN(CTestEdidBuilder)
#include "tst_edid_builder.moc"
