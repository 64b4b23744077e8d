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
    if (!SplitArgs(listArgs, g_listScanFlags + QStringList {"--margins"}, {}, sSplit, strError)
        || !ParseMode(sSplit.listPositional, sMode, strError))
        return UsageError(strError);
    const SScan sScan = ScanOf(sSplit, sMode);
    const bool bMargins = sSplit.setFlags.contains("--margins");

    STimingInfo t;
    CEdidBuilder::CalcCvtTiming(
        sMode.nWidth, sMode.nHeight, sScan.fFieldRate, sScan.bInterlaced, sScan.bReduced, bMargins, t);
    const int nW = sMode.nWidth;
    const int nH = sMode.nHeight;
    const float fClock
        = CEdidBuilder::CalcPixelClockMHz(nW, t.nHBlank, sScan.nLines, t.nVBlank, sScan.fFieldRate);
    const int nHTotal = nW + t.nHBlank;
    const int nFieldTotal = sScan.nLines + t.nVBlank;
    // A modeline counts the lines of both fields.
    const int nVTotal = sScan.bInterlaced ? 2 * nFieldTotal : nFieldTotal;
    // In hertz and double precision: single-precision megahertz misses the limits by a fraction.
    if (!CheckClock(
            sMode, double(nHTotal) * nFieldTotal * double(sScan.fFieldRate), g_modeClockRange, strError))
        return UsageError(strError);

    // The comment gives the field rate, the mode's name the rate asked for, as cvt does.
    std::printf("# %dx%d %.2f Hz (%s%s%s) hsync: %.2f kHz; pclk: %.2f MHz\n", nW, nH, sScan.fFieldRate,
        sScan.bReduced ? "CVT-RB" : "CVT", sScan.bInterlaced ? ", interlaced" : "",
        bMargins ? ", margins" : "", fClock * 1000.0 / nHTotal, fClock);
    std::printf("Modeline \"%dx%d_%.2f\"  %.2f  %d %d %d %d  %d %d %d %d %s%s %s\n", nW, nH, sMode.fRate,
        fClock, nW, nW + t.nHFrontPorch, nW + t.nHFrontPorch + t.nHSyncWidth, nHTotal, nH,
        nH + t.nVFrontPorch, nH + t.nVFrontPorch + t.nVSyncWidth, nVTotal,
        sScan.bInterlaced ? "interlace " : "", (t.nSyncFlags & SYNC_H_POSITIVE) ? "+hsync" : "-hsync",
        (t.nSyncFlags & SYNC_V_POSITIVE) ? "+vsync" : "-vsync");
    return EXIT_OK;
}
} // namespace

SENDERTOOL_COMMAND(timing, "timing",
    "timing WIDTH HEIGHT RATE [-r|--reduced] [-i|--interlaced] [--margins]\n"
    "    Computes the CVT timing of WIDTH x HEIGHT (1 to 4095) at RATE Hz and prints\n"
    "    it as a comment line and an X11 modeline, as cvt does; the clock is not\n"
    "    rounded to a clock step. -r uses reduced blanking (--reduced-blanking is\n"
    "    the same). With -i, RATE is the frame rate: each field has half the lines\n"
    "    at twice the rate, and the comment gives that field rate. The pixel clock\n"
    "    must be from 0.01 to 2147.48 MHz.",
    RunTiming);
