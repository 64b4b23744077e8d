#include "CBackgroundImageDlg.h"
#include "CEdidSetDlg.h"
#include "CMessageBoxAnswers.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Largest resident size in kB since the last reset, which clears it.
qint64 PeakKb(bool bReset = false)
{
    QFile file(bReset ? "/proc/self/clear_refs" : "/proc/self/status");
    if (bReset) {
        if (file.open(QIODevice::WriteOnly))
            file.write("5");
        file.close();
        return PeakKb();
    }
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& baLine : file.readAll().split('\n')) {
        if (baLine.startsWith("VmHWM:"))
            return baLine.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
} // namespace

class BenchOutputSettings : public QObject
{
    Q_OBJECT

private slots:
    // Choosing a 16384 x 16384 picture (256 MB decoded) reads its header only:
    // well under a second and under 100 MB each time.
    void choose16384SquarePicture()
    {
        QTemporaryDir dir;
        const QString strPicture = dir.filePath("large.png");
        {
            QImage image(16384, 16384, QImage::Format_Grayscale8); // freed before the peak is reset
            image.fill(0);
            QVERIFY(image.save(strPicture));
        }
        HostFixture::Reset(
            QJsonObject {{"constant", QJsonObject {{"backgroundFolder", dir.filePath("host")}}}});
        QVERIFY(QDir().mkpath(dir.filePath("host")));
        QVERIFY(QFile::copy(strPicture, GetConstantData()->GetSenderBKImgName(0, true)));
        HostFixture::CurrentSender().SetBackground(128, 1, 0);
        CBackgroundImageDlg dlg;
        dlg.SetFileChooser([&](QWidget*, const QString&, const QString&) { return strPicture; });
        dlg.show();
        auto* pChoose = dlg.findChild<QPushButton*>("chooseButton");
        QVERIFY(pChoose && pChoose->isEnabled());

        const qint64 nBaseKb = PeakKb(true);
        qint64 nWorstMs = 0;
        QElapsedTimer timer;
        QBENCHMARK
        {
            timer.start();
            QTest::mouseClick(pChoose, Qt::LeftButton);
            nWorstMs = qMax(nWorstMs, timer.elapsed());
        }
        const qint64 nGrowthKb = PeakKb() - nBaseKb;
        qInfo("worst choice %lld ms, peak growth %lld kB", nWorstMs, nGrowthKb);
        QVERIFY(CMessageBoxAnswers::ShownTexts().isEmpty());
        QVERIFY(nWorstMs < 1000);
        QVERIFY(nBaseKb > 0 && nGrowthKb < 100 * 1024);
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
