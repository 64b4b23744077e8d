#include "Command.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

static void PrintHelp(FILE* pFile)
{
    std::fprintf(pFile, "usage: sendertool COMMAND [ARGS]\n\ncommands:\n");
    std::vector<SCommand> vecSorted = CommandRegistry::All();
    std::sort(vecSorted.begin(), vecSorted.end(),
        [](const SCommand& a, const SCommand& b) { return std::strcmp(a.pszName, b.pszName) < 0; });
    for (const SCommand& command : vecSorted)
        std::fprintf(pFile, "%s\n", command.pszUsage);
}

static bool NeedsWidgets(const char* pszName)
{
    for (const SCommand& command : CommandRegistry::All()) {
        if (std::strcmp(command.pszName, pszName) == 0)
            return command.bNeedsWidgets;
    }
    return false;
}

int main(int argc, char* argv[])
{
    // Only the commands that build widgets pay for a GUI application (offscreen
    // works without a display); the computations start as a plain core application.
    std::unique_ptr<QCoreApplication> pApp;
    if (argc > 1 && NeedsWidgets(argv[1])) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        pApp = std::make_unique<QApplication>(argc, argv);
    } else {
        pApp = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = pApp->arguments().mid(1);

    if (args.isEmpty()) {
        PrintHelp(stderr);
        return EXIT_BAD_INPUT;
    }
    const QString strName = args.takeFirst();
    if (strName == "--help" || strName == "-h" || strName == "help") {
        PrintHelp(stdout);
        return EXIT_OK;
    }
    for (const SCommand& command : CommandRegistry::All()) {
        if (strName == command.pszName) {
            if (args.contains("--help")) {
                std::printf("%s\n", command.pszUsage);
                return EXIT_OK;
            }
            return command.pfnRun(args);
        }
    }
    return UsageError(QString("unknown command '%1' (try --help)").arg(strName));
}
