#include "EdidBuilder.h"
#include "ToolRunner.h"

#include <QFile>
#include <QTemporaryDir>

class CTestSendertoolEdid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { REQUIRE_SENDERTOOL(); }
    void EdidWritesTheBuilderBlock();
    void EdidHexLayout();
    void EdidWarnsOutsideAdvertisedRanges();
    void BadInputWritesNothing_data();
    void BadInputWritesNothing();
    void TimingModelines_data();
    void TimingModelines();
    void PixelRate_data();
    void PixelRate();
    void HelpDocumentsEveryCommand();
};

void CTestSendertoolEdid::EdidWritesTheBuilderBlock()
{
    QTemporaryDir dir;
    const QString strFile = dir.filePath("mode.bin");
    const SToolRun sRun = RunTool(SenderTool(), {"edid", "1920", "1080", "59.94", "-o", strFile});
    QCOMPARE(sRun.nExitCode, 0);
    QVERIFY(sRun.baOut.isEmpty());
    QVERIFY(sRun.baErr.isEmpty());

    CEdidBuilder builder;
    builder.BuildEdid(1920, 1080, 59.94f);
    const QByteArray baExpected(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);
    QFile file(strFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), baExpected);

    // Standard output carries the same raw bytes.
    const SToolRun sStdout = RunTool(SenderTool(), {"edid", "1920", "1080", "59.94"});
    QCOMPARE(sStdout.nExitCode, 0);
    QCOMPARE(sStdout.baOut, baExpected);
}

void CTestSendertoolEdid::EdidHexLayout()
{
    const SToolRun sRun = RunTool(SenderTool(), {"edid", "1024", "768", "60", "--hex"});
    QCOMPARE(sRun.nExitCode, 0);
    const QList<QByteArray> listLines = sRun.baOut.split('\n');
    QCOMPARE(listLines.size(), 9); // eight lines, each ended by a newline
    QVERIFY(listLines.last().isEmpty());
    QCOMPARE(listLines[0], QByteArray("00 FF FF FF FF FF FF 00 7B DE 00 00 01 01 01 01"));
    QCOMPARE(listLines[3], QByteArray("01 01 01 01 01 01 EC 15 00 A0 40 00 16 30 30 20"));
    QCOMPARE(listLines[7], QByteArray("00 17 78 1E 99 11 00 0A 20 20 20 20 20 20 00 A1"));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(listLines[i].split(' ').size(), 16);
}

void CTestSendertoolEdid::EdidWarnsOutsideAdvertisedRanges()
{
    QTemporaryDir dir;
    const QString strFile = dir.filePath("uhd.bin");
    const SToolRun sRun = RunTool(SenderTool(), {"edid", "3840", "2160", "60", "-o", strFile});
    QCOMPARE(sRun.nExitCode, 0);
    QVERIFY2(sRun.baErr.startsWith("sendertool: warning:") && sRun.baErr.contains("533.28 MHz above 170 MHz"),
        sRun.baErr.constData());
    QCOMPARE(QFileInfo(strFile).size(), qint64(CEdidBuilder::BLOCK_SIZE));
}

void CTestSendertoolEdid::BadInputWritesNothing_data()
{
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<QString>("strMessage");
    QTest::newRow("missing rate") << QStringList {"edid", "1920", "1080"} << "missing arguments";
    QTest::newRow("extra argument") << QStringList {"edid", "1920", "1080", "60", "7"}
                                    << "unexpected argument '7'";
    QTest::newRow("non-numeric width") << QStringList {"edid", "wide", "1080", "60"} << "width 'wide'";
    QTest::newRow("zero width") << QStringList {"edid", "0", "1080", "60"} << "width 0 is outside 1 to 4095";
    QTest::newRow("negative width") << QStringList {"edid", "-5", "1080", "60"} << "width -5 is outside";
    QTest::newRow("height 4096") << QStringList {"edid", "1920", "4096", "60"} << "height 4096 is outside";
    QTest::newRow("zero rate") << QStringList {"edid", "1920", "1080", "0"} << "rate 0 is not a positive";
    QTest::newRow("infinite rate") << QStringList {"edid", "1920", "1080", "inf"} << "not a positive finite";
    QTest::newRow("rate beyond float")
        << QStringList {"edid", "1920", "1080", "1e39"} << "not a positive finite";
    QTest::newRow("text rate") << QStringList {"edid", "1920", "1080", "fast"}
                               << "rate 'fast' is not a number";
    QTest::newRow("clock 655.36 MHz") << QStringList {"edid", "4095", "4095", "40"} << "655.36 MHz";
    QTest::newRow("unknown option") << QStringList {"edid", "1920", "1080", "60", "--bin"}
                                    << "unknown option";
    QTest::newRow("unwritable output")
        << QStringList {"edid", "1920", "1080", "60", "-o", "/nonexistent-dir/x.bin"} << "cannot write";
    QTest::newRow("-o without file") << QStringList {"edid", "1920", "1080", "60", "-o"} << "needs a value";
    QTest::newRow("timing bad height") << QStringList {"timing", "1920", "x", "60"} << "height 'x'";
    QTest::newRow("pixelrate bad standard")
        << QStringList {"pixelrate", "1920", "1080", "60", "--standard", "2"} << "--standard takes 0";
    QTest::newRow("pixelrate width 5000") << QStringList {"pixelrate", "5000", "1080", "60"} << "width 5000";
}

void CTestSendertoolEdid::BadInputWritesNothing()
{
    QFETCH(QStringList, listArgs);
    QFETCH(QString, strMessage);
    QTemporaryDir dir;
    const QString strFile = dir.filePath("kept.bin");
    const QByteArray baOld("previous contents");
    {
        QFile file(strFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(baOld);
    }
    if (listArgs[0] == "edid" && !listArgs.contains("-o"))
        listArgs << "-o" << strFile;

    const SToolRun sRun = RunTool(SenderTool(), listArgs);
    QCOMPARE(sRun.nExitCode, 2);
    QVERIFY(sRun.baOut.isEmpty());
    QVERIFY2(sRun.baErr.startsWith("sendertool: ") && sRun.baErr.count('\n') == 1, sRun.baErr.constData());
    QVERIFY2(sRun.baErr.contains(strMessage.toUtf8()), sRun.baErr.constData());
    QFile file(strFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), baOld);
}

void CTestSendertoolEdid::TimingModelines_data()
{
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<QByteArray>("baExpected");
    QTest::newRow("standard") << QStringList {"1920", "1080", "60"}
                              << QByteArray("# 1920x1080 60.00 Hz (CVT) hsync: 67.20 kHz; pclk: 173.11 MHz\n"
                                            "Modeline \"1920x1080_60.00\"  173.11  1920 2048 2248 2576  "
                                            "1080 1083 1088 1120 -hsync +vsync\n");
    QTest::newRow("reduced") << QStringList {"1920", "1080", "59.94", "--reduced-blanking"}
                             << QByteArray(
                                    "# 1920x1080 59.94 Hz (CVT-RB) hsync: 66.59 kHz; pclk: 138.51 MHz\n"
                                    "Modeline \"1920x1080_59.94\"  138.51  1920 1968 2000 2080  "
                                    "1080 1083 1088 1111 +hsync -vsync\n");
    QTest::newRow("interlaced with margins")
        << QStringList {"--interlaced", "1920", "--margins", "1080", "60"}
        << QByteArray("# 1920x1080 60.00 Hz (CVT, interlaced, margins) hsync: 66.18 kHz; pclk: 162.01 MHz\n"
                      "Modeline \"1920x1080_60.00\"  162.01  1920 1984 2184 2448  "
                      "1080 1083 1088 1103 interlace -hsync +vsync\n");
}

void CTestSendertoolEdid::TimingModelines()
{
    QFETCH(QStringList, listArgs);
    QFETCH(QByteArray, baExpected);
    const SToolRun sRun = RunTool(SenderTool(), QStringList {"timing"} + listArgs);
    QCOMPARE(sRun.nExitCode, 0);
    QCOMPARE(sRun.baOut, baExpected);
}

void CTestSendertoolEdid::PixelRate_data()
{
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<QByteArray>("baExpected");
    QTest::newRow("59.94 Hz reduced") << QStringList {"1920", "1080",
        "59.94"} << QByteArray("pixel rate: 138514144 pixels/s\npixel clock supported: yes\n");
    QTest::newRow("table row at 50 Hz") << QStringList {"1920", "1080", "50", "--standard",
        "1"} << QByteArray("pixel rate: 123750000 pixels/s\npixel clock supported: yes\n");
    QTest::newRow("UHD unsupported") << QStringList {
        "3840", "2160", "60"} << QByteArray("pixel rate: 533280000 pixels/s\npixel clock supported: no\n");
}

void CTestSendertoolEdid::PixelRate()
{
    QFETCH(QStringList, listArgs);
    QFETCH(QByteArray, baExpected);
    const SToolRun sRun = RunTool(SenderTool(), QStringList {"pixelrate"} + listArgs);
    QCOMPARE(sRun.nExitCode, 0);
    QCOMPARE(sRun.baOut, baExpected);
}

void CTestSendertoolEdid::HelpDocumentsEveryCommand()
{
    const SToolRun sRun = RunTool(SenderTool(), {"--help"});
    QCOMPARE(sRun.nExitCode, 0);
    for (const char* pszUsage : {"edid WIDTH HEIGHT RATE [-o FILE] [--hex]",
             "timing WIDTH HEIGHT RATE [--reduced-blanking] [--interlaced] [--margins]",
             "pixelrate WIDTH HEIGHT RATE [--standard 0|1]"})
        QVERIFY2(sRun.baOut.contains(pszUsage), pszUsage);
}

QTEST_GUILESS_MAIN(CTestSendertoolEdid)
#include "tst_SendertoolEdid.moc"
