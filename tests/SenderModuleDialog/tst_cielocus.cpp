#include "CIE1931Observer.h"
#include "ChromaGamutInterpolation.h"
#include "RunSenderTool.h"

#include <QPolygonF>
#include <QtTest>

class TestCieLocus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void HullStartsAndEndsAtKnownWavelengths();
    void HullEnclosesWholeLocus();
    void Containment();
    void FloatListMatchesHull();
    void ToolCommand();

private:
    // Chromaticity of each wavelength, from the observer table in single precision.
    QMap<int, QPointF> m_mapLocus;
    CChromaGamutInterpolation m_locus;
};

void TestCieLocus::initTestCase()
{
    CMatrix<double> matrix(g_nCIE1931ObserverRows, g_nCIE1931ObserverCols);
    FillCIE1931Observer(matrix);
    QCOMPARE(matrix[0][0], 360.0);
    QCOMPARE(matrix[g_nCIE1931ObserverRows - 1][0], 830.0);
    QCOMPARE(matrix[44][1], 0.020748); // 404 nm
    QCOMPARE(matrix[44][3], 0.0985405);
    QCOMPARE(matrix[0][2], 3.92e-06);
    QCOMPARE(matrix[470][2], 4.52e-07);
    for (int nRow = 0; nRow < g_nCIE1931ObserverRows; ++nRow) {
        const float fX = float(matrix[nRow][1]), fY = float(matrix[nRow][2]), fZ = float(matrix[nRow][3]);
        const float fSum = fX + fY + fZ;
        m_mapLocus.insert(int(matrix[nRow][0]), QPointF(fX / fSum, fY / fSum));
    }
}

void TestCieLocus::HullStartsAndEndsAtKnownWavelengths()
{
    const QVector<QPointF>& vecHull = m_locus.GetQPointFData();
    QCOMPARE(vecHull.size(), 160);
    const int arrStart[] = {404, 403, 402, 401, 380, 360, 800, 817};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(vecHull[i], m_mapLocus.value(arrStart[i]));
    QCOMPARE(vecHull.last(), m_mapLocus.value(405));
    QVERIFY(qAbs(vecHull[0].x() - 0.17310) < 5e-6 && qAbs(vecHull[0].y() - 0.00477) < 5e-6);
    QVERIFY(qAbs(vecHull[6].x() - 0.73571) < 5e-6 && qAbs(vecHull[6].y() - 0.26429) < 5e-6);
}

void TestCieLocus::HullEnclosesWholeLocus()
{
    const QPolygonF hull(m_locus.GetQPointFData());
    for (auto it = m_mapLocus.cbegin(); it != m_mapLocus.cend(); ++it) {
        QVERIFY2(m_locus.IsPointInCIEPolygon(it.value()), qPrintable(QString::number(it.key())));
        // Pull each point a little towards the white point: strictly inside.
        const QPointF ptInner = it.value() + (QPointF(0.33, 0.33) - it.value()) * 1e-3;
        QVERIFY2(hull.containsPoint(ptInner, Qt::OddEvenFill), qPrintable(QString::number(it.key())));
    }
}

void TestCieLocus::Containment()
{
    QVERIFY(m_locus.IsPointInCIEPolygon(QPointF(0.3127, 0.3290)));
    QVERIFY(!m_locus.IsPointInCIEPolygon(QPointF(0.1, 0.1)));
    QVERIFY(!m_locus.IsPointInCIEPolygon(QPointF(0.7, 0.2)));
    QVERIFY(!m_locus.IsPointInCIEPolygon(QPointF(-0.5, 0.5)));

    // Just below the lowest vertex: inside only within the vertex tolerance.
    const QPointF ptLowest = m_locus.GetQPointFData().first();
    QVERIFY(m_locus.IsPointInCIEPolygon(ptLowest));
    QVERIFY(m_locus.IsPointInCIEPolygon(ptLowest - QPointF(0.00005, 0.00005)));
    QVERIFY(!m_locus.IsPointInCIEPolygon(ptLowest - QPointF(0.0, 0.0002)));
}

void TestCieLocus::FloatListMatchesHull()
{
    const QVector<QPointF>& vecHull = m_locus.GetQPointFData();
    m_locus.GetData();
    const QList<CPointEx<float>>& listHull = m_locus.GetData();
    QCOMPARE(listHull.size(), vecHull.size());
    for (int i = 0; i < vecHull.size(); ++i)
        QCOMPARE(listHull[i], CPointEx<float>::FromQPointF(vecHull[i]));
}

void TestCieLocus::ToolCommand()
{
    if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
        QSKIP("sendertool is not built");
    const SToolResult sResult = RunSenderTool({"locus"});
    QCOMPARE(sResult.nExitCode, 0);
    const QStringList listLines = sResult.strOut.split('\n', Qt::SkipEmptyParts);
    const QVector<QPointF>& vecHull = m_locus.GetQPointFData();
    QCOMPARE(listLines.size(), vecHull.size());
    for (int i = 0; i < vecHull.size(); ++i) {
        const QStringList listXY = listLines[i].split(' ');
        QCOMPARE(listXY.size(), 2);
        // Nine significant digits bring back the float exactly.
        QCOMPARE(listXY[0].toFloat(), float(vecHull[i].x()));
        QCOMPARE(listXY[1].toFloat(), float(vecHull[i].y()));
    }
    QCOMPARE(RunSenderTool({"locus", "--contains", "0.3127", "0.3290"}).strOut, QString("inside\n"));
    QCOMPARE(RunSenderTool({"locus", "--contains", "0.7", "0.2"}).strOut, QString("outside\n"));
    QCOMPARE(RunSenderTool({"locus", "--contains", "0.7"}).nExitCode, 2);
    QCOMPARE(RunSenderTool({"locus", "--contains", "0.7", "x"}).nExitCode, 2);
}

QTEST_APPLESS_MAIN(TestCieLocus)
#include "tst_cielocus.moc"
