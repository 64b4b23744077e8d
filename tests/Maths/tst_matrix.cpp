#include "AssertDeath.h"

#include <Maths/Matrix>

#include <QtTest>

class TestMatrix : public QObject
{
    Q_OBJECT

private slots:
    void commaFill()
    {
        CMatrix<double> matrix(2, 3);
        matrix << 1, 2, 3, 4, 5, 6;
        QVERIFY(matrix[0][2] == 3.0 && matrix[1][0] == 4.0 && matrix[1][2] == 6.0);
        matrix << 9, 8; // a new fill starts over at the first cell
        QVERIFY(matrix[0][0] == 9.0 && matrix[0][1] == 8.0 && matrix[0][2] == 3.0);

        // Misuse aborts, naming the expression.
        const QString strEmpty = AbortMessageOf([] { CMatrix<double>() << 1.0; });
        QVERIFY2(strEmpty.startsWith("ASSERT: \"NULL !=m_ppMatrix\" in file ")
                && strEmpty.contains("Maths/Matrix, line "),
            qPrintable(strEmpty));
        const QString strOverrun = AbortMessageOf([] { CMatrix<double>(1, 2) << 1.0, 2.0, 3.0; });
        QVERIFY2(
            strOverrun.startsWith("ASSERT: \"index < m_matrixDim.cy\" in file "), qPrintable(strOverrun));
        QVERIFY(AbortMessageOf([] { CMatrix<double>(1, 2) << 1.0, 2.0; }).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestMatrix)
#include "tst_matrix.moc"
