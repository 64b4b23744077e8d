// Colour temperature, and sendertool's colour commands. Some steps are single precision: the exact
// values pinned here (17 significant digits identify a double) show a lost float rounding.
#include "CCT2ColorCoord.h"
#include "ChromaDiagram.h"
#include "RunSenderTool.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Exact(double dValue)
{
    return QString::number(dValue, 'g', 17);
}

} // namespace

class TestCct : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_cct.CalcColorGamut();
        m_cct.ColorCoordTables();
    }

    void temperatureToChromaticity()
    {
        // Unless asked for the formula, 6500 K is D65 itself, and only 6500 K.
        // Both ends are in range; a negative x: refused.
        const struct
        {
            float fKelvin;
            bool bFormula;
            double dX, dY; // y 0: not compared
        } arrCases[] = {{6500.0f, false, double(0.3127f), double(0.329f)},
            {6500.0f, true, 0.312779, 0.3291835}, {6500.001f, false, 0.312779, 0.3291835},
            {4000.0f, false, 0.382344, 0.383766}, {25000.0f, false, 0.249854, 0.254799},
            {3999.999f, false, -1, -1}, {25000.002f, false, -1, -1},
            // The two daylight formulas differ by 4.6e-7 where they meet.
            {7000.0f, false, 0.30535697, 0}, {6999.999f, false, 0.30535743, 0}};
        for (const auto& c : arrCases) {
            QPointF pt(-1, -1);
            QCOMPARE(m_cct.CCTtoColorCoord(c.fKelvin, &pt, c.bFormula), c.dX > 0);
            QVERIFY2(qAbs(pt.x() - c.dX) < (c.dY == 0.0 ? 1e-7 : 5e-7)
                    && (c.dY == 0.0 || qAbs(pt.y() - c.dY) < 5e-7),
                qPrintable(Exact(pt.x()) + " " + Exact(pt.y())));
        }
    }

    void chromaticityToTemperature()
    {
        const QVector<sCIE1931>& vecTable = m_cct.GetColorCoordTables(); // 4000 to 25000 K in steps of 5
        QVERIFY(vecTable.size() == 4201 && vecTable.first().nCCT == 4000 && vecTable.last().nCCT == 25000);
        // D65, D50, a bluish white, then points near the middle between two
        // records: the last bits of the table pick the pair, and a neighbour one
        // record away moves the result by 5 K.
        const QPair<QPointF, float> arrCases[]
            = {{QPointF(0.3127, 0.3290), 6505.58594f}, {QPointF(0.3457, 0.3585), 5000.99658f},
                {QPointF(0.2831, 0.2971), 9304.8584f}, {QPointF(0.2852, 0.3003), 8979.98145f},
                {QPointF(0.2668, 0.2760), 13014.999f}, {QPointF(0.2568, 0.2655), 17284.998f},
                {QPointF(0.2513, 0.2563), 23174.998f}, {QPointF(0.2496, 0.2559), 24440.0f}};
        for (const auto& c : arrCases) {
            float fResult = 0.0f;
            QVERIFY(m_cct.TriangAlgCalcRelativeCCT(c.first, &fResult, true));
            QCOMPARE(Exact(fResult), Exact(c.second));
        }
        float fResult = -1.0f; // unless raw, D65 reads as 6500 K
        QVERIFY(
            m_cct.TriangAlgCalcRelativeCCT(QPointF(0.3127, 0.3290), &fResult, false) && fResult == 6500.0f);
        // At y = 0.1858 the McCamy index is infinite, whatever x: refused before the
        // table is consulted, output untouched. Other refusals: see the tool's answers.
        fResult = -1.0f;
        QVERIFY(!m_cct.TriangAlgCalcRelativeCCT(QPointF(0.332, double(0.1858f)), &fResult, true)
            && fResult == -1.0f);
    }

    void toolAnswers_data()
    {
        QTest::addColumn<QStringList>("listArgs");
        QTest::addColumn<int>("nExitCode");
        QTest::addColumn<QString>("strText"); // the whole output line, or part of the message
        const QStringList listRender
            = {"render", "--size", "400x300", "-o", m_dir.filePath("bad.png"), "--group"};
        const QStringList listCoverage = {"coverage", "--screen", "sRGB", "--output"};
        QTest::newRow("cct D65") << QStringList {"cct", "6500"} << 0 << "0.312700 0.329000";
        // The last printed digit depends on the float rounding of x.
        QTest::newRow("cct 13965") << QStringList {"cct", "13965", "--formula"} << 0 << "0.263777 0.273304";
        QTest::newRow("cct range") << QStringList {"cct", "25000.5"} << 2 << "outside 4000 to 25000 K";
        QTest::newRow("xy2cct raw") << QStringList {"xy2cct", "0.3127", "0.3290", "--raw"} << 0 << "6505.6";
        QTest::newRow("xy2cct area") << QStringList {"xy2cct", "0.4", "0.4"} << 1 << "outside the valid area";
        QTest::newRow("xy2cct range")
            << QStringList {"xy2cct", "0.2", "0.15"} << 1 << "outside 4000 to 25000 K";
        QTest::newRow("in locus") << QStringList {"locus", "--contains", "0.3127", "0.3290"} << 0 << "inside";
        QTest::newRow("too few values") << listRender + QStringList {"0.6,0.3,0.3"} << 2 << "has 3 values";
        QTest::newRow("unknown name") << listRender + QStringList {"sRGB2"} << 2 << "unknown colour standard";
        QTest::newRow("coverage") << listCoverage + QStringList {"Rec2020"} << 0 << "53";
        QTest::newRow("output without area")
            << listCoverage + QStringList {"0.2,0.2,0.3,0.3,0.4,0.4,0.3,0.3"} << 0 << "0";
    }

    void toolAnswers()
    {
        if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
            QSKIP("sendertool is not built");
        QFETCH(QStringList, listArgs);
        QFETCH(int, nExitCode);
        QFETCH(QString, strText);
        const SToolResult sResult = RunSenderTool(listArgs);
        QCOMPARE(sResult.nExitCode, nExitCode);
        QVERIFY2(nExitCode == 0 ? sResult.strOut == strText + "\n"
                                : sResult.strOut.isEmpty() && sResult.strErr.contains(strText),
            qPrintable(sResult.strOut + sResult.strErr));
        QVERIFY(!QFile::exists(m_dir.filePath("bad.png")));
    }

    void toolRendersTheChart()
    {
        if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
            QSKIP("sendertool is not built");
        const QString strFile = m_dir.filePath("chart.png");
        const QStringList listArgs = {"render", "--size", "800x600", "-o", strFile, "--group", "sRGB@512",
            "--group", "0.68,0.32,0.265,0.69,0.15,0.06,0.3127,0.329@768"};
        QCOMPARE(RunSenderTool(listArgs).nExitCode, 0);
        const QImage image = QImage(strFile).convertToFormat(QImage::Format_RGB32);
        CChromaDiagram diagram; // for the chart's mapping
        diagram.SetSize(800, 600);
        const auto Rgb
            = [&](CPointEx<float> pt) { return QColor(image.pixel(diagram.ChromaToPixel(pt).toPoint())); };
        QCOMPARE(Rgb({0.65f, 0.12f}), QColor(50, 50, 50)); // below the line of purples
        QVERIFY(QColor(image.pixel(0, 300)).value() < 50); // the frame
        // The output space's markers: red, green, blue and white.
        const QPair<CPointEx<float>, QColor> arrMarker[] = {{{0.64f, 0.33f}, Qt::red},
            {{0.3f, 0.6f}, Qt::green}, {{0.15f, 0.06f}, Qt::blue}, {{0.3127f, 0.329f}, Qt::white}};
        for (const auto& marker : arrMarker)
            QCOMPARE(Rgb(marker.first), marker.second);
    }

private:
    CCCT2ColorCoord m_cct;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCct)
#include "tst_cct.moc"
