#include "BackgroundRules.h"

#include <QTemporaryDir>
#include <QtTest>

// Every background change copies the picture; 16 MB is a large one.
class BenchOutputSettings : public QObject
{
    Q_OBJECT

private slots:
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
