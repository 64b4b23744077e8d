#include "BackgroundRules.h"
#include "CBackgroundImageDlg.h"
#include "CEdidSetDlg.h"
#include "CMessageBoxAnswers.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

namespace {
void WriteChunk(QFile& file, const QByteArray& baType, const QByteArray& baData)
{
    char szLength[4];
    qToBigEndian<quint32>(quint32(baData.size()), szLength);
    const QByteArray baChunk = baType + baData;
    char szCrc[4];
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef*>(baChunk.constData()), uInt(baChunk.size()))), szCrc);
    file.write(szLength, 4);
    file.write(baChunk);
    file.write(szCrc, 4);
}

// A square 8 bit grey PNG, compressed row by row so that making it never
// holds the picture: decoded it would take nSide * nSide bytes.
bool WriteGreyPng(const QString& strPath, int nSide)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("\x89PNG\r\n\x1a\n", 8);
    QByteArray baHeader(13, '\0');
    qToBigEndian<quint32>(quint32(nSide), baHeader.data());
    qToBigEndian<quint32>(quint32(nSide), baHeader.data() + 4);
    baHeader[8] = 8;
    WriteChunk(file, "IHDR", baHeader);

    z_stream stream {};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return false;
    QByteArray baRow(nSide + 1, '\0'); // filter byte, then black pixels
    QByteArray baData;
    char buffer[64 * 1024];
    for (int nRow = 0; nRow <= nSide; ++nRow) {
        const bool bLast = nRow == nSide;
        stream.next_in = reinterpret_cast<Bytef*>(baRow.data());
        stream.avail_in = bLast ? 0 : uInt(baRow.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof(buffer);
            deflate(&stream, bLast ? Z_FINISH : Z_NO_FLUSH);
            baData.append(buffer, int(sizeof(buffer) - stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    WriteChunk(file, "IDAT", baData);
    WriteChunk(file, "IEND", QByteArray());
    return file.flush();
}

// Largest resident size in kB since the last ResetPeakKb().
qint64 PeakKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& baLine : status.readAll().split('\n')) {
        if (baLine.startsWith("VmHWM:"))
            return baLine.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

qint64 ResetPeakKb()
{
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    return PeakKb();
}
} // namespace

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

    // Choosing a 16384 x 16384 picture (256 MB decoded) reads its header only:
    // well under a second and under 100 MB each time.
    void choose16384SquarePicture()
    {
        QTemporaryDir dir;
        const QString strPicture = dir.filePath("large.png");
        QVERIFY(WriteGreyPng(strPicture, 16384));
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

        const qint64 nBaseKb = ResetPeakKb();
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
