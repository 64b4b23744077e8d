#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

struct SToolRun
{
    int nExitCode = -1; // stays -1 on a crash or timeout
    QByteArray baOut;
    QByteArray baErr;
};

using CToolCall = QPair<QString, QStringList>; // program, arguments

// Runs programs side by side, each with a private runtime directory so the
// only text on standard error is the program's own.
inline QVector<SToolRun> RunToolsTogether(const QVector<CToolCall>& vecCalls)
{
    static QTemporaryDir s_runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", s_runtimeDir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::unique_ptr<QProcess>> vecProcesses;
    for (const CToolCall& call : vecCalls) {
        vecProcesses.push_back(std::make_unique<QProcess>());
        vecProcesses.back()->setProcessEnvironment(env);
        vecProcesses.back()->start(call.first, call.second);
    }
    QVector<SToolRun> vecRuns(vecCalls.size());
    for (int i = 0; i < vecCalls.size(); ++i) {
        QProcess& process = *vecProcesses[i];
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            continue;
        vecRuns[i] = {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
    return vecRuns;
}

inline SToolRun RunTool(const QString& strProgram, const QStringList& listArgs)
{
    return RunToolsTogether({{strProgram, listArgs}}).first();
}

inline QString SenderTool()
{
    return qEnvironmentVariable("SENDERTOOL");
}

#define REQUIRE_SENDERTOOL()                                                                                 \
    if (SenderTool().isEmpty())                                                                              \
    QFAIL("SENDERTOOL must name the sendertool executable (CTest sets it)")
