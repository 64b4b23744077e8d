#include "CCT2ColorCoord.h"
#include "RunSenderTool.h"

#include <QtTest>

class TestCct : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_cct.CalcColorGamut();
        m_cct.ColorCoordTables();
    }

    void TemperatureToChromaticity_data()
    {
        QTest::addColumn<float>("fKelvin");
        QTest::addColumn<bool>("bFormula");
        QTest::addColumn<double>("dX"); // negative: refused
        QTest::addColumn<double>("dY");
        QTest::newRow("D65 substituted") << 6500.0f << false << 0.3127 << 0.3290;
        QTest::newRow("D65 by formula") << 6500.0f << true << 0.312779 << 0.329184;
        QTest::newRow("beside 6500 K") << 6500.001f << false << 0.312779 << 0.3291835;
        QTest::newRow("4000 K") << 4000.0f << false << 0.382344 << 0.383766;
        QTest::newRow("25000 K") << 25000.0f << false << 0.249854 << 0.254799;
        QTest::newRow("below 4000 K") << 3999.999f << false << -1.0 << -1.0;
        QTest::newRow("above 25000 K") << 25000.002f << false << -1.0 << -1.0;
        // The two daylight formulas differ by 4.6e-7 where they meet.
        QTest::newRow("7000 K") << 7000.0f << false << 0.30535697 << 0.0;
        QTest::newRow("below 7000 K") << 6999.999f << false << 0.30535743 << 0.0;
    }

    void TemperatureToChromaticity()
    {
        QFETCH(float, fKelvin);
        QFETCH(bool, bFormula);
        QFETCH(double, dX);
        QFETCH(double, dY);
        QPointF pt(-1, -1);
        QCOMPARE(m_cct.CCTtoColorCoord(fKelvin, &pt, bFormula), dX > 0);
        QVERIFY2(qAbs(pt.x() - dX) < (dY == 0.0 ? 1e-7 : 5e-7), qPrintable(QString::number(pt.x(), 'g', 10)));
        QVERIFY2(dY == 0.0 || qAbs(pt.y() - dY) < 5e-7, qPrintable(QString::number(pt.y(), 'g', 10)));
    }

    void ChromaticityToTemperature_data()
    {
        QTest::addColumn<QPointF>("ptXY");
        QTest::addColumn<bool>("bRaw");
        QTest::addColumn<bool>("bOk");
        QTest::addColumn<float>("fCCT"); // 0: only a lower bound above 25000 K
        QTest::newRow("D65") << QPointF(0.3127, 0.3290) << false << true << 6500.0f;
        QTest::newRow("D50") << QPointF(0.3457, 0.3585) << false << true << 5001.0f;
        QTest::newRow("bluish") << QPointF(0.2831, 0.2971) << false << true << 9304.9f;
        // Rejected before the table is consulted, output untouched; at y = 0.1858
        // the McCamy index is infinite, whatever x.
        QTest::newRow("epicentre") << QPointF(0.332, double(0.1858f)) << false << false << -1.0f;
        QTest::newRow("outside area") << QPointF(0.4, 0.4) << false << false << -1.0f;
        // In the area, but the nearest locus point lies beyond 25000 K.
        QTest::newRow("too blue") << QPointF(0.2, 0.15) << true << false << 0.0f;
    }

    void ChromaticityToTemperature()
    {
        QFETCH(QPointF, ptXY);
        QFETCH(bool, bRaw);
        QFETCH(bool, bOk);
        QFETCH(float, fCCT);
        float fResult = -1.0f;
        QCOMPARE(m_cct.TriangAlgCalcRelativeCCT(ptXY, &fResult, bRaw), bOk);
        QVERIFY2(fCCT == 0.0f ? fResult > 25000.0f : qAbs(fResult - fCCT) < 0.05f,
            qPrintable(QString::number(fResult)));
    }

    void ToolCommands_data()
    {
        QTest::addColumn<QStringList>("listArgs");
        QTest::addColumn<int>("nExitCode");
        QTest::addColumn<QString>("strOutput"); // stdout, or a part of stderr on failure
        QTest::newRow("cct D65") << QStringList {"cct", "6500"} << 0 << "0.312700 0.329000\n";
        // The last printed digit of these depends on the float rounding of x or y.
        QTest::newRow("cct 4030") << QStringList {"cct", "4030"} << 0 << "0.381003 0.382989\n";
        QTest::newRow("cct 7349") << QStringList {"cct", "7349"} << 0 << "0.300874 0.316932\n";
        QTest::newRow("cct 13965") << QStringList {"cct", "13965", "--formula"} << 0 << "0.263777 0.273304\n";
        QTest::newRow("cct range") << QStringList {"cct", "25000.5"} << 2 << "outside 4000 to 25000 K";
        QTest::newRow("xy2cct raw") << QStringList {"xy2cct", "0.3127", "0.3290", "--raw"} << 0 << "6505.6\n";
        // Near the middle of two records, where the table's last bits pick the pair.
        QTest::newRow("xy2cct 23175 K") << QStringList {"xy2cct", "0.2513", "0.2563"} << 0 << "23175.0\n";
        QTest::newRow("xy2cct area") << QStringList {"xy2cct", "0.4", "0.4"} << 1 << "outside the valid area";
        QTest::newRow("xy range") << QStringList {"xy2cct", "0.2", "0.15"} << 1 << "outside 4000 to 25000 K";
        QTest::newRow("xy2cct text") << QStringList {"xy2cct", "0.3", "y"} << 2 << "";
    }

    void ToolCommands()
    {
        if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
            QSKIP("sendertool is not built");
        QFETCH(QStringList, listArgs);
        QFETCH(int, nExitCode);
        QFETCH(QString, strOutput);
        const SToolResult sResult = RunSenderTool(listArgs);
        QCOMPARE(sResult.nExitCode, nExitCode);
        QVERIFY2(nExitCode == 0 ? sResult.strOut == strOutput
                                : sResult.strOut.isEmpty() && sResult.strErr.contains(strOutput),
            qPrintable(sResult.strOut + sResult.strErr));
    }

private:
    CCCT2ColorCoord m_cct;
};

QTEST_APPLESS_MAIN(TestCct)
#include "tst_cct.moc"
