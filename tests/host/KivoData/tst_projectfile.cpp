#include "HardwareSupport.h"
#include "HostFixture.h"
#include "KivoData.h"
#include "ProjectFile.h"
#include "SafeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// Persistence of the simulated host and the answers its logic objects give
// from that state.
class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { HostFixture::Reset(); }

    void saveAndLoadRoundTrip()
    {
        // Touch every kind of state so the round trip covers it.
        CSender& sender = HostFixture::CurrentSender();
        sender.SetBackground(170, 1, 0);
        sender.SetCanvasSize(QSize(3840, 2160));
        SVideoInputState& input = HostFixture::Input(16);
        input.strName = "HDMI";
        input.baEdidRecord = QByteArray(20, '\x07');
        input.vecResolutions = {QSize(1920, 1080), QSize(1280, 720)};
        input.bCheckByPixelClock = true;
        GetConfigData()->AddSpecifiedIP("192.168.1.12", "new");
        GetConfigData()->SpecifiedIPsSave();
        GetDeviceAnswers()->listSenderAddresses = QStringList {"192.168.1.10"};
        const QJsonObject objBefore = ProjectFile::ToJson();

        QTemporaryDir dir;
        const QString strPath = dir.filePath("project.json");
        QString strError;
        QVERIFY2(ProjectFile::Save(strPath, &strError), qPrintable(strError));
        HostFixture::Reset(); // forget everything
        QVERIFY(ProjectFile::ToJson() != objBefore);
        QVERIFY2(ProjectFile::Load(strPath, &strError), qPrintable(strError));
        QCOMPARE(ProjectFile::ToJson(), objBefore);
        QCOMPARE(GetProjectData()->GetCurrentSender()->Device().FindInput(16)->baEdidRecord,
            QByteArray(20, '\x07'));
    }

    void interruptedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString strPath = dir.filePath("project.json");
        QString strError;
        QVERIFY(ProjectFile::Save(strPath, &strError));
        auto read = [&] {
            QFile file(strPath);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray baOld = read();
        HostFixture::CurrentSender().SetCanvasSize(QSize(100, 100));
        const QByteArray baNew = QJsonDocument(ProjectFile::ToJson()).toJson();
        QVERIFY(!SafeFile::Write(strPath, baNew, &strError, [] { return false; }));
        QCOMPARE(read(), baOld);
        // No temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"project.json"});

        // The rename itself fails: something took the target's place meanwhile.
        const QString strTaken = dir.filePath("taken.json");
        QVERIFY(!SafeFile::Write(strTaken, baNew, &strError, [&] { return QDir().mkdir(strTaken); }));
        QVERIFY2(strError.startsWith("cannot write " + strTaken + ": "), qPrintable(strError));
        QVERIFY(QFileInfo(strTaken).isDir());
    }

    void loadingIsNotAPluginWrite()
    {
        QTemporaryDir dir;
        const QString strPath = dir.filePath("project.json");
        QVERIFY(ProjectFile::Save(strPath, nullptr));
        HostFixture::ClearLog();
        QVERIFY(ProjectFile::Load(strPath, nullptr));
        QVERIFY(CHostCallLog::Instance().IsEmpty());
        HostFixture::CurrentSender().SetFrameRate(50);
        QCOMPARE(HostFixture::Calls(), QStringList {"CSender::SetFrameRate(50)"});
    }

    void senderLogicAnswersFromTheProject()
    {
        GetDeviceAnswers()->listSenderAddresses = QStringList {"192.168.1.10", "bogus", "10.0.0.7"};
        quint32 uAddresses[255] = {};
        QCOMPARE(GetHwSenderLogic()->GetAddressList(uAddresses), 2);
        // First octet in the lowest byte.
        QCOMPARE(uAddresses[0] & 0xFFu, 192u);
        QCOMPARE(uAddresses[1], qToBigEndian(QHostAddress("10.0.0.7").toIPv4Address()));

        qint32 nWidth = 32768, nHeight = 16384, nArea = 536870912;
        GetHwSenderLogic()->GetCanvasLimits(7, nWidth, nHeight, nArea); // no such sender
        QCOMPARE(nWidth, 32768);
        HostFixture::CurrentSender().Device().nCanvasMaxWidth = 8192;
        GetHwSenderLogic()->GetCanvasLimits(0, nWidth, nHeight, nArea);
        QCOMPARE(nWidth, 8192);
        QVERIFY(HostFixture::Calls().isEmpty()); // queries are not writes
    }

    // The answers the EDID dialog's checks read are covered with the dialog.
    void videoSourceSendAndReadBack()
    {
        CHwVideoSourceLogic* pLogic = GetHwVideoSourceLogic();
        SVideoInputState& input = HostFixture::Input(16);
        quint8 record[20] = {};
        record[10] = 0x80;
        QCOMPARE(pLogic->SendEdidSetting(0, 16, record), 0);
        quint8 descriptor[20] = {};
        descriptor[12] = 16;
        quint8 readBack[20] = {};
        QVERIFY(pLogic->ReadEdidSetting(0, descriptor, readBack));
        QCOMPARE(readBack[10], quint8(0x80));

        // A refusing device keeps the settings it had.
        input.nSendResult = -5;
        record[10] = 0x11;
        QCOMPARE(pLogic->SendEdidSetting(0, 16, record), -5);
        QVERIFY(pLogic->ReadEdidSetting(0, descriptor, readBack));
        QCOMPARE(readBack[10], quint8(0x80));
        QCOMPARE(CHostCallLog::Instance().Count("CHwVideoSourceLogic::SendEdidSetting"), 2);
    }
};

QTEST_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
