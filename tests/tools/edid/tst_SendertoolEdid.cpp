#include "EdidBuilder.h"
#include "ToolRunner.h"

class CTestSendertoolEdid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { REQUIRE_SENDERTOOL(); }
    void EdidOutput();
    void BadInputWritesNothing_data();
    void BadInputWritesNothing();
    void TextOutput_data();
    void TextOutput();
    void HelpDocumentsEveryCommand();
};

void CTestSendertoolEdid::EdidOutput()
{
    CEdidBuilder builder;
    builder.BuildEdid(1920, 1080, 59.94f);
    const QByteArray baExpected(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);
    QTemporaryDir dir;
    const QString strFile = dir.filePath("mode.bin");
    const SToolRun sRun = RunTool(SenderTool(), {"edid", "1920", "1080", "59.94", "-o", strFile});
    QVERIFY(sRun.nExitCode == 0 && sRun.baOut.isEmpty() && sRun.baErr.isEmpty());
    QFile file(strFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), baExpected);
    QCOMPARE(RunTool(SenderTool(), {"edid", "1920", "1080", "59.94"}).baOut, baExpected);

    const SToolRun sHex = RunTool(SenderTool(), {"edid", "1024", "768", "60", "--hex"});
    const QList<QByteArray> listLines = sHex.baOut.split('\n');
    QCOMPARE(listLines.size(), 9); // eight lines, each ended by a newline
    QCOMPARE(listLines[0], QByteArray("00 FF FF FF FF FF FF 00 7B DE 00 00 01 01 01 01"));
    QCOMPARE(listLines[7], QByteArray("00 17 78 1E 99 11 00 0A 20 20 20 20 20 20 00 A1"));

    // Outside the advertised ranges the block is still written, with a warning.
    const SToolRun sUhd = RunTool(SenderTool(), {"edid", "3840", "2160", "60", "-o", strFile});
    QCOMPARE(sUhd.nExitCode, 0);
    QVERIFY2(sUhd.baErr.startsWith("sendertool: warning:") && sUhd.baErr.contains("533.28 MHz above 170 MHz"),
        sUhd.baErr.constData());
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
    QTest::newRow("height 4096") << QStringList {"edid", "1920", "4096", "60"} << "height 4096 is outside";
    QTest::newRow("zero rate") << QStringList {"edid", "1920", "1080", "0"} << "rate 0 is not a positive";
    QTest::newRow("infinite rate") << QStringList {"edid", "1920", "1080", "inf"} << "not a positive finite";
    QTest::newRow("rate beyond float")
        << QStringList {"edid", "1920", "1080", "1e39"} << "not a positive finite";
    QTest::newRow("clock 655.36 MHz") << QStringList {"edid", "4095", "4095", "40"} << "655.36 MHz";
    QTest::newRow("unwritable output")
        << QStringList {"edid", "1920", "1080", "60", "-o", "/nonexistent/x.bin"} << "cannot write";
    QTest::newRow("timing bad height") << QStringList {"timing", "1920", "x", "60"} << "height 'x'";
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

    const SToolRun sRun = RunTool(SenderTool(), listArgs);
    QCOMPARE(sRun.nExitCode, 2);
    QVERIFY(sRun.baOut.isEmpty());
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
    QTest::newRow("pixelrate standard row") << QStringList {"pixelrate", "1920", "1080", "50", "--standard",
        "1"} << QByteArray("pixel rate: 123750000 pixels/s\npixel clock supported: yes\n");
    QTest::newRow("pixelrate UHD") << QStringList {"pixelrate", "3840", "2160",
        "60"} << QByteArray("pixel rate: 533280000 pixels/s\npixel clock supported: no\n");
}

void CTestSendertoolEdid::TextOutput()
{
    QFETCH(QStringList, listArgs);
    QFETCH(QByteArray, baExpected);
    const SToolRun sRun = RunTool(SenderTool(), listArgs);
    QCOMPARE(sRun.nExitCode, 0);
    QCOMPARE(sRun.baOut, baExpected);
}

void CTestSendertoolEdid::HelpDocumentsEveryCommand()
{
    const QByteArray baHelp = RunTool(SenderTool(), {"--help"}).baOut;
    for (const char* pszUsage : {"edid WIDTH HEIGHT RATE [-o FILE] [--hex]",
             "timing WIDTH HEIGHT RATE [--reduced-blanking] [--interlaced] [--margins]",
             "pixelrate WIDTH HEIGHT RATE [--standard 0|1]"})
        QVERIFY2(baHelp.contains(pszUsage), pszUsage);
}

QTEST_GUILESS_MAIN(CTestSendertoolEdid)
#include "tst_SendertoolEdid.moc"
