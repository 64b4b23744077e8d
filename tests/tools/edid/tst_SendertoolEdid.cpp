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

// Blanking, front porch and sync width per axis from the modeline's eight numbers.
QVector<int> ParseModeline(const QByteArray& baText)
{
    if (!baText.contains("Modeline"))
        return {};
    const QList<QByteArray> listTokens = baText.mid(baText.indexOf("Modeline")).simplified().split(' ');
    QVector<int> vecNumbers;
    for (int i = 3; i < 11 && i < listTokens.size(); ++i)
        vecNumbers << listTokens[i].toInt();
    if (vecNumbers.size() < 8 || vecNumbers.contains(0))
        return {};
    QVector<int> vecFields;
    for (const int* p : {vecNumbers.data(), vecNumbers.data() + 4})
        vecFields << p[3] - p[0] << p[1] - p[0] << p[2] - p[1];
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
    void initTestCase();
    void EdidOutput();
    void BadInputWritesNothing_data();
    void BadInputWritesNothing();
    void TextOutput_data();
    void TextOutput();
    void RandomModesAgreeWithCvt();
    void EdidDecodeAcceptsBlocksWithinRanges();
};

void CTestSendertoolEdid::initTestCase()
{
    if (qEnvironmentVariable("SENDERTOOL").isEmpty())
        QFAIL("SENDERTOOL must name the sendertool executable (CTest sets it)");
}

void CTestSendertoolEdid::EdidOutput()
{
    CEdidBuilder builder;
    builder.BuildEdid(1920, 1080, 59.94f);
    const QByteArray baExpected(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);
    QTemporaryDir dir;
    QFile file(dir.filePath("mode.bin"));
    const SToolRun sRun = Run({"edid", "1920", "1080", "59.94", "-o", file.fileName()});
    QVERIFY(sRun.nExitCode == 0 && sRun.baOut.isEmpty() && sRun.baErr.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), baExpected);
    QCOMPARE(Run({"edid", "1920", "1080", "59.94"}).baOut, baExpected);

    const QList<QByteArray> listLines = Run({"edid", "1024", "768", "60", "--hex"}).baOut.split('\n');
    QCOMPARE(listLines.size(), 9); // eight lines, each ended by a newline
    QCOMPARE(listLines[0], QByteArray("00 FF FF FF FF FF FF 00 7B DE 00 00 01 01 01 01"));
    QCOMPARE(listLines[7], QByteArray("00 17 78 1E 99 11 00 0A 20 20 20 20 20 20 00 A1"));

    // Outside the advertised ranges the block is still written, with a warning.
    const SToolRun sUhd = Run({"edid", "3840", "2160", "60"});
    QCOMPARE(sUhd.baOut.size(), CEdidBuilder::BLOCK_SIZE);
    QVERIFY2(sUhd.baErr.startsWith("sendertool: warning:") && sUhd.baErr.contains("533.28 MHz above 170 MHz"),
        sUhd.baErr.constData());

    const QByteArray baHelp = Run({"--help"}).baOut;
    for (const char* pszUsage : {"edid WIDTH HEIGHT RATE [-o FILE] [--hex]",
             "timing WIDTH HEIGHT RATE [--reduced-blanking] [--interlaced] [--margins]",
             "pixelrate WIDTH HEIGHT RATE [--standard 0|1]"})
        QVERIFY2(baHelp.contains(pszUsage), pszUsage);
}

void CTestSendertoolEdid::BadInputWritesNothing_data()
{
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<QString>("strMessage");
    QTest::newRow("missing rate") << QStringList {"edid", "1920", "1080"} << "missing arguments";
    QTest::newRow("non-numeric width") << QStringList {"edid", "wide", "1080", "60"} << "width 'wide'";
    QTest::newRow("zero width") << QStringList {"edid", "0", "1080", "60"} << "width 0 is outside 1 to 4095";
    QTest::newRow("height 4096") << QStringList {"edid", "1920", "4096", "60"} << "height 4096 is outside";
    QTest::newRow("zero rate") << QStringList {"edid", "1920", "1080", "0"} << "rate 0 is not a positive";
    QTest::newRow("rate beyond float")
        << QStringList {"edid", "1920", "1080", "1e39"} << "not a positive finite";
    QTest::newRow("clock above 655.35 MHz")
        << QStringList {"edid", "4095", "4095", "40"} << "must be from 0.01 to 655.35 MHz";
    QTest::newRow("pixelrate bad standard")
        << QStringList {"pixelrate", "1920", "1080", "60", "--standard", "2"} << "--standard takes 0";
}

void CTestSendertoolEdid::BadInputWritesNothing()
{
    QFETCH(QStringList, listArgs);
    QFETCH(QString, strMessage);
    QTemporaryDir dir;
    QFile file(dir.filePath("kept.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("previous") == 8);
    file.close();
    if (listArgs[0] == "edid" && !listArgs.contains("-o"))
        listArgs << "-o" << file.fileName();
    const SToolRun sRun = Run(listArgs);
    QVERIFY(sRun.nExitCode == 2 && sRun.baOut.isEmpty());
    QVERIFY2(sRun.baErr.startsWith("sendertool: ") && sRun.baErr.count('\n') == 1
            && sRun.baErr.contains(strMessage.toUtf8()),
        sRun.baErr.constData());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("previous"));
}

void CTestSendertoolEdid::TextOutput_data()
{
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<QByteArray>("baExpected");
    QTest::newRow("timing") << QStringList {"timing", "1920", "1080", "60"}
                            << QByteArray("# 1920x1080 60.00 Hz (CVT) hsync: 67.20 kHz; pclk: 173.11 MHz\n"
                                          "Modeline \"1920x1080_60.00\"  173.11  1920 2048 2248 2576  "
                                          "1080 1083 1088 1120 -hsync +vsync\n");
    QTest::newRow("timing reduced")
        << QStringList {"timing", "1920", "1080", "59.94", "--reduced-blanking"}
        << QByteArray("# 1920x1080 59.94 Hz (CVT-RB) hsync: 66.59 kHz; pclk: 138.51 MHz\n"
                      "Modeline \"1920x1080_59.94\"  138.51  1920 1968 2000 2080  "
                      "1080 1083 1088 1111 +hsync -vsync\n");
    QTest::newRow("timing interlaced, margins")
        << QStringList {"timing", "--interlaced", "1920", "--margins", "1080", "60"}
        << QByteArray("# 1920x1080 60.00 Hz (CVT, interlaced, margins) hsync: 66.18 kHz; pclk: 162.01 MHz\n"
                      "Modeline \"1920x1080_60.00\"  162.01  1920 1984 2184 2448  "
                      "1080 1083 1088 1103 interlace -hsync +vsync\n");
    QTest::newRow("pixelrate 59.94") << QStringList {"pixelrate", "1920", "1080",
        "59.94"} << QByteArray("pixel rate: 138514144 pixels/s\npixel clock supported: yes\n");
    QTest::newRow("pixelrate table row") << QStringList {"pixelrate", "1920", "1080", "50", "--standard",
        "1"} << QByteArray("pixel rate: 123750000 pixels/s\npixel clock supported: yes\n");
    QTest::newRow("pixelrate UHD") << QStringList {"pixelrate", "3840", "2160",
        "60"} << QByteArray("pixel rate: 533280000 pixels/s\npixel clock supported: no\n");
}

void CTestSendertoolEdid::TextOutput()
{
    QFETCH(QStringList, listArgs);
    QFETCH(QByteArray, baExpected);
    const SToolRun sRun = Run(listArgs);
    QCOMPARE(sRun.nExitCode, 0);
    QCOMPARE(sRun.baOut, baExpected);
}

// Ours keeps the 8 % sync rule and the aspect-ratio test in single precision
// on whole cells, cvt computes exactly, so a minority may differ.
void CTestSendertoolEdid::RandomModesAgreeWithCvt()
{
    const QString strCvt = QStandardPaths::findExecutable("cvt");
    if (strCvt.isEmpty())
        QSKIP("cvt (Debian package xcvt) is not installed");
    constexpr int MODE_COUNT = 320;
    QRandomGenerator random(0xC47);
    QStringList listModes;
    QVector<CToolCall> vecCalls; // ours, then cvt, for each mode
    for (int i = 0; i < MODE_COUNT; ++i) {
        const bool bReduced = i % 4 == 0; // cvt only defines reduced blanking at multiples of 60 Hz
        const QStringList listArgs {QString::number(random.bounded(320, 4096)),
            QString::number(random.bounded(200, 2401)),
            bReduced ? QString::number(60 * random.bounded(1, 3))
                     : QString::number(24.0 + random.bounded(120.0), 'f', 2)};
        QStringList listOurs = QStringList {"timing"} + listArgs, listCvt = listArgs;
        if (bReduced) {
            listOurs << "--reduced-blanking";
            listCvt.prepend("-r");
        }
        vecCalls << CToolCall {qEnvironmentVariable("SENDERTOOL"), listOurs} << CToolCall {strCvt, listCvt};
        listModes << listArgs.join(' ') + (bReduced ? " RB" : " CVT");
    }
    const QVector<SToolRun> vecRuns = RunToolsTogether(vecCalls);

    const char* const arrNames[] = {"hblank", "hfront", "hsync", "vblank", "vfront", "vsync"};
    int nAllSix = 0;
    for (int i = 0; i < MODE_COUNT; ++i) {
        const QVector<int> vecOurs = ParseModeline(vecRuns[2 * i].baOut);
        const QVector<int> vecCvt = ParseModeline(vecRuns[2 * i + 1].baOut);
        QVERIFY2(vecRuns[2 * i].nExitCode == 0 && vecRuns[2 * i + 1].nExitCode == 0 && vecOurs.size() == 6
                && vecCvt.size() == 6,
            qPrintable(listModes[i]));
        QStringList listDiffs;
        for (int f = 0; f < 6; ++f)
            if (vecOurs[f] != vecCvt[f])
                listDiffs << QString("%1 %2").arg(arrNames[f]).arg(vecOurs[f] - vecCvt[f]);
        const QString strWhat = listModes[i] + ": " + listDiffs.join(", ");
        QVERIFY2(vecOurs[0] == vecCvt[0], qPrintable(strWhat)); // horizontal blanking always agrees
        QVERIFY2(qAbs(vecOurs[2] - vecCvt[2]) == 0 || qAbs(vecOurs[2] - vecCvt[2]) == 8, qPrintable(strWhat));
        if (listDiffs.isEmpty())
            ++nAllSix;
        else if (i - nAllSix < 5)
            qInfo("example %s", qPrintable(strWhat));
    }
    QVERIFY2(nAllSix * 100 >= MODE_COUNT * 80,
        qPrintable(QString("only %1 of %2 agree").arg(nAllSix).arg(MODE_COUNT)));
}

// Within the advertised ranges the only failure is the manufacturer name (its
// bytes are fixed by the format and are not letters); outside them the only
// further failure is the out-of-range one, naming exactly the predicted ranges.
void CTestSendertoolEdid::EdidDecodeAcceptsBlocksWithinRanges()
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
    const int nGrid = vecModes.size();
    for (const QSize& size : {QSize(320, 200), QSize(640, 480), QSize(1280, 1024), QSize(1920, 1080)})
        for (float fLow = 0.0f, fHigh = 2.0f; fHigh < 260.0f; fLow = fHigh, fHigh += 2.0f) {
            if (violations(size, fLow) == violations(size, fHigh))
                continue;
            float fA = fLow, fB = fHigh;
            for (int i = 0; i < 40 && fB - fA > 1e-4f; ++i)
                (violations(size, 0.5f * (fA + fB)) == violations(size, fA) ? fA : fB) = 0.5f * (fA + fB);
            vecModes.append({size, fA});
            vecModes.append({size, fB});
        }
    QVERIFY(vecModes.size() > nGrid + 10);

    QTemporaryDir dir;
    int nChecked = 0, nOutside = 0, nRangeFailures = 0; // the rest came as off-by-one warnings
    for (const auto& mode : vecModes) {
        const int nW = mode.first.width(), nH = mode.first.height();
        if (!CheckEncodable(nW, nH, mode.second, Rb(nW, nH, mode.second)).isEmpty())
            continue;
        CEdidBuilder builder;
        builder.BuildEdid(nW, nH, mode.second);
        QFile file(dir.filePath("block.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);
        file.close();
        QString strRange;
        const QStringList listFailures
            = ParseReport(Run({"--check", file.fileName()}, strEdidDecode).baOut, strRange);
        const QByteArray baWhat = QByteArray::number(nW) + 'x' + QByteArray::number(nH) + '@'
            + QByteArray::number(double(mode.second), 'g', 9) + ": " + listFailures.join(" | ").toUtf8()
            + " / " + strRange.toUtf8();
        QVERIFY2(
            listFailures.value(0).contains("Manufacturer name field contains garbage"), baWhat.constData());
        const QStringList listOthers = listFailures.mid(1);
        const unsigned nViolations = violations(mode.first, mode.second);
        ++nChecked;
        if (nViolations == 0) {
            QVERIFY2(listOthers.isEmpty() && strRange.isEmpty(), baWhat.constData());
            continue;
        }
        ++nOutside;
        if (nViolations & RANGE_CLOCK_LOW) {
            QVERIFY2(
                listOthers.size() == 1 && listOthers[0].contains("Pixelclock < 10 MHz"), baWhat.constData());
            continue;
        }
        QVERIFY2(listOthers.isEmpty() || (listOthers.size() == 1 && listOthers[0].contains(g_szOutOfRange)),
            baWhat.constData());
        nRangeFailures += listOthers.size();
        QVERIFY2(!strRange.isEmpty()
                && strRange.contains("Maximum Clock") == bool(nViolations & RANGE_CLOCK_HIGH)
                && strRange.contains("Vertical Freq") == bool(nViolations & RANGE_VFREQ)
                && strRange.contains("Horizontal Freq") == bool(nViolations & RANGE_HFREQ),
            baWhat.constData());
    }
    qInfo("%d blocks checked, %d outside the advertised ranges, %d of them reported as failures", nChecked,
        nOutside, nRangeFailures);
    QVERIFY(nOutside > 0 && nOutside < nChecked);
}

QTEST_GUILESS_MAIN(CTestSendertoolEdid)
#include "tst_SendertoolEdid.moc"
