#include "Command.h"
#include "EdidBuilder.h"
#include "ModeArgs.h"

#include <cstdio>

namespace {
int RunTiming(const QStringList& listArgs)
{
    SSplitArgs sSplit;
    SModeArgs sMode;
    QString strError;
    if (!SplitArgs(listArgs, {"--reduced-blanking", "--interlaced", "--margins"}, {}, sSplit, strError)
        || !ParseMode(sSplit.listPositional, sMode, strError))
        return UsageError(strError);
    const bool bReduced = sSplit.setFlags.contains("--reduced-blanking");
    const bool bInterlaced = sSplit.setFlags.contains("--interlaced");
    const bool bMargins = sSplit.setFlags.contains("--margins");

    STimingInfo t;
    CEdidBuilder::CalcCvtTiming(sMode.nWidth, sMode.nHeight, sMode.fRate, bInterlaced, bReduced, bMargins, t);
    const int nW = sMode.nWidth;
    const int nH = sMode.nHeight;
    const float fClock = CEdidBuilder::CalcPixelClockMHz(nW, t.nHBlank, nH, t.nVBlank, sMode.fRate);
    const int nHTotal = nW + t.nHBlank;
    const int nVTotal = nH + t.nVBlank;
    // In hertz and double precision: single-precision megahertz misses the limits by a fraction.
    if (!CheckClock(sMode, double(nHTotal) * nVTotal * double(sMode.fRate), g_modeClockRange, strError))
        return UsageError(strError);

    std::printf("# %dx%d %.2f Hz (%s%s%s) hsync: %.2f kHz; pclk: %.2f MHz\n", nW, nH, sMode.fRate,
        bReduced ? "CVT-RB" : "CVT", bInterlaced ? ", interlaced" : "", bMargins ? ", margins" : "",
        fClock * 1000.0 / nHTotal, fClock);
    std::printf("Modeline \"%dx%d_%.2f\"  %.2f  %d %d %d %d  %d %d %d %d %s%s %s\n", nW, nH, sMode.fRate,
        fClock, nW, nW + t.nHFrontPorch, nW + t.nHFrontPorch + t.nHSyncWidth, nHTotal, nH,
        nH + t.nVFrontPorch, nH + t.nVFrontPorch + t.nVSyncWidth, nVTotal, bInterlaced ? "interlace " : "",
        (t.nSyncFlags & SYNC_H_POSITIVE) ? "+hsync" : "-hsync",
        (t.nSyncFlags & SYNC_V_POSITIVE) ? "+vsync" : "-vsync");
    return EXIT_OK;
}
} // namespace

SENDERTOOL_COMMAND(timing, "timing",
    "timing WIDTH HEIGHT RATE [--reduced-blanking] [--interlaced] [--margins]\n"
    "    Computes the CVT timing of WIDTH x HEIGHT (1 to 4095) at RATE Hz and prints\n"
    "    it as a comment line and an X11 modeline, as cvt does; the clock is not\n"
    "    rounded to a clock step. When interlaced, RATE is the field rate and the\n"
    "    vertical blanking is per field. The pixel clock must be from 0.01 to\n"
    "    2147.48 MHz.",
    RunTiming);
