#pragma once

// Argument handling shared by the commands that take WIDTH HEIGHT RATE.

#include <QMap>
#include <QSet>
#include <QStringList>

#include <cmath>

struct SModeArgs
{
    int nWidth = 0;
    int nHeight = 0;
    float fRate = 0.0f;
};

struct SSplitArgs
{
    QStringList listPositional;
    QSet<QString> setFlags;
    QMap<QString, QString> mapValues;
};

// Separates the options a command knows from its positional arguments. A
// leading '-' followed by a digit is a (negative) number, not an option, so
// that it is reported as out of range rather than as unknown.
inline bool SplitArgs(const QStringList& listArgs, const QStringList& listFlags,
    const QStringList& listValueOptions, SSplitArgs& sSplit, QString& strError)
{
    for (int i = 0; i < listArgs.size(); ++i) {
        const QString& strArg = listArgs[i];
        const bool bOption
            = strArg.size() > 1 && strArg[0] == '-' && !strArg[1].isDigit() && strArg[1] != '.';
        if (!bOption) {
            sSplit.listPositional << strArg;
        } else if (listFlags.contains(strArg)) {
            sSplit.setFlags << strArg;
        } else if (listValueOptions.contains(strArg)) {
            if (i + 1 >= listArgs.size()) {
                strError = QString("option %1 needs a value").arg(strArg);
                return false;
            }
            sSplit.mapValues[strArg] = listArgs[++i];
        } else {
            strError = QString("unknown option '%1'").arg(strArg);
            return false;
        }
    }
    return true;
}

inline bool ParseSize(const QString& strText, const char* pszName, int& nValue, QString& strError)
{
    constexpr int MAX_SIZE = 4095; // 12-bit fields of the timing descriptor
    bool bOk = false;
    nValue = strText.trimmed().toInt(&bOk);
    if (!bOk)
        strError = QString("%1 '%2' is not a whole number").arg(pszName, strText);
    else if (nValue < 1 || nValue > MAX_SIZE)
        strError = QString("%1 %2 is outside 1 to %3").arg(pszName).arg(nValue).arg(MAX_SIZE);
    return strError.isEmpty();
}

// WIDTH HEIGHT RATE, each checked; the rate must stay positive and finite in
// single precision, which is what the calculation uses.
inline bool ParseMode(const QStringList& listPositional, SModeArgs& sMode, QString& strError)
{
    if (listPositional.size() != 3) {
        strError = listPositional.size() < 3 ? "missing arguments: expected WIDTH HEIGHT RATE"
                                             : QString("unexpected argument '%1'").arg(listPositional[3]);
        return false;
    }
    if (!ParseSize(listPositional[0], "width", sMode.nWidth, strError)
        || !ParseSize(listPositional[1], "height", sMode.nHeight, strError))
        return false;
    bool bOk = false;
    const double dRate = listPositional[2].trimmed().toDouble(&bOk);
    sMode.fRate = static_cast<float>(dRate);
    if (!bOk) {
        strError = QString("rate '%1' is not a number").arg(listPositional[2]);
        return false;
    }
    if (!std::isfinite(sMode.fRate) || !(sMode.fRate > 0.0f)) {
        strError = QString("rate %1 is not a positive finite number of hertz").arg(listPositional[2]);
        return false;
    }
    return true;
}

// cvt's options for the blanking and the scan, and the long form this tool
// had first.
const QStringList g_listScanFlags {"-r", "--reduced", "--reduced-blanking", "-i", "--interlaced"};

struct SScan
{
    bool bReduced = false;
    bool bInterlaced = false;
    // As cvt does, an interlaced RATE is the frame rate; each field holds
    // half the lines, rounded down, at twice that rate.
    int nLines = 0;
    float fFieldRate = 0.0f;
};

inline SScan ScanOf(const SSplitArgs& sSplit, const SModeArgs& sMode)
{
    SScan sScan;
    const QSet<QString>& setFlags = sSplit.setFlags;
    sScan.bReduced = setFlags.contains("-r") || setFlags.contains("--reduced")
        || setFlags.contains("--reduced-blanking");
    sScan.bInterlaced = setFlags.contains("-i") || setFlags.contains("--interlaced");
    sScan.nLines = sScan.bInterlaced ? sMode.nHeight / 2 : sMode.nHeight;
    sScan.fFieldRate = sScan.bInterlaced ? 2.0f * sMode.fRate : sMode.fRate;
    return sScan;
}

// The pixel clocks a mode command accepts. Below one 10 kHz step the clock
// reads as 0, which no sink takes as a timing; above the maximum it does not
// fit the field that holds it.
struct SClockRange
{
    double dMinHz;
    double dMaxHz;
    const char* pszField;
};
constexpr SClockRange g_edidClockRange {
    10000.0, 655359999.0, "the EDID descriptor's 16-bit field of 10 kHz steps"};
constexpr SClockRange g_modeClockRange {
    10000.0, 2147483647.0, "a signed 32-bit count of hertz, as the pixel-clock check holds it"};

inline bool CheckClock(const SModeArgs& sMode, double dClockHz, const SClockRange& sRange, QString& strError)
{
    if (dClockHz >= sRange.dMinHz && dClockHz <= sRange.dMaxHz)
        return true;
    // Both limits shown in whole 10 kHz steps, as they are stored.
    auto mhz = [](double dHz) { return QString::number(std::floor(dHz / 10000.0) / 100.0, 'f', 2); };
    strError
        = QString("rate %1 Hz gives %2x%3 a pixel clock of %4 MHz; the pixel clock must be from %5 to %6 "
                  "MHz (%7)")
              .arg(double(sMode.fRate), 0, 'g', 6)
              .arg(sMode.nWidth)
              .arg(sMode.nHeight)
              .arg(dClockHz / 1e6, 0, 'g', 6)
              .arg(mhz(sRange.dMinHz), mhz(sRange.dMaxHz), sRange.pszField);
    return false;
}
