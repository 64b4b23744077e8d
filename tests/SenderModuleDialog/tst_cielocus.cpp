#include "CIE1931Observer.h"
#include "ChromaGamutInterpolation.h"
#include "RunSenderTool.h"

#include <QtTest>

class TestCieLocus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CMatrix<double> matrix(g_nCIE1931ObserverRows, g_nCIE1931ObserverCols);
        FillCIE1931Observer(matrix);
        for (int nRow = 0; nRow < g_nCIE1931ObserverRows; ++nRow) {
            const float fX = float(matrix[nRow][1]), fY = float(matrix[nRow][2]), fZ = float(matrix[nRow][3]);
            m_mapLocus.insert(int(matrix[nRow][0]), QPointF(fX / (fX + fY + fZ), fY / (fX + fY + fZ)));
        }
    }

    void HullAndContainment()
    {
        const QVector<QPointF>& vecHull = m_locus.GetQPointFData();
        QCOMPARE(vecHull.size(), 160);
        const int arrStart[] = {404, 403, 402, 401, 380, 360, 800, 817};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(vecHull[i], m_mapLocus.value(arrStart[i]));
        QCOMPARE(vecHull.last(), m_mapLocus.value(405));
        QCOMPARE(m_locus.GetData().size(), vecHull.size());
        QCOMPARE(m_locus.GetData().last(), CPointEx<float>::FromQPointF(vecHull.last()));
        // Every locus point lies on or inside the hull.
        for (auto it = m_mapLocus.cbegin(); it != m_mapLocus.cend(); ++it)
            QVERIFY2(m_locus.IsPointInCIEPolygon(it.value()), qPrintable(QString::number(it.key())));
        QVERIFY(m_locus.IsPointInCIEPolygon(QPointF(0.3127, 0.3290)));
        QVERIFY(!m_locus.IsPointInCIEPolygon(QPointF(0.1, 0.1)));
        QVERIFY(!m_locus.IsPointInCIEPolygon(QPointF(0.7, 0.2)));
    }

    void ToolCommand()
    {
        if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
            QSKIP("sendertool is not built");
        const QStringList listLines = RunSenderTool({"locus"}).strOut.split('\n', Qt::SkipEmptyParts);
        const QVector<QPointF>& vecHull = m_locus.GetQPointFData();
        QCOMPARE(listLines.size(), vecHull.size());
        for (int i = 0; i < vecHull.size(); ++i) {
            // Nine significant digits bring back the float exactly.
            const QStringList listXY = listLines[i].split(' ');
            QCOMPARE(listXY.size(), 2);
            QVERIFY(
                listXY[0].toFloat() == float(vecHull[i].x()) && listXY[1].toFloat() == float(vecHull[i].y()));
        }
        QCOMPARE(RunSenderTool({"locus", "--contains", "0.3127", "0.3290"}).strOut, QString("inside\n"));
        QCOMPARE(RunSenderTool({"locus", "--contains", "0.7", "0.2"}).strOut, QString("outside\n"));
        QCOMPARE(RunSenderTool({"locus", "--contains", "0.7", "x"}).nExitCode, 2);
    }

private:
    QMap<int, QPointF> m_mapLocus; // wavelength -> chromaticity, in float like the hull
    CChromaGamutInterpolation m_locus;
};

QTEST_APPLESS_MAIN(TestCieLocus)
#include "tst_cielocus.moc"
