#include "BackgroundRules.h"
#include "CEdidSetDlg.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QTemporaryDir>
#include <QtTest>

class BenchOutputSettings : public QObject
{
    Q_OBJECT

private slots:
    // Every background change copies the picture; 16 MB is a large one.
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

    // A host that reports 200,000 resolutions; the dialog offers a bounded list.
    void openEdidWith200000Resolutions()
    {
        HostFixture::Reset();
        SVideoInputState& input = HostFixture::Input(16);
        for (int i = 0; i < 200000; ++i)
            input.vecResolutions.append(QSize(640 + i % 4000, 480 + i / 4000));
        QBENCHMARK
        {
            CEdidSetDlg dlg(nullptr, 16, false);
        }
    }
};

QTEST_MAIN(BenchOutputSettings)
#include "bench_outputsettings.moc"
