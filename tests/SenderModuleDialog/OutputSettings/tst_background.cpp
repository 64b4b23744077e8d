#include "BackgroundRules.h"
#include "CBackgroundImageDlg.h"
#include "DialogDriver.h"
#include "FileSizeLimit.h"

#include "CCustomComboBox.h"
#include "CCustomSwitchButton.h"
#include "CMessageBoxAnswers.h"
#include "KivoData.h"

#include <QDoubleSpinBox>
#include <QImage>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <utility>

#include <sys/stat.h>

namespace {
// Delivers one byte, then fails, as a source on a dying disk would.
struct SFailingDevice : QIODevice
{
    qint64 readData(char* pData, qint64) override
    {
        *pData = 'p';
        return std::exchange(m_bDelivered, true) ? -1 : 1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool m_bDelivered = false;
};

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& strPath, const QByteArray& baData)
{
    QFile file(strPath);
    return QDir().mkpath(QFileInfo(strPath).path()) && file.open(QIODevice::WriteOnly)
        && file.write(baData) == baData.size();
}

// A picture file; BMP keeps its size at nSide * nSide * 3 bytes and more.
QByteArray Picture(int nSide, const char* pszFormat = "PNG")
{
    QImage image(nSide, nSide, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    QByteArray baData;
    QBuffer buffer(&baData);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, pszFormat);
    return baData;
}

// A PNG that ends after its header: its size is readable, its pixels are not.
QByteArray PngHeader(quint32 uWidth, quint32 uHeight)
{
    auto chunk = [](const QByteArray& baType, const QByteArray& baData) {
        QByteArray baChunk = baType + baData;
        quint32 uCrc = 0xFFFFFFFFu;
        for (char c : baChunk) {
            uCrc ^= quint8(c);
            for (int i = 0; i < 8; ++i)
                uCrc = (uCrc >> 1) ^ (0xEDB88320u & (0u - (uCrc & 1u)));
        }
        QByteArray baOut(4, '\0');
        qToBigEndian<quint32>(quint32(baData.size()), baOut.data());
        QByteArray baCrc(4, '\0');
        qToBigEndian<quint32>(~uCrc, baCrc.data());
        return baOut + baChunk + baCrc;
    };
    QByteArray baHeader(13, '\0');
    qToBigEndian<quint32>(uWidth, baHeader.data());
    qToBigEndian<quint32>(uHeight, baHeader.data() + 4);
    baHeader[8] = 8; // 8 bit grey
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", baHeader) + chunk("IDAT", QByteArray())
        + chunk("IEND", QByteArray());
}

QStringList FilesIn(const QString& strFolder)
{
    return QDir(strFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// One background write (none when empty), then the label's event.
void ExpectCalls(const QString& strBackground, int nEvent)
{
    QStringList listCalls {QString("ILedTesselLabel::Notify(%1, 1, 0, 0)").arg(nEvent)};
    if (!strBackground.isEmpty())
        listCalls.prepend("CSender::SetBackground(" + strBackground + ")");
    QCOMPARE(HostFixture::Calls(), listCalls);
    HostFixture::ClearLog();
}
} // namespace

class TestBackground : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_pDir;
    QString m_strTarget; // the current sender's picture, in a host folder the dialog has to create
    QString m_strChosen; // a picture the user may pick
    int m_nChooserCalls = 0;

    static CCustomSwitchButton* Switch(QWidget& dlg) { return dlg.findChild<CCustomSwitchButton*>(); }
    static QDoubleSpinBox* Box(QWidget& dlg) { return dlg.findChild<QDoubleSpinBox*>(); }

    void ChooseFile(CBackgroundImageDlg& dlg, const QString& strPath)
    {
        dlg.SetFileChooser([this, strPath](QWidget*, const QString&, const QString&) {
            ++m_nChooserCalls;
            return strPath;
        });
        QTest::mouseClick(dlg.findChild<QPushButton*>("chooseButton"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_pDir.reset(new QTemporaryDir);
        const QString strFolder = m_pDir->filePath("host/backgrounds");
        HostFixture::Reset(QJsonObject {{"constant", QJsonObject {{"backgroundFolder", strFolder}}}});
        m_strTarget = GetConstantData()->GetSenderBKImgName(0, true);
        m_nChooserCalls = 0;
        m_strChosen = m_pDir->filePath("pick/chosen.png");
        QVERIFY(Write(m_strChosen, Picture(8)));
    }

    // Only a plain file's header is read: a FIFO or a directory is refused at
    // once, a picture larger than any canvas with a message naming the limit.
    void picturesJudgedByHeader()
    {
        const QString strFifo = m_pDir->filePath("pick/fifo.png");
        const QString strFolder = m_pDir->filePath("pick/folder.png");
        QVERIFY(::mkfifo(QFile::encodeName(strFifo).constData(), 0600) == 0 && QDir().mkpath(strFolder));
        QCOMPARE(BackgroundRules::CheckPicture("/dev/zero"), BackgroundRules::PictureUnreadable);
        QVERIFY(Write(m_strTarget, Picture(4)));
        HostFixture::CurrentSender().SetBackground(0, 1, 0); // switched on: pictures may be chosen
        CBackgroundImageDlg dlg;
        dlg.show();
        QCOMPARE(Box(dlg)->text(), QString("100%")); // fully transparent
        HostFixture::ClearLog();
        const QString strLarge = "图片不能大于32768×16384像素。";
        const std::pair<QString, QString> arrCases[] = {{strFifo, "所选文件不是可以读取的图片。"},
            {strFolder, "所选文件不是可以读取的图片。"}, {"empty.png", "所选文件不是可以读取的图片。"},
            {"wide.png", strLarge}, {"tall.png", strLarge}, {"largest.png", QString()}};
        QVERIFY(Write(m_pDir->filePath("empty.png"), PngHeader(0, 5)) // a PNG signature, no size
            && Write(m_pDir->filePath("wide.png"), PngHeader(32769, 1))
            && Write(m_pDir->filePath("tall.png"), PngHeader(1, 16385))
            && Write(m_pDir->filePath("largest.png"), PngHeader(32768, 16384)));
        for (const auto& c : arrCases) {
            CMessageBoxAnswers::ClearShown();
            ChooseFile(dlg, QFileInfo(c.first).isAbsolute() ? c.first : m_pDir->filePath(c.first));
            QCOMPARE(CMessageBoxAnswers::ShownTexts(),
                c.second.isEmpty() ? QStringList() : QStringList {c.second});
            QCOMPARE(HostFixture::Calls().isEmpty(), !c.second.isEmpty());
        }
        QCOMPARE(ReadAll(m_strTarget), PngHeader(32768, 16384));
    }

    void failedReplacementKeepsTarget()
    {
        const QString strTarget = m_pDir->filePath("target.png");
        QVERIFY(Write(strTarget, "previous picture"));
        SFailingDevice failing;
        failing.open(QIODevice::ReadOnly);
        QVERIFY(!BackgroundRules::ReplaceFile(failing, strTarget));
        QCOMPARE(ReadAll(strTarget), QByteArray("previous picture"));
        QCOMPARE(FilesIn(m_pDir->path()), QStringList {"target.png"}); // no temporary left

        // A full disk below the write buffer only shows when flushing.
        const QString strSource = m_pDir->filePath("source.png");
        QVERIFY(Write(strSource, QByteArray(6000, 'n')));
        CFileSizeLimit limit(4096);
        SKIP_UNLESS_LIMITED(limit);
        QVERIFY(!BackgroundRules::ReplaceFile(strSource, strTarget));
        QCOMPARE(ReadAll(strTarget), QByteArray("previous picture"));
        QCOMPARE(FilesIn(m_pDir->path()), QStringList({"source.png", "target.png"}));
    }

    // Each edit writes once; refused files, the sender's own picture chosen again
    // and a copy that fails keep the old picture.
    void editsAndChoices()
    {
        QVERIFY(Write(m_strTarget, Picture(4)));
        const QDateTime timeBefore = QFileInfo(m_strTarget).lastModified();
        HostFixture::CurrentSender().SetBackground(170, 1, 1);
        HostFixture::ClearLog();
        const QString strText = m_pDir->filePath("notes.png");
        const QString strEmpty = m_pDir->filePath("empty.png");
        const QString strLarge = m_pDir->filePath("large.png");
        QVERIFY(Write(strText, "just text") && Write(strEmpty, QByteArray())
            && Write(strLarge, Picture(128, "BMP")));
        CBackgroundImageDlg dlg;
        dlg.show();
        QCOMPARE(Box(dlg)->text(), QString("33%"));
        QCOMPARE(dlg.findChild<CCustomComboBox*>()->text(), QString("拉伸"));
        dlg.findChild<QSlider*>()->setValue(50); // through the box, but written once
        QCOMPARE(Box(dlg)->value(), 50.0);
        ExpectCalls("127, 1, 1", 0x4000);
        // Return in the box writes once and chooses no picture.
        DialogDriver::TypeInto(Box(dlg), "33");
        QTest::keyClick(Box(dlg)->findChild<QLineEdit*>(), Qt::Key_Return);
        QCOMPARE(dlg.findChild<QSlider*>()->value(), 33);
        ExpectCalls("170, 1, 1", 0x4000);
        QVERIFY(m_nChooserCalls == 0 && dlg.isVisible());
        QVERIFY(dlg.findChild<CCustomComboBox*>()->ActivateIndex(0));
        ExpectCalls("170, 1, 0", 0x4000);

        for (const QString& strChosen : {strText, strEmpty}) {
            CMessageBoxAnswers::ClearShown();
            ChooseFile(dlg, strChosen);
            QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"所选文件不是可以读取的图片。"});
            QCOMPARE(HostFixture::Calls(), QStringList());
        }
        QTest::qWait(20); // so a rewrite would show in the time stamp
        ChooseFile(dlg, m_strTarget);
        QCOMPARE(QFileInfo(m_strTarget).lastModified(), timeBefore);
        ExpectCalls("170, 1, 0", 0x24000);

        CMessageBoxAnswers::ClearShown();
        {
            CFileSizeLimit limit(16 * 1024);
            SKIP_UNLESS_LIMITED(limit);
            ChooseFile(dlg, strLarge);
        }
        ExpectCalls("0, 0, 0", 0x24000);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"背景图片保存失败，已关闭背景。"});
        QCOMPARE(ReadAll(m_strTarget), Picture(4));
        QCOMPARE(FilesIn(QFileInfo(m_strTarget).path()).size(), 1);
        QVERIFY(!Switch(dlg)->isOpen() && !dlg.findChild<QSlider*>()->isEnabled());
        QCOMPARE(Box(dlg)->text(), QString("100%"));
        QCOMPARE(dlg.findChild<CCustomComboBox*>()->text(), QString("1:1"));
        // Switched on and off again, the old picture shows with what the dialog now shows.
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        ExpectCalls("0, 1, 0", 0x24000);
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        ExpectCalls("0, 0, 0", 0x24000);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    // Sender 1's picture is gone, its name left as a dangling link out of the folder.
    void otherSenderOrNone()
    {
        GetProjectData()->SetCurSenderIndex(1);
        HostFixture::CurrentSender().SetBackground(90, 1, 0);
        HostFixture::ClearLog();
        const QString strTarget1 = GetConstantData()->GetSenderBKImgName(1, true);
        const QString strOutside = m_pDir->filePath("outside.png");
        QVERIFY(Write(m_strTarget, Picture(4)) && QFile::link(strOutside, strTarget1)); // sender 0 has one
        {
            CBackgroundImageDlg dlg;
            QVERIFY(!Switch(dlg)->isOpen());
            QTest::keyClick(Switch(dlg), Qt::Key_Space);
            QVERIFY(Switch(dlg)->isOpen() && dlg.findChild<QSlider*>()->isEnabled());
            ExpectCalls(QString(), 0x24000); // no picture: the record stays, the host still hears
            ChooseFile(dlg, QString()); // cancelled
            QCOMPARE(HostFixture::Calls(), QStringList());
            ChooseFile(dlg, m_strChosen);
            ExpectCalls("90, 1, 0", 0x24000);
        }
        QVERIFY(!QFileInfo(strTarget1).isSymLink() && !QFileInfo::exists(strOutside));
        QVERIFY(ReadAll(strTarget1) == Picture(8) && ReadAll(m_strChosen) == Picture(8)
            && ReadAll(m_strTarget) == Picture(4));
        const SSenderBackground& background0 = GetProjectData()->GetSender(0)->GetBackground();
        QVERIFY(background0.ucOpacity == 255 && background0.ucEnabled == 0); // untouched

        GetProjectData()->SetCurSenderIndex(7);
        CBackgroundImageDlg dlg;
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"当前没有可设置的主控。"});
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        ChooseFile(dlg, m_strChosen);
        dlg.ActionSlots(CBackgroundImageDlg::ActionSwitch);
        dlg.RefreshView(true);
        QCOMPARE(HostFixture::Calls(), QStringList());
        QCOMPARE(m_nChooserCalls, 2); // only the first dialog asked
    }
};

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
