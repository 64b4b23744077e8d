#include "Command.h"
#include "EdidBuilder.h"
#include "ModeArgs.h"

#include <cmath>
#include <cstdio>

namespace {
int RunPixelRate(const QStringList& listArgs)
{
    SSplitArgs sSplit;
    SModeArgs sMode;
    QString strError;
    if (!SplitArgs(listArgs, {}, {"--standard"}, sSplit, strError)
        || !ParseMode(sSplit.listPositional, sMode, strError))
        return UsageError(strError);
    const QString strStandard = sSplit.mapValues.value("--standard", "0");
    if (strStandard != "0" && strStandard != "1")
        return UsageError(
            QString("--standard takes 0 (reduced blanking) or 1 (standard CVT), not '%1'").arg(strStandard));

    const float fRate
        = CEdidBuilder::CalcPixelRate(sMode.nWidth, sMode.nHeight, sMode.fRate, strStandard.toInt());
    const bool bSupported = CEdidBuilder::IsPixelClockSupported(sMode.nWidth, sMode.nHeight, sMode.fRate);
    // Both clocks the answer rests on: the rate printed, and the reduced-blanking
    // clock the support check holds.
    for (float fClock : {fRate, CEdidBuilder::CalcPixelRate(sMode.nWidth, sMode.nHeight, sMode.fRate, 0)})
        if (!CheckClock(sMode, double(fClock), g_modeClockRange, strError))
            return UsageError(strError);
    std::printf("pixel rate: %lld pixels/s\n", std::llround(static_cast<double>(fRate)));
    std::printf("pixel clock supported: %s\n", bSupported ? "yes" : "no");
    return EXIT_OK;
}
} // namespace

SENDERTOOL_COMMAND(pixelrate, "pixelrate",
    "pixelrate WIDTH HEIGHT RATE [--standard 0|1]\n"
    "    Prints the pixel rate of WIDTH x HEIGHT (1 to 4095) at RATE Hz in pixels per\n"
    "    second, with the blanking of a known format or else of CVT reduced (0, the\n"
    "    default) or standard (1) blanking, and whether the pixel clock with reduced\n"
    "    blanking is supported (at most 160 MHz). The pixel clock must be from 0.01\n"
    "    to 2147.48 MHz.",
    RunPixelRate);
