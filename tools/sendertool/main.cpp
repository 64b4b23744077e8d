#include "Command.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>

static void PrintHelp(FILE* pFile)
{
    std::fprintf(pFile, "usage: sendertool COMMAND [ARGS]\n\ncommands:\n");
    std::vector<SCommand> vecSorted = CommandRegistry::All();
    std::sort(vecSorted.begin(), vecSorted.end(),
              [](const SCommand& a, const SCommand& b) { return std::strcmp(a.pszName, b.pszName) < 0; });
    for (const SCommand& command : vecSorted)
        std::fprintf(pFile, "%s\n", command.pszUsage);
}

int main(int argc, char* argv[])
{
    // Rendering commands need a GUI application; offscreen works without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

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
