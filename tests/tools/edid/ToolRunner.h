#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Result of one run of an external program.
struct SToolRun
{
    int nExitCode = -1;
    QByteArray baOut;
    QByteArray baErr;
};

// Runs a program to completion with a private runtime directory, so the only
// text on standard error is the program's own.
inline SToolRun RunTool(const QString& strProgram, const QStringList& listArgs)
{
    static QTemporaryDir s_runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", s_runtimeDir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(strProgram, listArgs);
    SToolRun sRun;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return sRun;
    sRun.nExitCode = process.exitCode();
    sRun.baOut = process.readAllStandardOutput();
    sRun.baErr = process.readAllStandardError();
    return sRun;
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
