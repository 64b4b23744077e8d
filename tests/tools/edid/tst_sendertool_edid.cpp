#include "EdidLimits.h"
#include "EdidTestBlocks.h"
#include "ToolRun.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace EdidTestBlocks;

namespace {
const char g_szOutOfRange[] = "Some timings are out of range of the Monitor Ranges";

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

    // The tool, and both against independent references.
    // The tool writes exactly the builder's block, which a rebuild replaces entirely.
    void edidOutput()
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
        file.close();
        QCOMPARE(Run({"edid", "1920", "1080", "60"}).baOut, baExpected);
        QByteArray baHex; // sixteen bytes a line
        for (int i = 0; i < CEdidBuilder::BLOCK_SIZE; i += 16)
            baHex += baExpected.mid(i, 16).toHex(' ').toUpper() + '\n';
        QCOMPARE(Run({"edid", "1920", "1080", "60", "--hex"}).baOut, baHex);
        QCOMPARE(Run({"edid", "-r", "1920", "1080", "60"}).baOut, baExpected);

        // Interlaced: one field of 540 lines at 120 Hz, 2080 x 572, flagged in the last byte.
        const QByteArray baInterlaced = Run({"edid", "1920", "1080", "60", "--interlaced"}).baOut;
        QCOMPARE(baInterlaced.mid(54, 18).toHex(' '),
            QByteArray::fromHex("C53780A0701C20203020350000000000009A").toHex(' '));
        QCOMPARE(
            baInterlaced.left(54) + baInterlaced.mid(72, 55), baExpected.left(54) + baExpected.mid(72, 55));
        int nSum = 0;
        for (char c : baInterlaced)
            nSum += uchar(c);
        QCOMPARE(nSum % 256, 0);
        QCOMPARE(Run({"edid", "-i", "1920", "1080", "60"}).baOut, baInterlaced);
        const QString strEdidDecode = QStandardPaths::findExecutable("edid-decode");
        if (!strEdidDecode.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(baInterlaced) == 128);
            file.close();
            const QByteArray baReport = Run({file.fileName()}, strEdidDecode).baOut;
            QVERIFY2(baReport.contains("DTD 1:  1920x1080i"), baReport.constData());
        }

        // Outside the advertised ranges the block is still written, with a warning.
        const SToolRun sUhd = Run({"edid", "3840", "2160", "60"});
        QVERIFY2(sUhd.baOut.size() == CEdidBuilder::BLOCK_SIZE
                && sUhd.baErr.startsWith("sendertool: warning:")
                && sUhd.baErr.contains("533.28 MHz above 170 MHz"),
            sUhd.baErr.constData());
    }

    // Each command's output, or its one-line refusal (exit 2).
    void commands()
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
            // Fields of 540 lines at 120 Hz, each with a margin of 9 lines; 1984 active columns.
            {{"timing", "--interlaced", "1920", "--margins", "1080", "60"}, 0,
                "# 1920x1080 120.00 Hz (CVT, interlaced, margins) hsync: 69.96 kHz; pclk: 182.46 MHz\n"
                "Modeline \"1920x1080_60.00\"  182.46  1920 2056 2264 2608  1080 1083 1088 1166 interlace "
                "-hsync +vsync\n"},
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
    void randomModesAgreeWithCvt()
    {
        const QString strCvt = QStandardPaths::findExecutable("cvt");
        if (strCvt.isEmpty())
            QSKIP("cvt (Debian package xcvt) is not installed");
        constexpr int MODE_COUNT = 320;
        QRandomGenerator random(0xC47);
        QVector<CToolCall> vecCalls; // ours, then cvt, for each mode, with the same arguments
        for (int i = 0; i < MODE_COUNT; ++i) {
            const bool bReduced = i % 4 == 0; // cvt only defines reduced blanking at multiples of 60 Hz
            const bool bLong = i % 2 == 0;
            QStringList listArgs;
            if (bReduced)
                listArgs << (bLong ? "--reduced" : "-r");
            if (i % 3 == 0) // at cvt's frame rate, which the fields double
                listArgs << (bLong ? "--interlaced" : "-i");
            listArgs << QString::number(random.bounded(320, 4096))
                     << QString::number(random.bounded(200, 2401))
                     << (bReduced ? QString::number(60 * random.bounded(1, 3))
                                  : QString::number(24.0 + random.bounded(120.0), 'f', 2));
            vecCalls << CToolCall {qEnvironmentVariable("SENDERTOOL"), QStringList {"timing"} + listArgs}
                     << CToolCall {strCvt, listArgs};
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
                    && (vecOurs[2] == vecCvt[2] || qAbs(vecOurs[2] - vecCvt[2]) == 8)
                    && vecRuns[2 * i].baOut.contains(" interlace ") == (i % 3 == 0)
                    && vecRuns[2 * i + 1].baOut.contains(" interlace ") == (i % 3 == 0),
                baWhat);
            nAllSix += vecOurs == vecCvt;
        }
        QVERIFY2(nAllSix * 100 >= MODE_COUNT * 80, qPrintable(QString("only %1 agree").arg(nAllSix)));
    }

    // Within the advertised ranges the only failure is the manufacturer name (its
    // bytes are fixed by the format and are not letters); outside them the only
    // further failure is the out-of-range one (or, near a limit, a warning), naming
    // exactly the predicted ranges.
    void edidDecodeAcceptsBlocksWithinRanges()
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
#include "tst_sendertool_edid.moc"
