#include "../limits/FileSizeLimit.h"
#include "BackgroundRules.h"
#include "CBackgroundImageDlg.h"
#include "DialogDriver.h"

#include "CCustomComboBox.h"
#include "CCustomSwitchButton.h"
#include "CMessageBoxAnswers.h"
#include "KivoData.h"

#include <QDoubleSpinBox>
#include <QImage>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <utility>

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

// A real PNG; noise keeps it from compressing below nSide * nSide * 3 bytes.
QByteArray Picture(int nSide, bool bNoise = false)
{
    QImage image(nSide, nSide, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    for (int y = 0; bNoise && y < nSide; ++y)
        for (int x = 0; x < nSide; ++x)
            image.setPixel(x, y, QRandomGenerator::global()->generate());
    QByteArray baPng;
    QBuffer buffer(&baPng);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return baPng;
}

QStringList FilesIn(const QString& strFolder)
{
    return QDir(strFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
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

    void SetFields(quint8 ucOpacity, quint8 ucEnabled, quint8 ucStretched)
    {
        HostFixture::CurrentSender().SetBackground(ucOpacity, ucEnabled, ucStretched);
        HostFixture::ClearLog();
    }
    void ChooseFile(CBackgroundImageDlg& dlg, const QString& strPath)
    {
        dlg.SetFileChooser([this, strPath](QWidget*, const QString&, const QString&) {
            ++m_nChooserCalls;
            return strPath;
        });
        QTest::mouseClick(dlg.findChild<QPushButton*>("chooseButton"), Qt::LeftButton);
    }
    static CCustomSwitchButton* Switch(QWidget& dlg) { return dlg.findChild<CCustomSwitchButton*>(); }
    static QDoubleSpinBox* Box(QWidget& dlg) { return dlg.findChild<QDoubleSpinBox*>(); }
    static void ExpectCalls(const QString& strBackground, int nEvent)
    {
        QStringList listCalls {QString("ILedTesselLabel::Notify(%1, 1, 0, 0)").arg(nEvent)};
        if (!strBackground.isEmpty())
            listCalls.prepend("CSender::SetBackground(" + strBackground + ")");
        QCOMPARE(HostFixture::Calls(), listCalls);
        HostFixture::ClearLog();
    }
    static QString Fields(int nSender)
    {
        const SSenderBackground& bg = GetProjectData()->GetSender(nSender)->GetBackground();
        return QString("%1, %2, %3").arg(bg.ucOpacity).arg(bg.ucEnabled).arg(bg.ucStretched);
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

    void transparencyAndOpacity()
    {
        QCOMPARE(BackgroundRules::TransparencyFromOpacity(254), 0); // nearest, not truncated
        for (int nPercent = 0; nPercent <= 100; ++nPercent)
            QCOMPARE(
                BackgroundRules::TransparencyFromOpacity(BackgroundRules::OpacityFromTransparency(nPercent)),
                nPercent);
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

        // A full disk: below the write buffer the error only shows when flushing.
        for (int nSize : {6000, 200000}) {
            const QString strSource = m_pDir->filePath("source.png");
            QVERIFY(Write(strSource, QByteArray(nSize, 'n')));
            CFileSizeLimit limit(4096);
            SKIP_UNLESS_LIMITED(limit);
            QVERIFY(!BackgroundRules::ReplaceFile(strSource, strTarget));
            QCOMPARE(ReadAll(strTarget), QByteArray("previous picture"));
            QCOMPARE(FilesIn(m_pDir->path()), QStringList({"source.png", "target.png"}));
        }
    }

    void linkedTargetIsReplacedNotWrittenThrough()
    {
        const QString strOutside = m_pDir->filePath("outside.png");
        QVERIFY(Write(strOutside, "not ours"));
        QVERIFY(QDir().mkpath(QFileInfo(m_strTarget).path()));
        QVERIFY(QFile::link(strOutside, m_strTarget));
        SetFields(100, 1, 0);
        CBackgroundImageDlg dlg;
        ChooseFile(dlg, m_strChosen);
        QCOMPARE(m_nChooserCalls, 1);
        QCOMPARE(ReadAll(strOutside), QByteArray("not ours"));
        QVERIFY(!QFileInfo(m_strTarget).isSymLink());
        QCOMPARE(ReadAll(m_strTarget), Picture(8));
    }

    void deletedPictureOpensOffUntilOneIsChosen()
    {
        SetFields(200, 1, 0);
        CBackgroundImageDlg dlg;
        QVERIFY(!Switch(dlg)->isOpen());
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        QVERIFY(Switch(dlg)->isOpen() && dlg.findChild<QSlider*>()->isEnabled());
        ExpectCalls(QString(), 0x24000); // no picture: the record stays, the host still hears
        ChooseFile(dlg, QString()); // cancelled
        QCOMPARE(HostFixture::Calls(), QStringList());
        ChooseFile(dlg, m_strChosen);
        QCOMPARE(ReadAll(m_strTarget), Picture(8));
        QCOMPARE(ReadAll(m_strChosen), Picture(8));
        ExpectCalls("200, 1, 0", 0x24000);
    }

    void notAPictureIsRefusedTheTargetNotCopied()
    {
        QVERIFY(Write(m_strTarget, Picture(4)));
        const QDateTime timeBefore = QFileInfo(m_strTarget).lastModified();
        SetFields(100, 1, 1);
        CBackgroundImageDlg dlg;
        const QString strText = m_pDir->filePath("notes.png");
        const QString strEmpty = m_pDir->filePath("empty.png");
        QVERIFY(Write(strText, "just text") && Write(strEmpty, QByteArray()));
        for (const QString& strChosen : {strText, strEmpty}) {
            CMessageBoxAnswers::ClearShown();
            ChooseFile(dlg, strChosen);
            QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"所选文件不是可以读取的图片。"});
            QCOMPARE(HostFixture::Calls(), QStringList());
            QCOMPARE(ReadAll(m_strTarget), Picture(4));
        }
        QVERIFY(Switch(dlg)->isOpen());
        QCOMPARE(Fields(0), QString("100, 1, 1"));
        QTest::qWait(20); // so a rewrite would show in the time stamp
        ChooseFile(dlg, m_strTarget);
        QCOMPARE(QFileInfo(m_strTarget).lastModified(), timeBefore);
        ExpectCalls("100, 1, 1", 0x24000);
    }

    void failedCopyShowsWhatTheHostHolds()
    {
        QVERIFY(Write(m_strTarget, Picture(4)));
        SetFields(170, 1, 1);
        const QString strLarge = m_pDir->filePath("large.png");
        QVERIFY(Write(strLarge, Picture(128, true)));
        CBackgroundImageDlg dlg;
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
        // Switched on again, the old picture shows with what the dialog now shows.
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        ExpectCalls("0, 1, 0", 0x24000);
    }

    void eachEditWritesOnce()
    {
        QVERIFY(Write(m_strTarget, Picture(4)));
        SetFields(170, 1, 1);
        CBackgroundImageDlg dlg;
        dlg.show();
        QVERIFY(Switch(dlg)->isOpen());
        QCOMPARE(Box(dlg)->text(), QString("33%"));
        QCOMPARE(dlg.findChild<CCustomComboBox*>()->text(), QString("拉伸"));
        QCOMPARE(HostFixture::Calls(), QStringList());
        dlg.findChild<QSlider*>()->setValue(50); // through the box, but written once
        QCOMPARE(Box(dlg)->value(), 50.0);
        ExpectCalls("127, 1, 1", 0x4000);
        // Return in the box writes once and chooses no picture.
        DialogDriver::TypeInto(Box(dlg), "33");
        QTest::keyClick(Box(dlg)->findChild<QLineEdit*>(), Qt::Key_Return);
        QCOMPARE(dlg.findChild<QSlider*>()->value(), 33);
        ExpectCalls("170, 1, 1", 0x4000);
        QCOMPARE(m_nChooserCalls, 0);
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.findChild<CCustomComboBox*>()->ActivateIndex(0));
        ExpectCalls("170, 1, 0", 0x4000);
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        ExpectCalls("170, 0, 0", 0x24000);
        // Escape closes and writes nothing more.
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    void otherSenderOrNone()
    {
        GetProjectData()->SetCurSenderIndex(1);
        SetFields(90, 0, 0);
        {
            CBackgroundImageDlg dlg;
            QTest::keyClick(Switch(dlg), Qt::Key_Space);
            ChooseFile(dlg, m_strChosen);
        }
        QCOMPARE(ReadAll(GetConstantData()->GetSenderBKImgName(1, true)), Picture(8));
        QVERIFY(!QFileInfo::exists(m_strTarget));
        QCOMPARE(Fields(1), QString("90, 1, 0"));
        QCOMPARE(Fields(0), QString("255, 0, 0")); // untouched

        GetProjectData()->SetCurSenderIndex(7);
        HostFixture::ClearLog();
        CBackgroundImageDlg dlg;
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"当前没有可设置的主控。"});
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        ChooseFile(dlg, m_strChosen);
        dlg.ActionSlots(CBackgroundImageDlg::ActionSwitch);
        dlg.RefreshView(true);
        QCOMPARE(HostFixture::Calls(), QStringList());
        QCOMPARE(m_nChooserCalls, 1); // only the first dialog asked
    }
};

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
