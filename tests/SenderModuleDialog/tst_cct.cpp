#include "AssertDeath.h"
#include "CCT2ColorCoord.h"
#include "RunSenderTool.h"

#include <QtTest>

#include <random>

class TestCct : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void TemperatureToChromaticity();
    void RangeBounds();
    void CoefficientsSwitchAt7000();
    void DaylightTable();
    void ValidMcCamyArea();
    void ChromaticityToTemperature();
    void RoundTripAlongLocus();
    void AssertionsGuardTheOrder();
    void ToolCommands();

private:
    CCCT2ColorCoord m_cct;
};

static bool Near(double dValue, double dExpected, double dTolerance)
{
    return qAbs(dValue - dExpected) < dTolerance;
}

void TestCct::initTestCase()
{
    m_cct.CalcColorGamut();
    m_cct.ColorCoordTables();
}

void TestCct::TemperatureToChromaticity()
{
    QPointF pt;
    QVERIFY(m_cct.CCTtoColorCoord(6500.0f, &pt, false));
    QCOMPARE(pt, QPointF(0.3127000033855438, 0.32899999618530273));
    QVERIFY(m_cct.CCTtoColorCoord(6500.0f, &pt, true));
    QVERIFY(Near(pt.x(), 0.312779, 5e-7) && Near(pt.y(), 0.329184, 5e-7));
    QVERIFY(m_cct.CCTtoColorCoord(6500.001f, &pt, false));
    QVERIFY(Near(pt.x(), 0.312779, 5e-7));
}

void TestCct::RangeBounds()
{
    QPointF pt(-1, -1);
    QVERIFY(!m_cct.CCTtoColorCoord(3999.999f, &pt, false));
    QVERIFY(!m_cct.CCTtoColorCoord(25000.002f, &pt, false));
    QCOMPARE(pt, QPointF(-1, -1));
    QVERIFY(m_cct.CCTtoColorCoord(4000.0f, &pt, false));
    QVERIFY(Near(pt.x(), 0.382344, 5e-7) && Near(pt.y(), 0.383766, 5e-7));
    QVERIFY(m_cct.CCTtoColorCoord(25000.0f, &pt, false));
    QVERIFY(Near(pt.x(), 0.249854, 5e-7) && Near(pt.y(), 0.254799, 5e-7));
}

void TestCct::CoefficientsSwitchAt7000()
{
    // The two daylight formulas meet at 7000 K but differ by 4.6e-7 there.
    QPointF pt;
    QVERIFY(m_cct.CCTtoColorCoord(7000.0f, &pt, false));
    QVERIFY2(Near(pt.x(), 0.30535697, 1e-7), qPrintable(QString::number(pt.x(), 'g', 10)));
    QVERIFY(m_cct.CCTtoColorCoord(6999.999f, &pt, false));
    QVERIFY2(Near(pt.x(), 0.30535743, 1e-7), qPrintable(QString::number(pt.x(), 'g', 10)));
}

void TestCct::DaylightTable()
{
    const QVector<sCIE1931>& vecTable = m_cct.GetColorCoordTables();
    QCOMPARE(vecTable.size(), 4201);
    QCOMPARE(vecTable.first().nCCT, 4000);
    QCOMPARE(vecTable.first().fUrd, 250.0f);
    QCOMPARE(vecTable.last().nCCT, 25000);
    QCOMPARE(vecTable.last().fUrd, 40.0f);
    const sCIE1931& d65 = vecTable[500];
    QCOMPARE(d65.nCCT, 6500);
    QVERIFY(Near(d65.fUrd, 153.846, 5e-4));
    // The table holds the formula, never the substituted D65 point.
    QVERIFY(Near(d65.dX, 0.312779, 5e-7) && Near(d65.dY, 0.329184, 5e-7));
    QVERIFY(Near(d65.dU, 0.197816, 5e-7) && Near(d65.dV, 0.312287, 5e-7));
    QVERIFY(Near(vecTable.last().dU, 0.179819, 5e-7) && Near(vecTable.last().dV, 0.275068, 5e-7));

    // Rebuilding replaces rather than appends.
    CCCT2ColorCoord cct;
    cct.ColorCoordTables();
    cct.ColorCoordTables();
    QCOMPARE(cct.GetColorCoordTables().size(), 4201);
}

void TestCct::ValidMcCamyArea()
{
    const QVector<QPair<float, float>>& vecArea = m_cct.GetValidArea();
    QCOMPARE(vecArea.size(), 2);
    QVERIFY(Near(vecArea[0].first, -5.5245, 1e-4) && Near(vecArea[0].second, -2.4604, 1e-4));
    QVERIFY(Near(vecArea[1].first, -0.2554, 1e-4) && Near(vecArea[1].second, 1.4834, 1e-4));
    // Every end is a 4000 K or a 25000 K crossing of the cubic.
    for (const QPair<float, float>& area : vecArea) {
        for (float fEnd : {area.first, area.second})
            QVERIFY(qMin(qAbs(m_cct.Solvef(fEnd, 4000)), qAbs(m_cct.Solvef(fEnd, 25000))) < 0.05f);
    }
    QCOMPARE(m_cct.GetSearchArea().size(), 2);
    QVERIFY(Near(m_cct.GetSearchArea()[0], -5.5546, 1e-4) && Near(m_cct.GetSearchArea()[1], 3.9010, 1e-4));

    // y at the epicentre makes the index infinite: never in the area, whatever x.
    for (double dX : {0.1, 0.332, 0.5})
        QVERIFY(!m_cct.isCoordInArea(QPointF(dX, double(0.1858f))));
    QVERIFY(!m_cct.isCoordInArea(QPointF(0.3, 1.0)));
    QVERIFY(!m_cct.isCoordInArea(QPointF(1.0, 0.4)));
    QVERIFY(m_cct.isCoordInArea(QPointF(0.3127, 0.3290)));
}

void TestCct::ChromaticityToTemperature()
{
    float fCCT = 0.0f;
    QVERIFY(m_cct.TriangAlgCalcRelativeCCT(QPointF(0.3127, 0.3290), &fCCT, false));
    QCOMPARE(fCCT, 6500.0f);
    QVERIFY(m_cct.TriangAlgCalcRelativeCCT(QPointF(0.3127, 0.3290), &fCCT, true));
    QVERIFY2(Near(fCCT, 6505.6, 0.05), qPrintable(QString::number(fCCT)));
    QVERIFY(m_cct.TriangAlgCalcRelativeCCT(QPointF(0.3457, 0.3585), &fCCT, false));
    QVERIFY2(Near(fCCT, 5001.0, 0.05), qPrintable(QString::number(fCCT)));
    QVERIFY(m_cct.TriangAlgCalcRelativeCCT(QPointF(0.2831, 0.2971), &fCCT, false));
    QVERIFY2(Near(fCCT, 9304.9, 0.05), qPrintable(QString::number(fCCT)));

    // The McCamy filter rejects (0.4, 0.4) before the table is consulted.
    fCCT = -1.0f;
    QVERIFY(!m_cct.TriangAlgCalcRelativeCCT(QPointF(0.4, 0.4), &fCCT, false));
    QCOMPARE(fCCT, -1.0f);
    // Inside the McCamy area, but the nearest locus point is beyond 25000 K:
    // the value is written, the answer is false.
    QVERIFY(!m_cct.TriangAlgCalcRelativeCCT(QPointF(0.2, 0.15), &fCCT, true));
    QVERIFY2(fCCT > 25000.0f, qPrintable(QString::number(fCCT)));
}

void TestCct::RoundTripAlongLocus()
{
    std::mt19937 rng(6500);
    std::uniform_real_distribution<float> kelvin(4010.0f, 24990.0f);
    for (int i = 0; i < 2000; ++i) {
        const float fKelvin = kelvin(rng);
        QPointF xy;
        QVERIFY(m_cct.CCTtoColorCoord(fKelvin, &xy, true));
        float fCCT = 0.0f;
        QVERIFY(m_cct.TriangAlgCalcRelativeCCT(xy, &fCCT, true));
        // Interpolating in mired between 5 K steps: well under one step.
        QVERIFY2(
            qAbs(fCCT - fKelvin) < 0.002f * fKelvin, qPrintable(QString("%1 -> %2").arg(fKelvin).arg(fCCT)));
    }
}

void TestCct::AssertionsGuardTheOrder()
{
    const QString strNoTable = AbortMessageOf([] {
        CCCT2ColorCoord cct;
        cct.CalcColorGamut();
        float fCCT = 0.0f;
        cct.TriangAlgCalcRelativeCCT(QPointF(0.3127, 0.3290), &fCCT, false);
    });
    QVERIFY2(
        strNoTable.startsWith("ASSERT: \"!m_sColorCoordTables.isEmpty()\" in file "), qPrintable(strNoTable));
    QVERIFY2(strNoTable.contains("CCT2ColorCoord.cpp, line "), qPrintable(strNoTable));

    const QString strUv = AbortMessageOf([this] {
        sCIE1931 arrPair[2];
        m_cct.SearchNearestTwoPoint(QPointF(0.2, 0.0), arrPair);
    });
    QVERIFY2(
        strUv.startsWith("ASSERT: \"uvcolorCoord.x() > 0 && uvcolorCoord .y() > 0\""), qPrintable(strUv));

    const QString strPair = AbortMessageOf([this] { m_cct.TriangCalUrd(QPointF(0.2, 0.3), nullptr); });
    QVERIFY2(strPair.startsWith("ASSERT: \"NearTwoColorCoord != nullptr\""), qPrintable(strPair));
}

void TestCct::ToolCommands()
{
    if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
        QSKIP("sendertool is not built");
    SToolResult sResult = RunSenderTool({"cct", "6500"});
    QCOMPARE(sResult.nExitCode, 0);
    QCOMPARE(sResult.strOut, QString("0.312700 0.329000\n"));
    QCOMPARE(RunSenderTool({"cct", "6500", "--formula"}).strOut, QString("0.312779 0.329184\n"));
    sResult = RunSenderTool({"cct", "25000.5"});
    QCOMPARE(sResult.nExitCode, 2);
    QVERIFY(sResult.strErr.contains("outside 4000 to 25000 K"));
    QCOMPARE(RunSenderTool({"cct", "warm"}).nExitCode, 2);

    QCOMPARE(RunSenderTool({"xy2cct", "0.3127", "0.3290"}).strOut, QString("6500.0\n"));
    QCOMPARE(RunSenderTool({"xy2cct", "0.3127", "0.3290", "--raw"}).strOut, QString("6505.6\n"));
    QCOMPARE(RunSenderTool({"xy2cct", "0.2831", "0.2971"}).strOut, QString("9304.9\n"));
    sResult = RunSenderTool({"xy2cct", "0.4", "0.4"});
    QCOMPARE(sResult.nExitCode, 1);
    QVERIFY(sResult.strOut.isEmpty());
    QVERIFY(sResult.strErr.contains("outside the valid area"));
    sResult = RunSenderTool({"xy2cct", "0.2", "0.15"});
    QCOMPARE(sResult.nExitCode, 1);
    QVERIFY(sResult.strErr.contains("outside 4000 to 25000 K"));
    QCOMPARE(RunSenderTool({"xy2cct", "0.3", "y"}).nExitCode, 2);
    QCOMPARE(RunSenderTool({"xy2cct", "0.3"}).nExitCode, 2);
}

QTEST_APPLESS_MAIN(TestCct)
#include "tst_cct.moc"
