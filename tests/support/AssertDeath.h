#pragma once

#include <QString>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs fnBody in a child; returns its stderr if it died by abort(), else "".
inline QString AbortMessageOf(const std::function<void()>& fnBody)
{
    int arrPipe[2];
    if (pipe(arrPipe) != 0)
        return QString();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(arrPipe[1], STDERR_FILENO);
        fnBody();
        _exit(0);
    }
    close(arrPipe[1]);
    QByteArray baOutput;
    char szBuffer[512];
    for (ssize_t nRead; (nRead = read(arrPipe[0], szBuffer, sizeof(szBuffer))) > 0;)
        baOutput.append(szBuffer, int(nRead));
    close(arrPipe[0]);
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    return WIFSIGNALED(nStatus) && WTERMSIG(nStatus) == SIGABRT ? QString::fromLocal8Bit(baOutput)
                                                                : QString();
}
