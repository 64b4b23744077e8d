#include "ChromaDiagram.h"
#include "RunSenderTool.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestChromaRenderTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void renderedChartHasItsColoursInPlace();
    void answers_data();
    void answers();

private:
    QTemporaryDir m_dir;
};

void TestChromaRenderTool::initTestCase()
{
    if (qEnvironmentVariable("SENDERTOOL").isEmpty())
        QSKIP("sendertool is not built");
    QVERIFY(m_dir.isValid());
}

void TestChromaRenderTool::renderedChartHasItsColoursInPlace()
{
    const QString strFile = m_dir.filePath("chart.png");
    QCOMPARE(RunSenderTool({"render", "--size", "800x600", "-o", strFile, "--group", "sRGB@512", "--group",
                               "0.68,0.32,0.265,0.69,0.15,0.06,0.3127,0.329@768"})
                 .nExitCode,
        0);
    const QImage image = QImage(strFile).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(800, 600));
    CChromaDiagram diagram; // for the chart's mapping
    diagram.SetSize(800, 600);
    const auto Rgb = [&](float fX, float fY) {
        return QColor(image.pixel(diagram.ChromaToPixel({fX, fY}).toPoint()));
    };

    QCOMPARE(Rgb(0.65f, 0.12f), QColor(50, 50, 50)); // below the line of purples
    QVERIFY(QColor(image.pixel(0, 300)).value() < 50); // the frame
    // The output space's markers.
    QCOMPARE(Rgb(0.64f, 0.33f), QColor(255, 0, 0));
    QCOMPARE(Rgb(0.3f, 0.6f), QColor(0, 255, 0));
    QCOMPARE(Rgb(0.15f, 0.06f), QColor(0, 0, 255));
    QCOMPARE(Rgb(0.3127f, 0.329f), QColor(255, 255, 255));
    const QColor clrCyan = Rgb(0.05f, 0.35f); // the gamut fill, with no red beyond G–B
    QVERIFY2(clrCyan.red() == 0 && clrCyan.green() > 200, qPrintable(clrCyan.name()));
}

void TestChromaRenderTool::answers_data()
{
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<int>("nExitCode");
    QTest::addColumn<QString>("strText"); // the whole output, or part of the message
    const QStringList listRender
        = {"render", "--size", "400x300", "-o", m_dir.filePath("bad.png"), "--group"};
    const QStringList listCoverage = {"coverage", "--screen", "sRGB", "--output"};
    QTest::newRow("too few values") << listRender + QStringList {"0.6,0.3,0.3"} << 2 << "has 3 values";
    QTest::newRow("not a number") << listRender + QStringList {"0.6,0.3,0.3,0.6,0.1,x,0.3,0.3"} << 2
                                  << "'x' in gamut";
    QTest::newRow("unknown name") << listRender + QStringList {"sRGB2"} << 2 << "unknown colour standard";
    QTest::newRow("coverage") << listCoverage + QStringList {"Rec2020"} << 0 << "53";
    QTest::newRow("no coverage") << listCoverage + QStringList {"0.2,0.2,0.3,0.3,0.4,0.4,0.3,0.3"} << 1
                                 << "cannot be computed";
    QTest::newRow("bad coverage gamut") << listCoverage + QStringList {"1,2,3"} << 2 << "has 3 values";
}

void TestChromaRenderTool::answers()
{
    QFETCH(QStringList, listArgs);
    QFETCH(int, nExitCode);
    QFETCH(QString, strText);
    const SToolResult sResult = RunSenderTool(listArgs);
    QCOMPARE(sResult.nExitCode, nExitCode);
    if (nExitCode == 0)
        QCOMPARE(sResult.strOut.trimmed(), strText);
    else
        QVERIFY2(sResult.strOut.isEmpty() && sResult.strErr.contains(strText), qPrintable(sResult.strErr));
    QVERIFY(!QFile::exists(m_dir.filePath("bad.png")));
}

QTEST_MAIN(TestChromaRenderTool)
#include "tst_chroma_render_tool.moc"
