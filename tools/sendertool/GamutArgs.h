#pragma once

// Gamut arguments shared by the commands that put colour groups on the
// chromaticity diagram: a standard's name or "rx,ry,gx,gy,bx,by,wx,wy",
// optionally followed by "@KEY".

#include "ChromaGroupInfo.h"
#include "ColorStandard.h"
#include "Command.h"

#include <cmath>

struct SGamutArg
{
    SChromaGroupInfo sGroup;
    int nKey = -1; // -1: none given
};

inline bool ParseGamutCoords(const QString& strText, SChromaGroupInfo& sGroup, QString& strError)
{
    const enColorStandard enStandard = ColorStandardFromName(strText);
    if (enStandard != enStandardNone) {
        const SColorStandardGamut& sGamut = ColorStandardGamut(enStandard);
        std::copy(std::begin(sGamut.ptColor), std::end(sGamut.ptColor), sGroup.m_ptColor);
        sGroup.m_strName = QString::fromLatin1(sGamut.pszName);
        return true;
    }
    const QStringList listValues = strText.split(',');
    if (listValues.size() != 2 * g_nChromaPointNum) {
        strError = listValues.size() == 1
            ? QString("unknown colour standard '%1' (sRGB, AdobeRGB, PAL, NTSC, Rec601, Rec709, Rec2020, "
                      "DCIP3, or rx,ry,gx,gy,bx,by,wx,wy)")
                  .arg(strText)
            : QString("gamut '%1' has %2 values; expected 8: rx,ry,gx,gy,bx,by,wx,wy")
                  .arg(strText)
                  .arg(listValues.size());
        return false;
    }
    float arrValue[2 * g_nChromaPointNum];
    for (int i = 0; i < listValues.size(); ++i) {
        double dValue = 0.0;
        if (!ParseDouble(listValues[i].trimmed(), dValue) || !std::isfinite(dValue)) {
            strError = QString("'%1' in gamut '%2' is not a number").arg(listValues[i], strText);
            return false;
        }
        if (dValue < 0.0 || dValue > 1.0) {
            strError = QString("chromaticity %1 in gamut '%2' is outside 0 to 1").arg(listValues[i], strText);
            return false;
        }
        arrValue[i] = float(dValue);
    }
    for (int k = 0; k < g_nChromaPointNum; ++k)
        sGroup.m_ptColor[k] = CPointEx<float>(arrValue[2 * k], arrValue[2 * k + 1]);
    sGroup.m_strName = "Custom";
    return true;
}

// bAllowKey: whether "@KEY" may follow (a whole number of at least 0).
inline bool ParseGamutArg(const QString& strText, bool bAllowKey, SGamutArg& sArg, QString& strError)
{
    QString strCoords = strText;
    const int nAt = strText.indexOf('@');
    if (nAt >= 0) {
        if (!bAllowKey) {
            strError = QString("gamut '%1': a group key is not allowed here").arg(strText);
            return false;
        }
        strCoords = strText.left(nAt);
        const QString strKey = strText.mid(nAt + 1);
        if (!ParseInt(strKey, sArg.nKey) || sArg.nKey < 0) {
            strError = QString("group key '%1' is not a whole number of at least 0").arg(strKey);
            return false;
        }
    }
    return ParseGamutCoords(strCoords, sArg.sGroup, strError);
}
