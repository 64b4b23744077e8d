#include "EdidTestBlocks.h"
#include "ToolRun.h"

#include <QtTest>

using namespace EdidTestBlocks;

namespace {
// Blanking, front porch and sync width per axis, then the flags, of a modeline.
QString Shape(const QByteArray& baText)
{
    const QList<QByteArray> listTokens = baText.mid(baText.indexOf("Modeline")).simplified().split(' ');
    QStringList listFields;
    for (int i = 3; i < 11 && listTokens.size() >= 11; i += 4) {
        const auto n = [&](int k) { return listTokens[i + k].toInt(); };
        listFields << QString::number(n(3) - n(0)) << QString::number(n(1) - n(0))
                   << QString::number(n(2) - n(1));
    }
    for (const QByteArray& baFlag : listTokens.mid(11))
        listFields << QString::fromLatin1(baFlag);
    return listFields.join(' ');
}
} // namespace

class CTestSendertoolEdid : public QObject
{
    Q_OBJECT

private slots:

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

    // Each side of every advertised limit, as edid-decode reads the block: the block is
    // written all the same, with a warning that names what lies outside.
    void rangeWarnings()
    {
        const std::pair<const char*, const char*> arrCases[] = {{"640 480 120.5057", ""},
            {"640 480 120.5059", "vertical frequency 120.51 Hz outside 23 to 120 Hz"},
            {"1920 1600 22.5003", ""},
            {"1920 1600 22.5002", "vertical frequency 22.50 Hz outside 23 to 120 Hz"},
            {"4095 200 134.7113", "vertical frequency 134.71 Hz outside 23 to 120 Hz"},
            {"4095 200 134.7112",
                "vertical frequency 134.70 Hz outside 23 to 120 Hz; horizontal frequency 29.50 kHz outside "
                "30 to "
                "153 kHz"},
            {"1920 1080 73.1087", ""}, {"1920 1080 73.1089", "pixel clock 170.01 MHz above 170 MHz"},
            {"640 480 20", "pixel clock 7.88 MHz below 10 MHz"}}; // a clock this low has no frequencies
        for (const auto& [pszMode, pszWarning] : arrCases) {
            const SToolRun run = Run(QStringList {"edid"} + QString(pszMode).split(' '));
            const QByteArray baWarning = *pszWarning
                ? QByteArray("sendertool: warning: the mode lies outside the ranges the block advertises: ")
                    + pszWarning + '\n'
                : QByteArray();
            QVERIFY2(run.nExitCode == 0 && run.baOut.size() == CEdidBuilder::BLOCK_SIZE, pszMode);
            QCOMPARE(run.baErr, baWarning);
        }
    }

    // cvt's blanking, porches, sync widths and flags, its short and long options alike.
    void timingsAgreeWithCvt()
    {
        const QString strCvt = QStandardPaths::findExecutable("cvt");
        if (strCvt.isEmpty())
            QSKIP("cvt (Debian package xcvt) is not installed");
        for (const QStringList& listArgs :
            {QStringList {"1920", "1080", "59.94"}, {"-r", "-i", "1366", "768", "60"},
                {"--reduced", "2560", "1600", "120"}, {"--interlaced", "1024", "768", "75"},
                {"-i", "1920", "1080", "50"}, {"-r", "800", "600", "60"}}) {
            const QString strOurs = Shape(Run(QStringList {"timing"} + listArgs).baOut);
            QVERIFY2(strOurs.count(' ') >= 7, qPrintable(strOurs));
            QCOMPARE(strOurs, Shape(Run(listArgs, strCvt).baOut));
        }
    }
};

QTEST_GUILESS_MAIN(CTestSendertoolEdid)
#include "tst_sendertool_edid.moc"
