#include "BackgroundRules.h"
#include "CBackgroundImageDlg.h"
#include "HostFixture.h"

#include "CCustomComboBox.h"
#include "CCustomSwitchButton.h"
#include "KivoData.h"

#include <QDoubleSpinBox>
#include <QJsonObject>
#include <QPushButton>
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
        && file.write(baData) > 0;
}
} // namespace

class TestBackground : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_pDir;
    QString m_strTarget; // the current sender's picture, in a host folder the dialog has to create

    void SetFields(quint8 ucOpacity, quint8 ucEnabled, quint8 ucStretched)
    {
        HostFixture::CurrentSender().SetBackground(ucOpacity, ucEnabled, ucStretched);
        HostFixture::ClearLog();
    }
    static void ChooseFile(CBackgroundImageDlg& dlg, const QString& strPath)
    {
        dlg.SetFileChooser([strPath](QWidget*, const QString&, const QString&) { return strPath; });
        dlg.findChild<QPushButton*>("chooseButton")->click();
    }
    static CCustomSwitchButton* Switch(QWidget& dlg) { return dlg.findChild<CCustomSwitchButton*>(); }
    static void ExpectCalls(const QString& strBackground, int nEvent)
    {
        QStringList listCalls {QString("ILedTesselLabel::Notify(%1, 1, 0, 0)").arg(nEvent)};
        if (!strBackground.isEmpty())
            listCalls.prepend("CSender::SetBackground(" + strBackground + ")");
        QCOMPARE(HostFixture::Calls(), listCalls);
        HostFixture::ClearLog();
    }

private slots:
    void init()
    {
        m_pDir.reset(new QTemporaryDir);
        const QString strFolder = m_pDir->filePath("host/backgrounds");
        HostFixture::Reset(QJsonObject {{"constant", QJsonObject {{"backgroundFolder", strFolder}}}});
        m_strTarget = GetConstantData()->GetSenderBKImgName(0, true);
    }

    void transparencyAndOpacity()
    {
        QCOMPARE(BackgroundRules::TransparencyFromOpacity(254), 0); // nearest, not truncated
        for (int nPercent = 0; nPercent <= 100; ++nPercent)
            QCOMPARE(
                BackgroundRules::TransparencyFromOpacity(BackgroundRules::OpacityFromTransparency(nPercent)),
                nPercent);
    }

    void interruptedCopyKeepsTarget()
    {
        const QString strTarget = m_pDir->filePath("target.png");
        QVERIFY(Write(strTarget, "previous picture"));
        SFailingDevice failing;
        failing.open(QIODevice::ReadOnly);
        QVERIFY(!BackgroundRules::ReplaceFile(failing, strTarget));
        QCOMPARE(ReadAll(strTarget), QByteArray("previous picture"));
        QCOMPARE(QDir(m_pDir->path()).entryList(QDir::Files | QDir::Hidden),
            QStringList {"target.png"}); // no temporary left
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
        const QString strSource = m_pDir->filePath("chosen.png");
        QVERIFY(Write(strSource, "new picture"));
        ChooseFile(dlg, strSource);
        QCOMPARE(ReadAll(m_strTarget), QByteArray("new picture"));
        QCOMPARE(ReadAll(strSource), QByteArray("new picture"));
        ExpectCalls("200, 1, 0", 0x24000);
    }

    void choosingTheTargetOrAFailedCopyKeepsThePicture()
    {
        QVERIFY(Write(m_strTarget, "own picture"));
        const QDateTime timeBefore = QFileInfo(m_strTarget).lastModified();
        SetFields(100, 1, 1);
        CBackgroundImageDlg dlg;
        QTest::qWait(20); // so a rewrite would show in the time stamp
        ChooseFile(dlg, m_strTarget); // neither removed nor copied, and the fields written
        QCOMPARE(QFileInfo(m_strTarget).lastModified(), timeBefore);
        ExpectCalls("100, 1, 1", 0x24000);
        const QString strUnreadable = m_pDir->filePath("folder.png"); // exists, but cannot be copied
        QVERIFY(QDir().mkpath(strUnreadable));
        ChooseFile(dlg, strUnreadable);
        ExpectCalls("0, 0, 0", 0x24000);
        QCOMPARE(ReadAll(m_strTarget), QByteArray("own picture"));
        QCOMPARE(QFileInfo(m_strTarget).dir().entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void eachEditWritesAtOnce()
    {
        QVERIFY(Write(m_strTarget, "picture"));
        SetFields(170, 1, 1);
        CBackgroundImageDlg dlg;
        QVERIFY(Switch(dlg)->isOpen());
        QCOMPARE(dlg.findChild<QDoubleSpinBox*>()->text(), QString("33%"));
        QCOMPARE(dlg.findChild<CCustomComboBox*>()->text(), QString("拉伸"));
        QCOMPARE(HostFixture::Calls(), QStringList());
        dlg.findChild<QSlider*>()->setValue(50); // through the box, but written once
        QCOMPARE(dlg.findChild<QDoubleSpinBox*>()->value(), 50.0);
        ExpectCalls("127, 1, 1", 0x4000);
        dlg.findChild<QDoubleSpinBox*>()->setValue(33);
        QCOMPARE(dlg.findChild<QSlider*>()->value(), 33);
        ExpectCalls("170, 1, 1", 0x4000);
        QVERIFY(dlg.findChild<CCustomComboBox*>()->ActivateIndex(0));
        ExpectCalls("170, 1, 0", 0x4000);
        QTest::keyClick(Switch(dlg), Qt::Key_Space);
        ExpectCalls("170, 0, 0", 0x24000);
    }
};

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
