#pragma once

#include "PointEx.h"

#include <QString>

// A group has colour points 0, 1, 2 and the white point 3.
constexpr int g_nWhitePoint = 3;
constexpr int g_nChromaPointNum = 4;

// Fixed roles of two group keys; the coverage ratio compares them.
constexpr int g_nOutputColorSpaceKey = 512;
constexpr int g_nScreenColorSpaceKey = 768;

// One colour group of the chromaticity widget. The host fills it and hands it
// over by value; the widget keeps its own copy. The defaults describe a plain
// visible RGB triangle whose points may all be dragged.
struct SChromaGroupInfo
{
    int m_nIndex = 0;
    // 0, 1, 2: colour points (red, green, blue or cyan, magenta, yellow); 3: white point.
    CPointEx<float> m_ptColor[g_nChromaPointNum];
    bool m_bMovable[g_nChromaPointNum] = {true, true, true, true};
    unsigned char m_ucLineRed = 255;
    unsigned char m_ucLineGreen = 255;
    unsigned char m_ucLineBlue = 255;
    int m_nLineStyle = 1; // Qt::SolidLine
    float m_fLineWidth = 1.0f;
    bool m_bCustomColor = false;
    bool m_bHostFlag = false; // kept for the host; the widget never reads it
    bool m_bVisible = true;
    bool m_bShowPoint[3] = {true, true, true};
    bool m_bHostPointFlag[3] = {false, false, false}; // kept for the host; never read
    bool m_bShowWhite = true;
    // false: the colour points are the secondaries, each the midpoint of the
    // edge opposite its primary.
    bool m_bRGBMode = true;
    bool m_bShowNote = true;
    QString m_strName;
};
