#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QVector>

struct SToolRun
{
    int nExitCode = -1; // stays -1 on a crash or a hang
    QByteArray baOut;
    QByteArray baErr;
};
using CToolCall = QPair<QString, QStringList>; // program, arguments
using CEnvChanges = QVector<QPair<QString, QString>>; // name, value (empty: removed)

// Runs programs eight side by side, each with a private runtime directory so
// the only text on standard error is the program's own.
inline QVector<SToolRun> RunToolsTogether(
    const QVector<CToolCall>& vecCalls, const CEnvChanges& vecChanges = {})
{
    static QTemporaryDir s_runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", s_runtimeDir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const auto& change : vecChanges)
        change.second.isEmpty() ? env.remove(change.first) : env.insert(change.first, change.second);
    QVector<SToolRun> vecRuns;
    for (int nFirst = 0; nFirst < vecCalls.size(); nFirst += 8) {
        QObject batch; // owns the batch's processes
        QVector<QProcess*> vecProcesses;
        for (const CToolCall& call : vecCalls.mid(nFirst, 8)) {
            vecProcesses << new QProcess(&batch);
            vecProcesses.back()->setProcessEnvironment(env);
            vecProcesses.back()->start(call.first, call.second);
        }
        for (QProcess* pProcess : vecProcesses) {
            SToolRun run;
            if (pProcess->waitForFinished(60000) && pProcess->exitStatus() == QProcess::NormalExit)
                run.nExitCode = pProcess->exitCode();
            run.baOut = pProcess->readAllStandardOutput();
            run.baErr = pProcess->readAllStandardError();
            vecRuns << run;
        }
    }
    return vecRuns;
}

inline SToolRun Run(const QStringList& listArgs,
    const QString& strProgram = qEnvironmentVariable("SENDERTOOL"), const CEnvChanges& vecChanges = {})
{
    return RunToolsTogether({{strProgram, listArgs}}, vecChanges).first();
}
