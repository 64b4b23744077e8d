#include "ChromaticityProbe.h"
#include "RunSenderTool.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool IsToolBuilt()
{
    return !qEnvironmentVariable("SENDERTOOL").isEmpty();
}

// The widget's mapping for an 800 × 600 chart.
QPoint ChartPixel(float fX, float fY)
{
    static CChromaticityProbe s_wnd;
    s_wnd.SetSize(800, 600);
    return s_wnd.ChromaToPixel(CPointEx<float>(fX, fY)).toPoint();
}

} // namespace

class TestChromaRenderTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void renderedChartHasItsColoursInPlace();
    void slotImageRendersLikeTheWidgetsOwn();
    void badRenderArgumentsAreRejected_data();
    void badRenderArgumentsAreRejected();
    void coveragePrintsTheRatio();
    void coverageWithoutAnAnswer();

private:
    QTemporaryDir m_dir;
};

void TestChromaRenderTool::initTestCase()
{
    if (!IsToolBuilt())
        QSKIP("sendertool is not built");
    QVERIFY(m_dir.isValid());
}

void TestChromaRenderTool::renderedChartHasItsColoursInPlace()
{
    const QString strFile = m_dir.filePath("chart.png");
    const SToolResult sResult = RunSenderTool({"render", "--size", "800x600", "-o", strFile, "--group",
        "sRGB@512", "--group", "0.68,0.32,0.265,0.69,0.15,0.06,0.3127,0.329@768"});
    QCOMPARE(sResult.nExitCode, 0);
    QImage image(strFile);
    QCOMPARE(image.size(), QSize(800, 600));
    image = image.convertToFormat(QImage::Format_RGB32);

    const auto Rgb = [&](QPoint pt) { return QColor(image.pixel(pt)); };
    QCOMPARE(Rgb(ChartPixel(0.65f, 0.12f)), QColor(50, 50, 50)); // below the line of purples
    QCOMPARE(Rgb(QPoint(400, 5)), QColor(50, 50, 50));
    QVERIFY(Rgb(QPoint(0, 300)).value() < 50); // the frame
    QCOMPARE(Rgb(ChartPixel(0.64f, 0.33f)), QColor(255, 0, 0)); // red marker of the output space
    QCOMPARE(Rgb(ChartPixel(0.3f, 0.6f)), QColor(0, 255, 0));
    QCOMPARE(Rgb(ChartPixel(0.15f, 0.06f)), QColor(0, 0, 255));
    QCOMPARE(Rgb(ChartPixel(0.3127f, 0.329f)), QColor(255, 255, 255)); // white point marker

    // The gamut fill: green towards the top, red to the right, no red beyond G–B.
    const QColor clrGreen = Rgb(ChartPixel(0.15f, 0.65f));
    QVERIFY2(clrGreen.green() >= 200 && clrGreen.red() < 150, qPrintable(clrGreen.name()));
    const QColor clrRed = Rgb(ChartPixel(0.6f, 0.36f));
    QVERIFY2(clrRed.red() == 255 && clrRed.blue() < 200, qPrintable(clrRed.name()));
    const QColor clrCyan = Rgb(ChartPixel(0.05f, 0.35f));
    QVERIFY2(clrCyan.red() == 0 && clrCyan.green() > 200, qPrintable(clrCyan.name()));
}

void TestChromaRenderTool::slotImageRendersLikeTheWidgetsOwn()
{
    const QString strOwn = m_dir.filePath("own.png"), strSlot = m_dir.filePath("slot.png");
    QCOMPARE(RunSenderTool({"render", "--size", "640x480", "-o", strOwn, "--group", "Rec2020"}).nExitCode, 0);
    QCOMPARE(
        RunSenderTool({"render", "--size", "640x480", "-o", strSlot, "--group", "Rec2020", "--wnd-type", "2"})
            .nExitCode,
        0);
    const QImage imageOwn(strOwn);
    QVERIFY(!imageOwn.isNull());
    QCOMPARE(QImage(strSlot), imageOwn);
}

void TestChromaRenderTool::badRenderArgumentsAreRejected_data()
{
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<QString>("strMessage");
    const QStringList listBase = {"render", "--size", "400x300", "-o", m_dir.filePath("bad.png")};
    QTest::newRow("too few values") << listBase + QStringList {"--group", "0.6,0.3,0.3"} << "has 3 values";
    QTest::newRow("not a number") << listBase + QStringList {"--group", "0.6,0.3,0.3,0.6,0.1,x,0.3,0.3"}
                                  << "'x' in gamut";
    QTest::newRow("unknown name") << listBase + QStringList {"--group", "sRGB2"} << "unknown colour standard";
    QTest::newRow("bad key") << listBase + QStringList {"--group", "PAL@-3"} << "group key '-3'";
    QTest::newRow("key twice") << listBase + QStringList {"--group", "PAL@5", "--group", "NTSC@5"}
                               << "key 5 is given twice";
    QTest::newRow("window type") << listBase + QStringList {"--wnd-type", "5"} << "window type '5'";
    QTest::newRow("small size") << QStringList {"render", "--size", "100x300", "-o", "x.png"}
                                << "outside 101";
    QTest::newRow("no output") << QStringList {"render", "--size", "400x300"} << "missing";
}

void TestChromaRenderTool::badRenderArgumentsAreRejected()
{
    QFETCH(QStringList, listArgs);
    QFETCH(QString, strMessage);
    const SToolResult sResult = RunSenderTool(listArgs);
    QCOMPARE(sResult.nExitCode, 2);
    QVERIFY2(sResult.strErr.contains(strMessage), qPrintable(sResult.strErr));
    QVERIFY(!QFile::exists(m_dir.filePath("bad.png")));
}

void TestChromaRenderTool::coveragePrintsTheRatio()
{
    const auto Coverage = [](const QString& strScreen, const QString& strOutput) {
        const SToolResult sResult = RunSenderTool({"coverage", "--screen", strScreen, "--output", strOutput});
        return sResult.nExitCode == 0 ? sResult.strOut.trimmed()
                                      : "exit " + QString::number(sResult.nExitCode);
    };
    QCOMPARE(Coverage("Rec2020", "Rec2020"), QString("100"));
    QCOMPARE(Coverage("DCIP3", "sRGB"), QString("100"));
    QCOMPARE(Coverage("sRGB", "Rec2020"), QString("53"));
    QCOMPARE(
        Coverage("0.6,0.3,0.3,0.6,0.25,0.35,0.4,0.4", "0.6,0.3,0.3,0.6,0.2,0.1,0.35,0.33"), QString("50"));
    QCOMPARE(Coverage("0.05,0.7,0.1,0.8,0.02,0.6,0.06,0.7", "sRGB"), QString("0"));
    QCOMPARE(Coverage("sRGB@512", "sRGB"), QString("exit 2"));
    QCOMPARE(Coverage("sRGB", "1,2,3,4,5,6,7,8"), QString("exit 2"));
}

void TestChromaRenderTool::coverageWithoutAnAnswer()
{
    const SToolResult sResult
        = RunSenderTool({"coverage", "--screen", "sRGB", "--output", "0.2,0.2,0.3,0.3,0.4,0.4,0.3,0.3"});
    QCOMPARE(sResult.nExitCode, 1);
    QVERIFY(sResult.strOut.isEmpty());
    QVERIFY2(sResult.strErr.contains("cannot be computed"), qPrintable(sResult.strErr));
}

QTEST_MAIN(TestChromaRenderTool)
#include "tst_chroma_render_tool.moc"
