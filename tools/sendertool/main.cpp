#include "Command.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

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
        "       sendertool help [COMMAND]   (or COMMAND --help)\n"
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

int PrintCommandHelp(const QString& strName)
{
    const SCommand* pCommand = FindCommand(strName);
    if (!pCommand)
        return UsageError(QString("unknown command '%1' (try --help)").arg(strName));
    std::printf("%s\n", pCommand->pszUsage);
    return EXIT_OK;
}
} // namespace

int main(int argc, char* argv[])
{
    // Only the commands that build widgets pay for a GUI application (offscreen
    // works without a display); the computations start as a plain core application.
    std::unique_ptr<QCoreApplication> pApp;
    const SCommand* pWidgets = argc > 1 ? FindCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (pWidgets && pWidgets->bNeedsWidgets) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        pApp = std::make_unique<QApplication>(argc, argv);
    } else {
        pApp = std::make_unique<QCoreApplication>(argc, argv);
    }

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
        return UsageError(QString("unknown command '%1' (try --help)").arg(strName));
    if (args.contains("--help"))
        return PrintCommandHelp(strName);
    return pCommand->pfnRun(args);
}
