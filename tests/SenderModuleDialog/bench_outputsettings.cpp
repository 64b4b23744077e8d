#include "BackgroundRules.h"
#include "CanvasRules.h"
#include "DepthRateRules.h"

#include <QTemporaryDir>
#include <QtTest>

// Validation runs on every keystroke and slider step; the picture copy on
// every background change.
class BenchOutputSettings : public QObject
{
    Q_OBJECT

private slots:
    void canvasCheck()
    {
        const SCanvasLimits limits {8192, 4096, 16777216};
        int nErrors = 0;
        QBENCHMARK
        {
            for (int nWidth = 32; nWidth <= 40000; nWidth += 397)
                nErrors += CanvasRules::Check(nWidth, 2160, &limits).strError.isEmpty() ? 0 : 1;
        }
        QVERIFY(nErrors > 0);
    }

    void outputLimitMessage()
    {
        int nLength = 0;
        QBENCHMARK
        {
            for (int nBit = 0; nBit < 32; ++nBit)
                nLength += DepthRateRules::OutputLimitMessage(1u << nBit, 24, QString()).size();
        }
        QVERIFY(nLength > 0);
    }

    void replacePicture_data()
    {
        QTest::addColumn<int>("nBytes");
        QTest::newRow("1 MB") << (1 << 20);
        QTest::newRow("16 MB") << (16 << 20);
    }
    void replacePicture()
    {
        QFETCH(int, nBytes);
        QTemporaryDir dir;
        const QString strSource = dir.filePath("source.png");
        const QString strTarget = dir.filePath("target.png");
        QFile source(strSource);
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(QByteArray(nBytes, 'p'));
        source.close();
        QBENCHMARK
        {
            QVERIFY(BackgroundRules::ReplaceFile(strSource, strTarget));
        }
        QCOMPARE(QFileInfo(strTarget).size(), qint64(nBytes));
    }
};

QTEST_MAIN(BenchOutputSettings)
#include "bench_outputsettings.moc"
