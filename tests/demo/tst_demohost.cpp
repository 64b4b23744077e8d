#include "../limits/FileSizeLimit.h"
#include "../tools/ToolRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {
// The demo host on a project, writing its gallery of every entry.
SToolRun RunDemo(const QString& strProject, const QString& strGallery)
{
    return Run({"--project", strProject, "--gallery", strGallery}, qEnvironmentVariable("DEMOHOST"));
}

QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample project with only its first sender, or with senders that are no array.
QByteArray WriteSample(const QString& strPath, bool bOneSender)
{
    QJsonObject objRoot = QJsonDocument::fromJson(ReadFile(SAMPLE_PROJECT)).object();
    QJsonObject objProject = objRoot["project"].toObject();
    const QJsonArray arrSenders {objProject["senders"].toArray().first()};
    objProject["senders"] = bOneSender ? QJsonValue(arrSenders) : QJsonValue(QJsonObject());
    objRoot["project"] = objProject;
    const QByteArray baText = QJsonDocument(objRoot).toJson();
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(baText) == baText.size() ? baText : QByteArray();
}
} // namespace

// The demo host starts on what it is given, or says why not and loses nothing.
class TestDemoHost : public QObject
{
    Q_OBJECT

private slots:
    // Every entry opens on a project with a single, unrestricted sender.
    void oneSenderProject()
    {
        const QString strProject = m_dir.filePath("one.json");
        QVERIFY(!WriteSample(strProject, true).isEmpty());
        const SToolRun run = RunDemo(strProject, m_dir.filePath("gallery-one"));
        QVERIFY2(run.nExitCode == 0, run.baErr.constData());
        QVERIFY(run.baOut.count('\n') > 10);
    }

    void refusedProjectIsKept()
    {
        const QString strProject = m_dir.filePath("bad.json");
        const QByteArray baBad = WriteSample(strProject, false);
        const SToolRun run = RunDemo(strProject, m_dir.filePath("gallery-bad"));
        QVERIFY(!baBad.isEmpty() && run.nExitCode == 1);
        QCOMPARE(run.baErr,
            "cannot start the host: " + strProject.toUtf8()
                + ": project.senders: expected an array, got an object\n");
        QCOMPARE(ReadFile(strProject), baBad);
    }

    // The first start makes the user's project from the sample; on a full disk
    // it says so and leaves nothing half-written for the next start to trip on.
    void firstStartOnFullDisk()
    {
        const QString strProject = m_dir.filePath("first/project.json");
        SToolRun run;
        {
            CFileSizeLimit limit(1024);
            SKIP_UNLESS_LIMITED(limit);
            run = RunDemo(strProject, m_dir.filePath("gallery-full"));
        }
        QCOMPARE(run.nExitCode, 1);
        QVERIFY2(run.baErr.startsWith("cannot start the host: cannot write " + strProject.toUtf8() + ": "),
            run.baErr.constData());
        QCOMPARE(QDir(m_dir.filePath("first")).entryList(QDir::Files), QStringList());

        QCOMPARE(RunDemo(strProject, m_dir.filePath("gallery-next")).nExitCode, 0);
        QVERIFY(ReadFile(strProject).contains("\"senders\""));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDemoHost)
#include "tst_demohost.moc"
