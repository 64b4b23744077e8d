#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

// Result of one run of an external program.
struct SToolRun
{
    int nExitCode = -1;
    QByteArray baOut;
    QByteArray baErr;
};

struct SToolCall
{
    QString strProgram;
    QStringList listArgs;
};

// Runs programs side by side to completion, each with a private runtime
// directory so the only text on standard error is the program's own.
inline QVector<SToolRun> RunToolsTogether(const QVector<SToolCall>& vecCalls)
{
    static QTemporaryDir s_runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", s_runtimeDir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::unique_ptr<QProcess>> vecProcesses;
    for (const SToolCall& sCall : vecCalls) {
        vecProcesses.push_back(std::make_unique<QProcess>());
        vecProcesses.back()->setProcessEnvironment(env);
        vecProcesses.back()->start(sCall.strProgram, sCall.listArgs);
    }
    QVector<SToolRun> vecRuns(vecCalls.size());
    for (int i = 0; i < vecCalls.size(); ++i) {
        QProcess& process = *vecProcesses[i];
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            continue; // exit code stays -1
        vecRuns[i].nExitCode = process.exitCode();
        vecRuns[i].baOut = process.readAllStandardOutput();
        vecRuns[i].baErr = process.readAllStandardError();
    }
    return vecRuns;
}

inline SToolRun RunTool(const QString& strProgram, const QStringList& listArgs)
{
    return RunToolsTogether({SToolCall {strProgram, listArgs}}).first();
}

inline QString SenderTool()
{
    return qEnvironmentVariable("SENDERTOOL");
}

#define REQUIRE_SENDERTOOL()                                                                                 \
    do {                                                                                                     \
        if (SenderTool().isEmpty())                                                                          \
            QFAIL("SENDERTOOL must name the sendertool executable (CTest sets it)");                         \
    } while (0)
