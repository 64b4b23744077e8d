#include "../../limits/FileSizeLimit.h"
#include "../ToolRun.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A folder with an earlier output of every kind, to prove a failure keeps it.
struct SOutputs
{
    QTemporaryDir dir;
    const QStringList listNames {"out.bin", "out.png", "out.jpg"};

    SOutputs() { Restore(); }
    void Restore()
    {
        for (const QString& strName : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(Path(strName));
        for (const QString& strName : listNames) {
            QFile file(dir.filePath(strName));
            if (file.open(QIODevice::WriteOnly))
                file.write("previous");
        }
    }
    QString Path(const QString& strName) const { return dir.filePath(strName); }
    // Empty when every earlier output is intact and nothing was added.
    QString Touched() const
    {
        QStringList listChanged;
        for (const QString& strName : QDir(dir.path()).entryList(QDir::Files))
            if (!listNames.contains(strName) || ReadFile(Path(strName)) != "previous")
                listChanged << strName;
        return listChanged.join(", ");
    }
};
} // namespace

class TestSendertoolConventions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("SENDERTOOL"))
            QFAIL("SENDERTOOL must name the sendertool executable (CTest sets it)");
    }

    void versionAndHelp()
    {
        QCOMPARE(Run({"--version"}).baOut, QByteArray("sendertool " SENDERTOOL_VERSION "\n"));
        const SToolRun help = Run({"help", "pixelrate"});
        QCOMPARE(help.nExitCode, 0);
        QVERIFY2(help.baOut.startsWith("pixelrate WIDTH HEIGHT RATE") && !help.baOut.contains("edid"),
            help.baOut.constData());
        QCOMPARE(Run({"pixelrate", "--help"}).baOut, help.baOut);
        QVERIFY(Run({"help"}).baOut.contains("exit codes, the same for every command"));
        const SToolRun unknown = Run({"help", "nope"});
        QVERIFY(unknown.nExitCode == 2 && unknown.baErr.contains("unknown command 'nope'"));
    }

    void extremeRates_data()
    {
        QTest::addColumn<QStringList>("listArgs");
        QTest::addColumn<QString>("strRange"); // empty: accepted
        const QString strEdid = "must be from 0.01 to 655.35 MHz";
        const QString strMode = "must be from 0.01 to 2147.48 MHz";
        QTest::newRow("timing 1e38") << QStringList {"timing", "3840", "2160", "1e38"} << strMode;
        QTest::newRow("pixelrate 1e-30") << QStringList {"pixelrate", "1", "1", "1e-30"} << strMode;
        QTest::newRow("edid 0.001 Hz") << QStringList {"edid", "1920", "1080", "0.001"} << strEdid;
        QTest::newRow("edid 1e38") << QStringList {"edid", "1920", "1080", "1e38"} << strEdid;
        // 2080 x 1094 lines: 0.005 Hz is one 10 kHz step, 0.004 Hz none.
        QTest::newRow("pixelrate one step") << QStringList {"pixelrate", "1920", "1080", "0.005"} << "";
        QTest::newRow("pixelrate below a step")
            << QStringList {"pixelrate", "1920", "1080", "0.004"} << strMode;
        QTest::newRow("timing 4 GHz") << QStringList {"timing", "4095", "4095", "200"} << strMode;
        QTest::newRow("edid one step") << QStringList {"edid", "1920", "1080", "0.005", "--hex"} << "";
        // 400 x 25 at 1 Hz: exactly 10 kHz, the lowest clock there is.
        QTest::newRow("edid exactly one step") << QStringList {"edid", "240", "6", "1", "--hex"} << "";
        QTest::newRow("timing exactly one step")
            << QStringList {"timing", "240", "6", "1", "--reduced-blanking"} << "";
    }

    void extremeRates()
    {
        QFETCH(QStringList, listArgs);
        QFETCH(QString, strRange);
        const SToolRun run = Run(listArgs);
        if (strRange.isEmpty()) {
            QCOMPARE(run.nExitCode, 0);
            if (listArgs[0] == "edid") // the descriptor's clock is one step, not 0
                QCOMPARE(
                    run.baOut.split('\n').value(3).split(' ').mid(6, 2), QList<QByteArray>({"01", "00"}));
            return;
        }
        QCOMPARE(run.nExitCode, 2);
        QVERIFY2(run.baOut.isEmpty() && run.baErr.contains(strRange.toUtf8()) && run.baErr.count('\n') == 1,
            run.baErr.constData());
    }

    void outputs()
    {
        SOutputs outputs;
        const SToolRun empty = Run({"edid", "1920", "1080", "60", "-o", ""});
        QVERIFY(
            empty.nExitCode == 2 && empty.baErr.contains("-o needs a file name, or - for standard output"));
        QCOMPARE(
            Run({"edid", "1920", "1080", "60", "-o", "-"}).baOut, Run({"edid", "1920", "1080", "60"}).baOut);

        const QStringList listRender {"render", "--size", "120x110", "-o"};
        QVERIFY(Run(listRender + QStringList {"-"}).baOut.startsWith("\x89PNG\r\n"));
        const QVector<QPair<QString, QByteArray>> vecFormats {
            {"a.jpg", "\xFF\xD8\xFF"}, {"b.JPEG", "\xFF\xD8\xFF"}, {"c.bmp", "BM"}, {"d.png", "\x89PNG"}};
        for (const auto& format : vecFormats) {
            QCOMPARE(Run(listRender + QStringList {outputs.Path(format.first)}).nExitCode, 0);
            QVERIFY2(
                ReadFile(outputs.Path(format.first)).startsWith(format.second), qPrintable(format.first));
        }
        const SToolRun gif = Run(listRender + QStringList {outputs.Path("e.gif")});
        QVERIFY(gif.nExitCode == 2 && gif.baErr.contains("names no picture format"));
        QVERIFY(!QFile::exists(outputs.Path("e.gif")));
        // Standard output on a full device is a failure too, not a silent loss.
        if (QFile::exists("/dev/full")) {
            QProcess process;
            process.setStandardOutputFile("/dev/full");
            process.start(qEnvironmentVariable("SENDERTOOL"), {"edid", "1920", "1080", "60", "-o", "-"});
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitCode(), 1);
            QVERIFY(process.readAllStandardError().contains("cannot write to standard output"));
        }
        // An output that cannot be written is a failure to do the work, for every command.
        for (const QStringList& listArgs :
            {QStringList {"edid", "1920", "1080", "60", "-o", "/nonexistent/x.bin"},
                listRender + QStringList {"/nonexistent/x.png"}}) {
            const SToolRun run = Run(listArgs);
            QVERIFY2(run.nExitCode == 1 && run.baErr.contains("cannot write /nonexistent/x."),
                run.baErr.constData());
        }
    }

    void fullDiskKeepsTheOldOutput_data()
    {
        QTest::addColumn<QStringList>("listArgs");
        QTest::addColumn<QString>("strOutput");
        QTest::addColumn<int>("nLimit"); // well below the output's size
        QTest::newRow("edid") << QStringList {"edid", "1920", "1080", "60", "-o"} << "out.bin" << 64;
        QTest::newRow("render") << QStringList {"render", "--size", "300x300", "-o"} << "out.png" << 1024;
    }

    void fullDiskKeepsTheOldOutput()
    {
        QFETCH(QStringList, listArgs);
        QFETCH(QString, strOutput);
        QFETCH(int, nLimit);
        SOutputs outputs;
        SToolRun run;
        {
            CFileSizeLimit limit(nLimit);
            SKIP_UNLESS_LIMITED(limit);
            run = Run(listArgs << outputs.Path(strOutput));
        }
        QVERIFY2(run.nExitCode == 1 && run.baErr.contains("cannot write " + outputs.Path(strOutput).toUtf8()),
            run.baErr.constData());
        QCOMPARE(outputs.Touched(), QString());
    }

    // Random command lines from every command's words: no crash or hang, one
    // of the three exit codes, and an error never touches a file.
    void fuzzedCommandLines()
    {
        constexpr int CASE_COUNT = 256;
        constexpr int BATCH = 8;
        QRandomGenerator random(0x70015);
        const QStringList listCommands {"edid", "timing", "pixelrate", "render", "coverage", "cct", "xy2cct",
            "locus", "help", "--version", "--help", "bogus"};
        // "@" words name files in the case's own folder of earlier outputs.
        const QStringList listWords {"0", "-1", "1", "1920", "1080", "4095", "4096", "60", "59.94", "1e38",
            "1e-30", "0.001", "nan", "inf", "1e39", "", "x", "-o", "-o", "-", "--hex", "--size", "120x101",
            "100x100", "--group", "sRGB@512", "0.6,0.3,0.3,0.6,0.1,0.1,0.3,0.3", "--wnd-type", "2",
            "--standard", "--reduced-blanking", "--interlaced", "--margins", "--screen", "--output",
            "Rec2020", "--contains", "0.3127", "0.329", "--formula", "--raw", "6500", "--help", "@out.bin",
            "@out.png", "@out.jpg", "@new.gif", "/nonexistent/o.png", "/nonexistent/o.bin", "0.4"};
        SOutputs arrOutputs[BATCH];
        QElapsedTimer timer;
        timer.start();
        int arrCounts[3] = {};
        for (int nFirst = 0; nFirst < CASE_COUNT; nFirst += BATCH) {
            QVector<CToolCall> vecBatch;
            for (int i = 0; i < BATCH; ++i) {
                arrOutputs[i].Restore();
                QStringList listArgs {listCommands[random.bounded(listCommands.size())]};
                for (int n = random.bounded(7); n > 0; --n) {
                    const QString& strWord = listWords[random.bounded(listWords.size())];
                    listArgs << (strWord.startsWith('@') ? arrOutputs[i].Path(strWord.mid(1)) : strWord);
                }
                vecBatch << CToolCall {qEnvironmentVariable("SENDERTOOL"), listArgs};
            }
            const QVector<SToolRun> vecRuns = RunToolsTogether(vecBatch);
            for (int i = 0; i < BATCH; ++i) {
                const SToolRun& run = vecRuns[i];
                const QString strCase = vecBatch[i].second.join(' ') + " -> " + QString::number(run.nExitCode)
                    + ": " + QString::fromUtf8(run.baErr);
                QVERIFY2(run.nExitCode >= 0 && run.nExitCode <= 2, qPrintable(strCase));
                ++arrCounts[run.nExitCode];
                if (run.nExitCode == 0)
                    continue;
                QVERIFY2(run.baOut.isEmpty() && run.baErr.startsWith("sendertool: ")
                        && run.baErr.count('\n') == 1 && arrOutputs[i].Touched().isEmpty(),
                    qPrintable(strCase + " touched: " + arrOutputs[i].Touched()));
            }
        }
        qInfo("%d command lines in %lld ms: %d done, %d failed, %d refused", CASE_COUNT, timer.elapsed(),
            arrCounts[0], arrCounts[1], arrCounts[2]);
        QVERIFY(arrCounts[0] > 0 && arrCounts[1] > 0 && arrCounts[2] > 0);
    }
};

QTEST_GUILESS_MAIN(TestSendertoolConventions)
#include "tst_SendertoolConventions.moc"
