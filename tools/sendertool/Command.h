#pragma once

#include <QStringList>

#include <vector>

// One sub-command of sendertool. Commands register themselves at start-up, so
// adding a command is adding one cmd_*.cpp file.
struct SCommand
{
    const char* pszName;
    const char* pszUsage; // one or more lines, shown by --help
    int (*pfnRun)(const QStringList& args); // args exclude the command name
    bool bNeedsWidgets = false; // builds widgets, so needs a QApplication
};

namespace CommandRegistry {
bool Add(const SCommand& command);
const std::vector<SCommand>& All();
} // namespace CommandRegistry

// Exit codes shared by every command; the help states the same rule.
enum enExitCode
{
    EXIT_OK = 0,
    EXIT_FAILURE_RESULT = 1, // valid input, but no answer exists or the output cannot be written
    EXIT_BAD_INPUT = 2, // bad arguments: message on stderr, nothing written
};

// Prints "sendertool: <text>" on standard error and returns EXIT_BAD_INPUT.
int UsageError(const QString& strText);

// The value of -o: a file name, or "-" for standard output. False, with a
// message, for an empty name.
bool CheckOutputName(const QString& strPath, QString& strError);
// Writes the whole output to standard output ("-") or, through a temporary
// file and a rename, to the file, so a failure leaves an existing file as it
// was. Returns the exit code, after a message on a failure.
int WriteOutput(const QString& strPath, const QByteArray& baData);

// Strict number parsing: the whole text must be a number.
bool ParseInt(const QString& strText, int& nValue);
bool ParseDouble(const QString& strText, double& dValue);

#define SENDERTOOL_COMMAND(id, name, usage, fn)                                                              \
    static const bool s_bRegistered_##id = CommandRegistry::Add(SCommand {name, usage, fn, false})
#define SENDERTOOL_WIDGET_COMMAND(id, name, usage, fn)                                                       \
    static const bool s_bRegistered_##id = CommandRegistry::Add(SCommand {name, usage, fn, true})
