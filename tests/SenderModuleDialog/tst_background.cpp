#include "BackgroundRules.h"
#include "CBackgroundImageDlg.h"
#include "HostFixture.h"

#include "CCustomComboBox.h"
#include "CCustomSwitchButton.h"
#include "KivoData.h"

#include <QBuffer>
#include <QDoubleSpinBox>
#include <QJsonObject>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A source that fails after delivering part of its data.
class CFailingDevice : public QIODevice
{
public:
    CFailingDevice() { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* pData, qint64 nMax) override
    {
        if (m_bDelivered)
            return -1;
        m_bDelivered = true;
        const qint64 nCount = qMin<qint64>(nMax, 4);
        memcpy(pData, "part", size_t(nCount));
        return nCount;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
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
    return file.open(QIODevice::WriteOnly) && file.write(baData) == baData.size();
}
} // namespace

// The background picture dialog: transparency and opacity, the picture's
// replacement in the host's folder, the sender's fields and the notifications.
class TestBackground : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_pDir;
    QString m_strFolder; // the host's picture folder, created by the dialog
    QString m_strTarget; // the current sender's picture

    const SSenderBackground& Fields() { return HostFixture::CurrentSender().GetBackground(); }
    void SetFields(quint8 ucOpacity, quint8 ucEnabled, quint8 ucStretched)
    {
        HostFixture::CurrentSender().SetBackground(ucOpacity, ucEnabled, ucStretched);
        HostFixture::ClearLog();
    }
    QString Source(const QByteArray& baData)
    {
        const QString strPath = m_pDir->filePath("chosen.png");
        Write(strPath, baData);
        return strPath;
    }
    static void ChooseFile(CBackgroundImageDlg& dlg, const QString& strPath)
    {
        dlg.SetFileChooser([strPath](QWidget*, const QString&, const QString&) { return strPath; });
        dlg.findChild<QPushButton*>("chooseButton")->click();
    }
    static bool SwitchOn(CBackgroundImageDlg& dlg) { return dlg.findChild<CCustomSwitchButton*>()->isOpen(); }
    // Everything in the folder, hidden temporaries included.
    static QStringList FilesIn(const QString& strFolder)
    {
        return QDir(strFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

private slots:
    void init()
    {
        m_pDir.reset(new QTemporaryDir);
        QVERIFY(m_pDir->isValid());
        m_strFolder = m_pDir->filePath("host/backgrounds");
        HostFixture::Reset(QJsonObject {{"constant", QJsonObject {{"backgroundFolder", m_strFolder}}}});
        m_strTarget = GetConstantData()->GetSenderBKImgName(0, true);
    }

    // --- rules ---

    void transparencyAndOpacity_data()
    {
        QTest::addColumn<int>("nOpacity");
        QTest::addColumn<int>("nTransparency");
        QTest::addColumn<int>("nOpacityBack");
        QTest::newRow("opaque") << 255 << 0 << 255;
        QTest::newRow("clear") << 0 << 100 << 0;
        QTest::newRow("half") << 128 << 50 << 127;
        QTest::newRow("a third") << 170 << 33 << 170;
        QTest::newRow("exact fifth") << 51 << 80 << 51;
        QTest::newRow("rounds up") << 254 << 0 << 255;
        QTest::newRow("rounds down") << 1 << 100 << 0;
    }
    void transparencyAndOpacity()
    {
        QFETCH(int, nOpacity);
        QFETCH(int, nTransparency);
        QFETCH(int, nOpacityBack);
        QCOMPARE(BackgroundRules::TransparencyFromOpacity(nOpacity), nTransparency);
        QCOMPARE(BackgroundRules::OpacityFromTransparency(nTransparency), nOpacityBack);
    }

    void everyPercentSurvivesTheRoundTrip()
    {
        for (int nPercent = 0; nPercent <= 100; ++nPercent) {
            const int nOpacity = BackgroundRules::OpacityFromTransparency(nPercent);
            QVERIFY(nOpacity >= 0 && nOpacity <= 255);
            QCOMPARE(BackgroundRules::TransparencyFromOpacity(nOpacity), nPercent);
        }
    }

    void replaceFileKeepsTargetOnFailure()
    {
        const QString strTarget = m_pDir->filePath("target.png");
        QVERIFY(Write(strTarget, "previous picture"));
        CFailingDevice failing;
        QVERIFY(!BackgroundRules::ReplaceFile(failing, strTarget));
        QCOMPARE(ReadAll(strTarget), QByteArray("previous picture"));
        QCOMPARE(FilesIn(m_pDir->path()), QStringList {"target.png"});

        QVERIFY(!BackgroundRules::ReplaceFile(m_pDir->filePath("missing.png"), strTarget));
        QCOMPARE(ReadAll(strTarget), QByteArray("previous picture"));

        QByteArray baLarge(300 * 1024, '\0');
        for (int n = 0; n < baLarge.size(); ++n)
            baLarge[n] = char(n * 7);
        QBuffer source(&baLarge);
        source.open(QIODevice::ReadOnly);
        QVERIFY(BackgroundRules::ReplaceFile(source, strTarget));
        QCOMPARE(ReadAll(strTarget), baLarge);
        QCOMPARE(FilesIn(m_pDir->path()), QStringList {"target.png"});
    }

    void sameFileThroughDifferentNames()
    {
        const QString strPath = m_pDir->filePath("a.png");
        QVERIFY(Write(strPath, "x"));
        QVERIFY(BackgroundRules::IsSameFile(strPath, m_pDir->path() + "/./a.png"));
        QVERIFY(!BackgroundRules::IsSameFile(strPath, m_pDir->filePath("b.png")));
        QVERIFY(!BackgroundRules::IsSameFile(m_pDir->filePath("b.png"), m_pDir->filePath("b.png")));
    }

    // --- dialog ---

    void opensFromSenderFields()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(Write(m_strTarget, "picture"));
        SetFields(170, 1, 1);
        CBackgroundImageDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("背景图片设置"));
        QCOMPARE(dlg.size(), QSize(330, 135));
        QVERIFY(SwitchOn(dlg));
        QCOMPARE(dlg.findChild<QSlider*>()->value(), 33);
        QCOMPARE(dlg.findChild<QDoubleSpinBox*>()->text(), QString("33%"));
        QCOMPARE(dlg.findChild<CCustomComboBox*>()->text(), QString("拉伸"));
        QVERIFY(dlg.findChild<QPushButton*>("chooseButton")->isEnabled());
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    void deletedPictureOpensSwitchedOff()
    {
        SetFields(200, 1, 0);
        CBackgroundImageDlg dlg;
        QVERIFY(!SwitchOn(dlg));
        QVERIFY(!dlg.findChild<QSlider*>()->isEnabled());
        QVERIFY(!dlg.findChild<QPushButton*>("chooseButton")->isEnabled());

        // One toggle switches it on and lets a new picture be chosen.
        QTest::keyClick(dlg.findChild<CCustomSwitchButton*>(), Qt::Key_Space);
        QVERIFY(SwitchOn(dlg));
        QVERIFY(dlg.findChild<QPushButton*>("chooseButton")->isEnabled());
        ChooseFile(dlg, Source("replacement"));
        QCOMPARE(Fields().ucEnabled, quint8(1));
        QCOMPARE(Fields().ucOpacity, quint8(200));
    }

    void choosingCopiesAndWritesFields()
    {
        SetFields(128, 0, 0);
        CBackgroundImageDlg dlg;
        dlg.ActionSlots(0);
        HostFixture::ClearLog();
        ChooseFile(dlg, Source("new picture"));
        QCOMPARE(ReadAll(m_strTarget), QByteArray("new picture"));
        QCOMPARE(ReadAll(m_pDir->filePath("chosen.png")), QByteArray("new picture"));
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CSender::SetBackground(128, 1, 0)", "ILedTesselLabel::Notify(147456, 1, 0, 0)"}));
        QCOMPARE(FilesIn(m_strFolder), QStringList {QFileInfo(m_strTarget).fileName()});
    }

    void cancelledChooserChangesNothing()
    {
        CBackgroundImageDlg dlg;
        ChooseFile(dlg, QString());
        QCOMPARE(HostFixture::Calls(), QStringList());
        QVERIFY(!QFile::exists(m_strTarget));
    }

    void choosingTheTargetItselfNeitherRemovesNorCopies()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(Write(m_strTarget, "own picture"));
        const QDateTime timeBefore = QFileInfo(m_strTarget).lastModified();
        SetFields(100, 1, 1);
        CBackgroundImageDlg dlg;
        QTest::qWait(20);
        ChooseFile(dlg, m_strTarget);
        QCOMPARE(ReadAll(m_strTarget), QByteArray("own picture"));
        QCOMPARE(QFileInfo(m_strTarget).lastModified(), timeBefore);
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CSender::SetBackground(100, 1, 1)", "ILedTesselLabel::Notify(147456, 1, 0, 0)"}));
    }

    void failedCopyZeroesFieldsAndKeepsPreviousPicture()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(Write(m_strTarget, "previous picture"));
        SetFields(170, 1, 0);
        CBackgroundImageDlg dlg;
        // A folder exists but cannot be read as a picture.
        const QString strUnreadable = m_pDir->filePath("folder.png");
        QVERIFY(QDir().mkpath(strUnreadable));
        ChooseFile(dlg, strUnreadable);
        QCOMPARE(Fields().ucOpacity, quint8(0));
        QCOMPARE(Fields().ucEnabled, quint8(0));
        QCOMPARE(Fields().ucStretched, quint8(0));
        QCOMPARE(ReadAll(m_strTarget), QByteArray("previous picture"));
        QCOMPARE(FilesIn(m_strFolder), QStringList {QFileInfo(m_strTarget).fileName()});
        QCOMPARE(HostFixture::Calls().last(), QString("ILedTesselLabel::Notify(147456, 1, 0, 0)"));
    }

    void transparencySetsOpacity()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(Write(m_strTarget, "picture"));
        SetFields(255, 1, 0);
        CBackgroundImageDlg dlg;
        dlg.findChild<QDoubleSpinBox*>()->setValue(33);
        QCOMPARE(dlg.findChild<QSlider*>()->value(), 33);
        QCOMPARE(Fields().ucOpacity, quint8(170));
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CSender::SetBackground(170, 1, 0)", "ILedTesselLabel::Notify(16384, 1, 0, 0)"}));

        // The slider goes through the box: one write per move.
        HostFixture::ClearLog();
        dlg.findChild<QSlider*>()->setValue(50);
        QCOMPARE(dlg.findChild<QDoubleSpinBox*>()->value(), 50.0);
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CSender::SetBackground(127, 1, 0)", "ILedTesselLabel::Notify(16384, 1, 0, 0)"}));
    }

    void fitChoiceSetsStretch()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(Write(m_strTarget, "picture"));
        SetFields(128, 1, 0);
        CBackgroundImageDlg dlg;
        auto* pFit = dlg.findChild<CCustomComboBox*>();
        QVERIFY(pFit->ActivateIndex(1));
        QCOMPARE(Fields().ucStretched, quint8(1));
        QVERIFY(pFit->ActivateIndex(0));
        QCOMPARE(Fields().ucStretched, quint8(0));
        QCOMPARE(HostFixture::Calls().last(), QString("ILedTesselLabel::Notify(16384, 1, 0, 0)"));
    }

    void toggleWithoutPictureOnlyNotifies()
    {
        SetFields(90, 0, 1);
        CBackgroundImageDlg dlg;
        dlg.ActionSlots(0);
        QVERIFY(SwitchOn(dlg));
        QVERIFY(dlg.findChild<QSlider*>()->isEnabled());
        QCOMPARE(Fields().ucOpacity, quint8(90));
        QCOMPARE(Fields().ucEnabled, quint8(0));
        QCOMPARE(HostFixture::Calls(), QStringList {"ILedTesselLabel::Notify(147456, 1, 0, 0)"});
        QVERIFY(QFileInfo(m_strFolder).isDir()); // made ready for a picture
    }

    void toggleWithPictureWritesEnabled()
    {
        QVERIFY(QDir().mkpath(m_strFolder));
        QVERIFY(Write(m_strTarget, "picture"));
        SetFields(128, 1, 0);
        CBackgroundImageDlg dlg;
        dlg.findChild<CCustomSwitchButton*>()->setFocus();
        QTest::keyClick(dlg.findChild<CCustomSwitchButton*>(), Qt::Key_Space);
        QVERIFY(!SwitchOn(dlg));
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CSender::SetBackground(128, 0, 0)", "ILedTesselLabel::Notify(147456, 1, 0, 0)"}));
    }
};

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
