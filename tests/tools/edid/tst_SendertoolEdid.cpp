#include "../ToolRun.h"
#include "EdidBuilder.h"
#include "EdidLimits.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
const char g_szOutOfRange[] = "Some timings are out of range of the Monitor Ranges";

STimingInfo Rb(int nWidth, int nHeight, float fRate)
{
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(nWidth, nHeight, fRate, 0, 1, 0, sTiming);
    return sTiming;
}

QByteArray Block(const CEdidBuilder& builder, int nOffset = 0, int nLength = CEdidBuilder::BLOCK_SIZE)
{
    return QByteArray(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE)
        .mid(nOffset, nLength);
}

QVector<int> Fields(const STimingInfo& t)
{
    return {t.nHBlank, t.nHFrontPorch, t.nHSyncWidth, t.nVBlank, t.nVFrontPorch, t.nVSyncWidth, t.nSyncFlags};
}

// Everything outside descriptor 1, the name text and the checksum.
const QByteArray g_baHead = QByteArray::fromHex("00FFFFFFFFFFFF007BDE000001010101001B0103810000780AC001AF5030"
                                                "B6230D505401000001010101010101010101010101010101");
const QByteArray g_baSerial = QByteArray::fromHex("000000FF003030300A202020202020202020000000FC00");
const QByteArray g_baRanges = QByteArray::fromHex("000000FD0017781E9911000A202020202020");

// Blanking, front porch and sync width per axis from the modeline's eight numbers.
QVector<int> ParseModeline(const QByteArray& baText)
{
    const QList<QByteArray> listTokens = baText.mid(baText.indexOf("Modeline")).simplified().split(' ');
    QVector<int> vecFields;
    for (int i = 3; i < 11 && listTokens.size() >= 11; i += 4) {
        const auto n = [&](int k) { return listTokens[i + k].toInt(); };
        vecFields << n(3) - n(0) << n(1) - n(0) << n(2) - n(1);
    }
    return vecFields;
}

// The failure items of an edid-decode report, and the out-of-range item with
// its detail lines wherever it is listed (a complaint that "could be due to a
// Monitor Range off-by-one rounding issue" comes as a warning).
QStringList ParseReport(const QByteArray& baOutput, QString& strRangeComplaint)
{
    QStringList listFailures;
    bool bInFailures = false;
    bool bInRange = false;
    for (const QByteArray& baLine : baOutput.left(baOutput.indexOf("EDID conformity")).split('\n')) {
        bInFailures = bInFailures || baLine == "Failures:";
        const bool bItem = baLine.startsWith("  ") && !baLine.startsWith("    ");
        bInRange = bItem ? baLine.contains(g_szOutOfRange) : bInRange;
        if (bInRange)
            strRangeComplaint += QString::fromUtf8(baLine.trimmed()) + '\n';
        if (bItem && bInFailures)
            listFailures << QString::fromUtf8(baLine.trimmed());
    }
    return listFailures;
}
} // namespace

class CTestSendertoolEdid : public QObject
{
    Q_OBJECT

private slots:
    void StandardTableAndPixelRate()
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

    void CvtTiming()
    {
        // Flags: interlaced, reduced blanking, margins; expected as Fields().
        const struct
        {
            SCvtParam sParam;
            QVector<int> vecExpected;
        } arrCases[] = {
            {{1920, 1080, 60, 0, 1, 0}, {160, 48, 32, 31, 3, 5, 1}},
            {{640, 480, 30, 0, 1, 0}, {160, 48, 32, 13, 3, 4, 1}}, // RB minimum vertical blanking
            {{1920, 1080, 60, 1, 1, 0}, {160, 48, 32, 16, 3, 5, 1}},
            {{1920, 1080, 60, 0, 1, 1}, {160, 48, 32, 32, 3, 5, 1}}, // RB margins: vertical only
            // 1082 x 16 / 9 floors to the same 240 cells as 1920: still 16:9.
            {{1920, 1082, 60, 0, 1, 0}, {160, 48, 32, 31, 3, 5, 1}},
            {{1920, 1080, 60, 0, -3, 0}, {160, 48, 32, 31, 3, 5, 1}}, // any non-zero flag is yes
            {{1920, 1080, 60, 0, 0, 0}, {656, 128, 200, 40, 3, 5, 2}},
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

    void BlockAndFieldWidths()
    {
        CEdidBuilder builder;
        // Padding never spills into the next descriptor.
        builder.BuildBaseBlock(800, 600);
        QCOMPARE(Block(builder, 72, 54), g_baSerial + "LED  800X600\n" + g_baRanges);
        builder.BuildBaseBlock(1, 1);
        QCOMPARE(Block(builder, 72, 54), g_baSerial + "LED    1X1\n  " + g_baRanges);
        // The base block alone has no valid checksum.
        builder.BuildBaseBlock(1920, 1080);
        QVERIFY(!builder.IsChecksumValid());
        builder.UpdateChecksum();
        QVERIFY(builder.IsChecksumValid());

        // Distinct bit patterns in every field, so a swapped nibble or shift shows;
        // every write leaves a valid checksum.
        builder.WriteDetailedTiming(0xFED, 0x123, 10.0f, {0xABC, 0x2D5, 0x1A6, 0x987, 0x2B, 0x1E, 2});
        QCOMPARE(Block(builder, 54, 18).toHex(' '),
            QByteArray::fromHex("C848EDBCFA238719D5A6BE9900000000001C").toHex(' '));
        QVERIFY(builder.IsChecksumValid());
        builder.WriteDetailedTiming(640, 480, 60.0f, {0, 0, 0, 0, 0, 0, 3}); // both sync polarities
        QVERIFY(builder.GetBlock()[71] == 0x1E && builder.IsChecksumValid());

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

    // The tool, and both against independent references.
    // The tool writes exactly the builder's block, which a rebuild replaces entirely.
    void EdidOutput()
    {
        CEdidBuilder builder;
        builder.BuildEdid(4095, 4095, 24.0f);
        builder.BuildEdid(1920, 1080, 60.0f);
        const QByteArray baExpected = g_baHead + QByteArray::fromHex("293680A070381F403020350000000000001A")
            + g_baSerial + "LED 1920X1080" + g_baRanges + QByteArray::fromHex("0022");
        QCOMPARE(Block(builder).toHex(' '), baExpected.toHex(' '));
        QTemporaryDir dir;
        QFile file(dir.filePath("mode.bin"));
        const SToolRun sRun = Run({"edid", "1920", "1080", "60", "-o", file.fileName()});
        QVERIFY(sRun.nExitCode == 0 && sRun.baOut.isEmpty() && sRun.baErr.isEmpty()
            && file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), baExpected);
        QCOMPARE(Run({"edid", "1920", "1080", "60"}).baOut, baExpected);
        QByteArray baHex; // sixteen bytes a line
        for (int i = 0; i < CEdidBuilder::BLOCK_SIZE; i += 16)
            baHex += baExpected.mid(i, 16).toHex(' ').toUpper() + '\n';
        QCOMPARE(Run({"edid", "1920", "1080", "60", "--hex"}).baOut, baHex);

        // Outside the advertised ranges the block is still written, with a warning.
        const SToolRun sUhd = Run({"edid", "3840", "2160", "60"});
        QVERIFY2(sUhd.baOut.size() == CEdidBuilder::BLOCK_SIZE
                && sUhd.baErr.startsWith("sendertool: warning:")
                && sUhd.baErr.contains("533.28 MHz above 170 MHz"),
            sUhd.baErr.constData());
    }

    // Each command's output, or its one-line refusal (exit 2).
    void Commands()
    {
        const QString strEdid = "must be from 0.01 to 655.35 MHz",
                      strMode = "must be from 0.01 to 2147.48 MHz";
        auto rate = [](const char* pszRate, const char* pszSupported) {
            return QString("pixel rate: %1 pixels/s\npixel clock supported: %2\n").arg(pszRate, pszSupported);
        };
        const struct
        {
            QStringList listArgs;
            int nExit;
            QString strText; // all of standard output, or a part of the refusal
        } arrCases[] = {
            {{"timing", "--interlaced", "1920", "--margins", "1080", "60"}, 0,
                "# 1920x1080 60.00 Hz (CVT, interlaced, margins) hsync: 66.18 kHz; pclk: 162.01 "
                "MHz\nModeline "
                "\"1920x1080_60.00\"  162.01  1920 1984 2184 2448  1080 1083 1088 1103 interlace -hsync "
                "+vsync\n"},
            {{"pixelrate", "1920", "1080", "50", "--standard", "1"}, 0, rate("123750000", "yes")},
            {{"pixelrate", "3840", "2160", "60"}, 0, rate("533280000", "no")},
            // The lowest clocks there are: one 10 kHz step, exactly (400 x 25 at 1 Hz) or rounded up.
            {{"pixelrate", "1920", "1080", "0.005"}, 0, rate("11378", "yes")},
            {{"timing", "240", "6", "1", "--reduced-blanking"}, 0,
                "# 240x6 1.00 Hz (CVT-RB) hsync: 0.02 kHz; pclk: 0.01 MHz\n"
                "Modeline \"240x6_1.00\"  0.01  240 288 320 400  6 9 19 25 +hsync -vsync\n"},
            {{"pixelrate", "1920", "1080", "0.004"}, 2, strMode},
            {{"timing", "4095", "4095", "200"}, 2, strMode},
            {{"edid", "1920", "1080", "0.001"}, 2, strEdid},
            {{"edid", "1920", "1080", "1e38"}, 2, strEdid},
            {{"edid", "4095", "4095", "40"}, 2, strEdid},
            {{"edid", "1920", "1080"}, 2, "missing arguments"},
            {{"edid", "wide", "1080", "60"}, 2, "width 'wide'"},
            {{"edid", "0", "1080", "60"}, 2, "width 0 is outside 1 to 4095"},
            {{"edid", "1920", "4096", "60"}, 2, "height 4096 is outside"},
            {{"edid", "1920", "1080", "0"}, 2, "rate 0 is not a positive"},
            {{"edid", "1920", "1080", "1e39"}, 2, "not a positive finite"},
            {{"pixelrate", "1920", "1080", "60", "--standard", "2"}, 2, "--standard takes 0"},
        };
        for (const auto& c : arrCases) {
            const SToolRun sRun = Run(c.listArgs);
            const QByteArray baWhat = c.listArgs.join(' ').toUtf8() + ": " + sRun.baErr;
            QVERIFY2(sRun.nExitCode == c.nExit, baWhat);
            if (c.nExit == 0)
                QCOMPARE(sRun.baOut, c.strText.toUtf8());
            else
                QVERIFY2(sRun.baOut.isEmpty() && sRun.baErr.startsWith("sendertool: ")
                        && sRun.baErr.count('\n') == 1 && sRun.baErr.contains(c.strText.toUtf8()),
                    baWhat);
        }
        // The descriptor's clock for the lowest modes is one step, not 0.
        for (const QStringList& listMode : {QStringList {"1920", "1080", "0.005"}, {"240", "6", "1"}})
            QVERIFY(
                Run(QStringList {"edid", "--hex"} + listMode).baOut.contains("\n01 01 01 01 01 01 01 00 "));
    }

    // Ours keeps the 8 % sync rule and the aspect-ratio test in single precision
    // on whole cells, cvt computes exactly, so a minority may differ.
    void RandomModesAgreeWithCvt()
    {
        const QString strCvt = QStandardPaths::findExecutable("cvt");
        if (strCvt.isEmpty())
            QSKIP("cvt (Debian package xcvt) is not installed");
        constexpr int MODE_COUNT = 320;
        QRandomGenerator random(0xC47);
        QVector<CToolCall> vecCalls; // ours, then cvt, for each mode
        for (int i = 0; i < MODE_COUNT; ++i) {
            const bool bReduced = i % 4 == 0; // cvt only defines reduced blanking at multiples of 60 Hz
            const QStringList listArgs {QString::number(random.bounded(320, 4096)),
                QString::number(random.bounded(200, 2401)),
                bReduced ? QString::number(60 * random.bounded(1, 3))
                         : QString::number(24.0 + random.bounded(120.0), 'f', 2)};
            vecCalls << CToolCall {qEnvironmentVariable("SENDERTOOL"),
                QStringList {"timing"} + listArgs
                    + (bReduced ? QStringList {"--reduced-blanking"} : QStringList())}
                     << CToolCall {strCvt, (bReduced ? QStringList {"-r"} : QStringList()) + listArgs};
        }
        const QVector<SToolRun> vecRuns = RunToolsTogether(vecCalls);
        int nAllSix = 0;
        for (int i = 0; i < MODE_COUNT; ++i) {
            const QVector<int> vecOurs = ParseModeline(vecRuns[2 * i].baOut);
            const QVector<int> vecCvt = ParseModeline(vecRuns[2 * i + 1].baOut);
            const QByteArray baWhat = vecCalls[2 * i].second.join(' ').toUtf8() + ":\n" + vecRuns[2 * i].baOut
                + vecRuns[2 * i + 1].baOut;
            // Horizontal blanking always agrees, sync width by 0 or one 8-pixel cell.
            QVERIFY2(vecOurs.size() == 6 && vecCvt.size() == 6 && vecOurs[0] == vecCvt[0]
                    && (vecOurs[2] == vecCvt[2] || qAbs(vecOurs[2] - vecCvt[2]) == 8),
                baWhat);
            nAllSix += vecOurs == vecCvt;
        }
        QVERIFY2(nAllSix * 100 >= MODE_COUNT * 80, qPrintable(QString("only %1 agree").arg(nAllSix)));
    }

    // Within the advertised ranges the only failure is the manufacturer name (its
    // bytes are fixed by the format and are not letters); outside them the only
    // further failure is the out-of-range one (or, near a limit, a warning), naming
    // exactly the predicted ranges.
    void EdidDecodeAcceptsBlocksWithinRanges()
    {
        const QString strEdidDecode = QStandardPaths::findExecutable("edid-decode");
        if (strEdidDecode.isEmpty())
            QSKIP("edid-decode is not installed");
        using namespace EdidLimits;
        auto violations = [](const QSize& s, float fRate) {
            return FindRangeViolations(s.width(), s.height(), fRate, Rb(s.width(), s.height(), fRate));
        };
        QVector<QPair<QSize, float>> vecModes;
        for (int nWidth : {320, 640, 1024, 1366, 1920, 2560, 3840, 4095})
            for (int nHeight : {200, 480, 768, 1080, 1600, 2160, 4095})
                for (float fRate : {5.0f, 20.0f, 24.0f, 30.0f, 50.0f, 59.94f, 75.0f, 120.0f, 144.0f, 240.0f})
                    vecModes.append({QSize(nWidth, nHeight), fRate});
        // Pairs straddling each change of the predicted violations, found by
        // bisecting the rate, so that rounding at the limits is compared too.
        for (const QSize& size : {QSize(320, 200), QSize(640, 480), QSize(1280, 1024), QSize(1920, 1080)})
            for (float fLow = 0.0f, fHigh = 2.0f; fHigh < 260.0f; fLow = fHigh, fHigh += 2.0f) {
                if (violations(size, fLow) == violations(size, fHigh))
                    continue;
                float fA = fLow, fB = fHigh;
                for (int i = 0; i < 40 && fB - fA > 1e-4f; ++i)
                    (violations(size, 0.5f * (fA + fB)) == violations(size, fA) ? fA : fB) = 0.5f * (fA + fB);
                vecModes << qMakePair(size, fA) << qMakePair(size, fB);
            }

        QTemporaryDir dir;
        int nChecked = 0, nOutside = 0;
        for (const auto& mode : vecModes) {
            const int nW = mode.first.width(), nH = mode.first.height();
            if (!CheckEncodable(nW, nH, mode.second, Rb(nW, nH, mode.second)).isEmpty())
                continue;
            CEdidBuilder builder;
            builder.BuildEdid(nW, nH, mode.second);
            QFile file(dir.filePath("block.bin"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                && file.write(Block(builder)) == CEdidBuilder::BLOCK_SIZE);
            file.close();
            QString strRange;
            QStringList listFailures
                = ParseReport(Run({"--check", file.fileName()}, strEdidDecode).baOut, strRange);
            const QByteArray baWhat = QByteArray::number(nW) + 'x' + QByteArray::number(nH) + '@'
                + QByteArray::number(double(mode.second), 'g', 9) + ": " + listFailures.join(" | ").toUtf8()
                + " / " + strRange.toUtf8();
            QVERIFY2(listFailures.value(0).contains("Manufacturer name field contains garbage"), baWhat);
            listFailures.removeFirst();
            const unsigned v = violations(mode.first, mode.second);
            ++nChecked;
            nOutside += v != 0;
            if (v & RANGE_CLOCK_LOW)
                QVERIFY2(listFailures.size() == 1 && listFailures[0].contains("Pixelclock < 10 MHz"), baWhat);
            else
                QVERIFY2(strRange.isEmpty() == (v == 0)
                        && strRange.contains("Maximum Clock") == bool(v & RANGE_CLOCK_HIGH)
                        && strRange.contains("Vertical Freq") == bool(v & RANGE_VFREQ)
                        && strRange.contains("Horizontal Freq") == bool(v & RANGE_HFREQ)
                        && (listFailures.isEmpty()
                            || (v && listFailures.size() == 1 && strRange.contains(listFailures[0]))),
                    baWhat);
        }
        QVERIFY(nOutside > 0 && nOutside < nChecked);
    }
};

QTEST_GUILESS_MAIN(CTestSendertoolEdid)
#include "tst_SendertoolEdid.moc"
