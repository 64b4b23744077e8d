#include "CChromaticityDlgWnd.h"
#include "Command.h"
#include "GamutArgs.h"

#include <cstdio>

namespace {

int RunCoverage(const QStringList& listArgs)
{
    QString strScreen, strOutput;
    for (int i = 0; i < listArgs.size(); i += 2) {
        const QString& strOption = listArgs[i];
        if (strOption != "--screen" && strOption != "--output")
            return UsageError(QString("unexpected argument '%1'").arg(strOption));
        if (i + 1 >= listArgs.size())
            return UsageError(QString("option %1 needs a value").arg(strOption));
        (strOption == "--screen" ? strScreen : strOutput) = listArgs[i + 1];
    }
    if (strScreen.isEmpty() || strOutput.isEmpty())
        return UsageError("missing --screen SPEC or --output SPEC");

    SGamutArg sScreen, sOutput;
    QString strError;
    if (!ParseGamutArg(strScreen, false, sScreen, strError)
        || !ParseGamutArg(strOutput, false, sOutput, strError))
        return UsageError(strError);

    CChromaticityDlgWnd wnd;
    wnd.AddChromaGroupByIndex(g_nScreenColorSpaceKey, sScreen.sGroup);
    wnd.AddChromaGroupByIndex(g_nOutputColorSpaceKey, sOutput.sGroup);
    const int nRatio = wnd.CalcRatio();
    if (nRatio < 0) {
        std::fprintf(stderr, "sendertool: the coverage cannot be computed\n");
        return EXIT_FAILURE_RESULT;
    }
    std::printf("%d\n", nRatio);
    return EXIT_OK;
}

} // namespace

SENDERTOOL_WIDGET_COMMAND(coverage, "coverage",
    "coverage --screen SPEC --output SPEC\n"
    "    Prints how much of the output gamut the screen gamut covers, in whole\n"
    "    percent. SPEC is a standard (sRGB, AdobeRGB, PAL, NTSC, Rec601, Rec709,\n"
    "    Rec2020, DCIP3) or rx,ry,gx,gy,bx,by,wx,wy.",
    RunCoverage);
