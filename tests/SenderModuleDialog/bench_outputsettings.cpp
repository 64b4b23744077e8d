#include "BackgroundRules.h"
#include "CanvasRules.h"

#include <QTemporaryDir>
#include <QtTest>

// The canvas check runs on every keystroke, the picture copy on every background change.
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

    void replace16MBPicture()
    {
        QTemporaryDir dir;
        QFile source(dir.filePath("source.png"));
        QVERIFY(source.open(QIODevice::WriteOnly) && source.write(QByteArray(16 << 20, 'p')) == (16 << 20));
        source.close();
        QBENCHMARK
        {
            QVERIFY(BackgroundRules::ReplaceFile(source.fileName(), dir.filePath("target.png")));
        }
        QCOMPARE(QFileInfo(dir.filePath("target.png")).size(), qint64(16 << 20));
    }
};

QTEST_MAIN(BenchOutputSettings)
#include "bench_outputsettings.moc"
