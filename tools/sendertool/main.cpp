#include "Command.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numeric>

namespace {
const char* const g_pszExitCodes = "exit codes, the same for every command:\n"
                                   "  0  done\n"
                                   "  1  the input is valid, but no answer exists or the output cannot be\n"
                                   "     written (an existing output file is then left as it was)\n"
                                   "  2  bad usage or input: a message on standard error, nothing written\n";

void PrintHelp(FILE* pFile)
{
    std::fprintf(pFile,
        "usage: sendertool COMMAND [ARGS]\n"
        "       sendertool help [COMMAND]   (or COMMAND -h, COMMAND --help)\n"
        "       sendertool --version\n\ncommands:\n");
    std::vector<SCommand> vecSorted = CommandRegistry::All();
    std::sort(vecSorted.begin(), vecSorted.end(),
        [](const SCommand& a, const SCommand& b) { return std::strcmp(a.pszName, b.pszName) < 0; });
    for (const SCommand& command : vecSorted)
        std::fprintf(pFile, "%s\n", command.pszUsage);
    std::fprintf(pFile, "\n%s", g_pszExitCodes);
}

const SCommand* FindCommand(const QString& strName)
{
    for (const SCommand& command : CommandRegistry::All())
        if (strName == command.pszName)
            return &command;
    return nullptr;
}

int EditDistance(const QString& strA, const QString& strB)
{
    std::vector<int> vecRow(size_t(strB.size()) + 1);
    std::iota(vecRow.begin(), vecRow.end(), 0);
    for (int i = 1; i <= strA.size(); ++i) {
        int nDiagonal = vecRow[0];
        vecRow[0] = i;
        for (int j = 1; j <= strB.size(); ++j) {
            const int nAbove = vecRow[size_t(j)];
            vecRow[size_t(j)] = std::min(
                {nAbove + 1, vecRow[size_t(j) - 1] + 1, nDiagonal + (strA[i - 1] == strB[j - 1] ? 0 : 1)});
            nDiagonal = nAbove;
        }
    }
    return vecRow.back();
}

// Names the nearest command when the name is a likely slip of it: one slip
// in every three letters at most.
int UnknownCommand(const QString& strName)
{
    const SCommand* pNearest = nullptr;
    int nNearest = std::max(1, int(strName.size()) / 3) + 1;
    for (const SCommand& command : CommandRegistry::All()) {
        const int nDistance = EditDistance(strName.toLower(), QString::fromLatin1(command.pszName));
        if (nDistance < nNearest) {
            nNearest = nDistance;
            pNearest = &command;
        }
    }
    if (pNearest)
        return UsageError(
            QString("unknown command '%1'; did you mean '%2'?").arg(strName, pNearest->pszName));
    return UsageError(QString("unknown command '%1' (try --help)").arg(strName));
}

int PrintCommandHelp(const QString& strName)
{
    const SCommand* pCommand = FindCommand(strName);
    if (!pCommand)
        return UnknownCommand(strName);
    std::printf("%s\n", pCommand->pszUsage);
    return EXIT_OK;
}

// Qt's own diagnostics (a missing runtime folder, font or platform notes) are
// not the tool's output; a fatal one still ends the process with its text.
void QuietMessages(QtMsgType nType, const QMessageLogContext&, const QString& strText)
{
    if (nType == QtFatalMsg)
        std::fprintf(stderr, "sendertool: %s\n", qUtf8Printable(strText));
}
} // namespace

int main(int argc, char* argv[])
{
    // Only the commands that build widgets pay for a GUI application (offscreen
    // works without a display); the computations start as a plain core application.
    qInstallMessageHandler(QuietMessages);
    std::unique_ptr<QCoreApplication> pApp;
    const SCommand* pWidgets = argc > 1 ? FindCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (pWidgets && pWidgets->bNeedsWidgets) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        pApp = std::make_unique<QApplication>(argc, argv);
    } else {
        pApp = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Qt adopts the user's locale for the C library; the output is read by
    // scripts and by the tool itself, so numbers stay in C format.
    std::setlocale(LC_NUMERIC, "C");

    // Options before the command belong to the tool; everything from the
    // command on belongs to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption optHelp(QStringList {"h", "help"});
    const QCommandLineOption optVersion("version");
    parser.addOptions({optHelp, optVersion});
    if (!parser.parse(pApp->arguments()))
        return UsageError(parser.errorText() + " (try --help)");
    if (parser.isSet(optVersion)) {
        std::printf("sendertool %s\n", SENDERTOOL_VERSION);
        return EXIT_OK;
    }
    QStringList args = parser.positionalArguments();
    if (parser.isSet(optHelp) || (args.size() == 1 && args[0] == "help")) {
        PrintHelp(stdout);
        return EXIT_OK;
    }
    if (args.isEmpty()) {
        PrintHelp(stderr);
        return EXIT_BAD_INPUT;
    }
    const QString strName = args.takeFirst();
    if (strName == "help")
        return args.size() == 1 ? PrintCommandHelp(args[0]) : UsageError("help takes one command name");
    const SCommand* pCommand = FindCommand(strName);
    if (!pCommand)
        return UnknownCommand(strName);
    if (args.contains("--help") || args.contains("-h"))
        return PrintCommandHelp(strName);
    return pCommand->pfnRun(args);
}
