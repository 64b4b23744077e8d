#include "CCT2ColorCoord.h"
#include "Command.h"
#include "ModeArgs.h"

#include <cstdio>

namespace {
int RunXy2Cct(const QStringList& listArgs)
{
    SSplitArgs sSplit;
    QString strError;
    if (!SplitArgs(listArgs, {"--raw"}, {}, sSplit, strError))
        return UsageError(strError);
    if (sSplit.listPositional.size() != 2)
        return UsageError("xy2cct takes the chromaticity X and Y");
    double dX = 0.0, dY = 0.0;
    if (!ParseDouble(sSplit.listPositional[0], dX) || !ParseDouble(sSplit.listPositional[1], dY))
        return UsageError("X and Y must be numbers");

    CCCT2ColorCoord cct;
    cct.CalcColorGamut();
    cct.ColorCoordTables();
    const QPointF xy(dX, dY);
    float fKelvin = 0.0f;
    if (!cct.TriangAlgCalcRelativeCCT(xy, &fKelvin, sSplit.setFlags.contains("--raw"))) {
        const char* pszReason = cct.isCoordInArea(xy)
            ? "its temperature is outside 4000 to 25000 K"
            : "it lies outside the valid area of the daylight locus";
        std::fprintf(stderr, "sendertool: (%g, %g) has no colour temperature: %s\n", dX, dY, pszReason);
        return EXIT_FAILURE_RESULT;
    }
    std::printf("%.1f\n", double(fKelvin));
    return EXIT_OK;
}
} // namespace

SENDERTOOL_COMMAND(xy2cct, "xy2cct",
    "xy2cct X Y [--raw]\n"
    "    Prints the correlated colour temperature in kelvin of the chromaticity\n"
    "    (X, Y), interpolated along the daylight locus. A point within 0.00001 of\n"
    "    D65 gives exactly 6500 unless --raw. Exit code 1 when the point has no\n"
    "    temperature between 4000 and 25000 K.",
    RunXy2Cct);
