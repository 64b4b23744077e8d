#include "AssertDeath.h"

#include <Maths/Matrix>

#include <QtTest>

class TestMatrix : public QObject
{
    Q_OBJECT

private slots:
    void CommaFillIsRowMajor();
    void CreateOnlyOnce();
    void AssertionsNameTheExpression();
};

void TestMatrix::CommaFillIsRowMajor()
{
    CMatrix<double> matrix(2, 3);
    QCOMPARE(matrix[1][2], 0.0);
    matrix << 1, 2, 3, 4, 5, 6;
    QCOMPARE(matrix[0][0], 1.0);
    QCOMPARE(matrix[0][2], 3.0);
    QCOMPARE(matrix[1][0], 4.0);
    QCOMPARE(matrix[1][2], 6.0);
    // A new fill starts over at the first cell.
    matrix << 9, 8;
    QCOMPARE(matrix[0][0], 9.0);
    QCOMPARE(matrix[0][1], 8.0);
    QCOMPARE(matrix[0][2], 3.0);
}

void TestMatrix::CreateOnlyOnce()
{
    CMatrix<int> matrix;
    QVERIFY(!matrix.IsCreated());
    QVERIFY(!matrix.Create(0, 4));
    QVERIFY(matrix.Create(3, 4));
    QVERIFY(!matrix.Create(5, 5));
    QCOMPARE(matrix.Rows(), 3);
    QCOMPARE(matrix.Cols(), 4);
}

void TestMatrix::AssertionsNameTheExpression()
{
    const QString strEmpty = AbortMessageOf([] {
        CMatrix<double> matrix;
        matrix << 1.0;
    });
    QVERIFY2(strEmpty.startsWith("ASSERT: \"NULL !=m_ppMatrix\" in file "), qPrintable(strEmpty));
    QVERIFY2(strEmpty.contains("Maths/Matrix, line "), qPrintable(strEmpty));

    const QString strOverrun = AbortMessageOf([] {
        CMatrix<double> matrix(1, 2);
        matrix << 1.0, 2.0, 3.0;
    });
    QVERIFY2(strOverrun.startsWith("ASSERT: \"index < m_matrixDim.cy\" in file "), qPrintable(strOverrun));

    QVERIFY(AbortMessageOf([] {
        CMatrix<double> matrix(1, 2);
        matrix << 1.0, 2.0;
    }).isEmpty());
}

QTEST_APPLESS_MAIN(TestMatrix)
#include "tst_matrix.moc"
