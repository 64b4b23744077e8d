#include "FileSizeLimit.h"
#include "ToolRun.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

SToolRun RunIn(const QStringList& listArgs, const CEnvChanges& vecChanges)
{
    return Run(listArgs, qEnvironmentVariable("SENDERTOOL"), vecChanges);
}

// The command names the help lists: its lines that start with a word.
QStringList ListedCommands()
{
    const QByteArray baHelp = Run({"help"}).baOut;
    const int nFirst = baHelp.indexOf("commands:\n") + 10;
    QStringList listNames;
    for (const QByteArray& baLine : baHelp.mid(nFirst, baHelp.indexOf("\n\n", nFirst) - nFirst).split('\n'))
        if (!baLine.isEmpty() && baLine[0] != ' ')
            listNames << QString::fromLatin1(baLine.left(baLine.indexOf(' ')));
    return listNames;
}

// A folder with an earlier output of every kind, to prove a failure keeps it.
struct SOutputs
{
    QTemporaryDir dir;
    const QStringList listNames {"out.bin", "out.png", "out.jpg"};

    SOutputs()
    {
        for (const QString& strName : listNames) {
            QFile file(Path(strName));
            if (file.open(QIODevice::WriteOnly))
                file.write("previous");
        }
    }
    QString Path(const QString& strName) const { return dir.filePath(strName); }
    // Empty when every earlier output is intact and nothing was added.
    QString Touched() const
    {
        QStringList listChanged;
        for (const QString& strName : listNames + QDir(dir.path()).entryList(QDir::Files))
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
    void versionAndHelp()
    {
        QCOMPARE(Run({"--version"}).baOut, QByteArray("sendertool " SENDERTOOL_VERSION "\n"));
        const SToolRun help = Run({"help", "pixelrate"});
        QCOMPARE(help.nExitCode, 0);
        QVERIFY2(help.baOut.startsWith("pixelrate WIDTH HEIGHT RATE") && !help.baOut.contains("edid"),
            help.baOut.constData());
        QCOMPARE(Run({"pixelrate", "--help"}).baOut, help.baOut);
        QCOMPARE(Run({"pixelrate", "1920", "-h"}).baOut, help.baOut);
        QVERIFY(Run({"help"}).baOut.contains("exit codes, the same for every command"));
        // A slip names the nearest command; a word unlike any does not.
        for (const auto& c :
            QVector<QPair<QStringList, QByteArray>> {{{"help", "nope"}, "'nope' (try --help)"},
                {{"tming", "1", "1", "1"}, "'tming'; did you mean 'timing'?"},
                {{"help", "pixlerate"}, "'pixlerate'; did you mean 'pixelrate'?"},
                {{"bogus"}, "'bogus' (try --help)"}}) {
            const SToolRun unknown = Run(c.first);
            QCOMPARE(unknown.nExitCode, 2);
            QCOMPARE(unknown.baErr, "sendertool: unknown command " + c.second + '\n');
        }
    }

    // Every command prints the same bytes under a locale with a decimal comma,
    // and a number printed is read back there.
    void outputIgnoresTheLocale()
    {
        QTemporaryDir dir;
        if (Run({"-i", "de_DE", "-f", "UTF-8", dir.filePath("de_DE.UTF-8")}, "localedef").nExitCode != 0)
            QSKIP("localedef cannot build de_DE.UTF-8 here (needs the locales' sources)");
        const CEnvChanges vecComma {
            {"LOCPATH", dir.path()}, {"LC_ALL", "de_DE.UTF-8"}, {"LANG", "de_DE.UTF-8"}};
        if (Run({"%.1f", "1.5"}, "printf", vecComma).baOut != "1,5")
            QSKIP("the generated locale does not take effect in child processes");

        const QVector<QStringList> vecCalls {{"edid", "1920", "1080", "59.94", "--hex"},
            {"edid", "3840", "2160", "59.94", "-i", "-o", "-"}, {"timing", "1920", "1080", "59.94"},
            {"timing", "-r", "-i", "1366", "768", "59.94"}, {"pixelrate", "1920", "1080", "59.94"},
            {"pixelrate", "1920", "1080", "0.004"}, {"render", "--size", "120x110", "-o", "-"},
            {"coverage", "--screen", "0.64,0.33,0.3,0.6,0.15,0.06,0.3127,0.329", "--output", "DCIP3"},
            {"cct", "6500"}, {"cct", "5000.5", "--formula"}, {"xy2cct", "0.3127", "0.329", "--raw"},
            {"xy2cct", "0.9", "0.05"}, {"locus"}, {"locus", "--contains", "0.3", "0.3"}, {"help"},
            {"--version"}};
        QSet<QString> setCovered;
        for (const QStringList& listArgs : vecCalls) {
            setCovered << listArgs[0];
            const SToolRun inC = RunIn(listArgs, {{"LC_ALL", "C"}});
            const SToolRun inComma = RunIn(listArgs, vecComma);
            const QByteArray baWhat
                = listArgs.join(' ').toUtf8() + ":\n" + inComma.baOut.left(400) + inComma.baErr;
            QVERIFY2(inC.nExitCode == inComma.nExitCode && inC.baOut == inComma.baOut
                    && inC.baErr == inComma.baErr,
                baWhat);
            QVERIFY2(!(inC.baOut + inC.baErr).isEmpty(), baWhat);
        }
        for (const QString& strCommand : ListedCommands())
            QVERIFY2(
                setCovered.contains(strCommand), qPrintable(strCommand + " is not run under the locale"));
        const QStringList listXy = QString::fromUtf8(RunIn({"cct", "6500"}, vecComma).baOut).split(' ');
        QCOMPARE(RunIn({"xy2cct", listXy.value(0), listXy.value(1).trimmed()}, vecComma).baOut,
            QByteArray("6500.0\n"));
    }

    // Qt's own notes, such as a missing runtime folder, are not the tool's output.
    void qtNotesStayOffStandardError()
    {
        for (const QStringList& listArgs : {QStringList {"render", "--size", "120x110", "-o", "-"},
                 QStringList {"coverage", "--screen", "sRGB", "--output", "Rec2020"}}) {
            const SToolRun run = RunIn(listArgs, {{"XDG_RUNTIME_DIR", ""}, {"QT_QPA_PLATFORM", ""}});
            QVERIFY2(
                run.nExitCode == 0 && !run.baOut.isEmpty() && run.baErr.isEmpty(), run.baErr.constData());
        }
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
        for (const auto& format : QVector<QPair<QString, QByteArray>> {{"a.jpg", "\xFF\xD8\xFF"},
                 {"b.JPEG", "\xFF\xD8\xFF"}, {"c.bmp", "BM"}, {"d.png", "\x89PNG"}}) {
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

    void fullDiskKeepsTheOldOutput()
    {
        // Limits well below each output's size.
        for (const auto& c : {qMakePair(QStringList {"edid", "1920", "1080", "60", "-o", "out.bin"}, 64),
                 qMakePair(QStringList {"render", "--size", "300x300", "-o", "out.png"}, 1024)}) {
            SOutputs outputs;
            const QString strOutput = outputs.Path(c.first.last());
            SToolRun run;
            {
                CFileSizeLimit limit(c.second);
                SKIP_UNLESS_LIMITED(limit);
                run = Run(c.first.mid(0, c.first.size() - 1) << strOutput);
            }
            QVERIFY2(run.nExitCode == 1 && run.baErr.contains("cannot write " + strOutput.toUtf8()),
                run.baErr.constData());
            QCOMPARE(outputs.Touched(), QString());
        }
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
            "--standard", "--reduced-blanking", "--interlaced", "--margins", "-r", "-i", "-h", "--screen",
            "--output", "Rec2020", "--contains", "0.3127", "0.329", "--formula", "--raw", "6500", "--help",
            "@out.bin", "@out.png", "@out.jpg", "@new.gif", "/nonexistent/o.png", "/nonexistent/o.bin",
            "0.4"};
        int arrCounts[3] = {};
        for (int nFirst = 0; nFirst < CASE_COUNT; nFirst += BATCH) {
            QVector<CToolCall> vecBatch;
            SOutputs arrOutputs[BATCH];
            for (int i = 0; i < BATCH; ++i) {
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
                    + ": " + QString::fromUtf8(run.baErr) + " touched: " + arrOutputs[i].Touched();
                QVERIFY2(run.nExitCode >= 0 && run.nExitCode <= 2, qPrintable(strCase));
                ++arrCounts[run.nExitCode];
                QVERIFY2(run.nExitCode == 0
                        || (run.baOut.isEmpty() && run.baErr.startsWith("sendertool: ")
                            && run.baErr.count('\n') == 1 && arrOutputs[i].Touched().isEmpty()),
                    qPrintable(strCase));
            }
        }
        QVERIFY(arrCounts[0] > 0 && arrCounts[1] > 0 && arrCounts[2] > 0);
    }
};

QTEST_GUILESS_MAIN(TestSendertoolConventions)
#include "tst_sendertool_conventions.moc"
