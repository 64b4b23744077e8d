#pragma once

/// @file
/// The colour group the host hands to the chromaticity widget.

#include "PointEx.h"

#include <QString>

/// Index of the white point in a group; colour points are 0, 1, 2.
constexpr int g_nWhitePoint = 3;
/// Points per group: three colour points and the white point.
constexpr int g_nChromaPointNum = 4;

/// Group key of the output colour space; the coverage ratio compares the screen with it.
constexpr int g_nOutputColorSpaceKey = 512;
/// Group key of the screen colour space after calibration.
constexpr int g_nScreenColorSpaceKey = 768;

/// One colour group of the chromaticity widget. The host fills it and hands it
/// over by value; the widget keeps its own copy. The defaults describe a plain
/// visible RGB triangle whose points may all be dragged.
struct SChromaGroupInfo
{
    /// The group's key in the widget; forced to the key when added.
    int m_nIndex = 0;
    /// CIE 1931 x, y of colour points 0, 1, 2 (red, green, blue, or cyan, magenta, yellow) and the white
    /// point 3.
    CPointEx<float> m_ptColor[g_nChromaPointNum];
    /// Per point: the user may drag it.
    bool m_bMovable[g_nChromaPointNum] = {true, true, true, true};
    /// Red of the line colour, 0 to 255; used when m_bCustomColor, else filled from the default colours.
    unsigned char m_ucLineRed = 255;
    /// Green of the line colour, 0 to 255.
    unsigned char m_ucLineGreen = 255;
    /// Blue of the line colour, 0 to 255.
    unsigned char m_ucLineBlue = 255;
    /// Pen style of the triangle lines, as Qt::PenStyle.
    int m_nLineStyle = 1; // Qt::SolidLine
    /// Pen width of the triangle lines in pixels.
    float m_fLineWidth = 1.0f;
    /// Draw with the three colour bytes above instead of a default colour.
    bool m_bCustomColor = false;
    /// The host's own flag; the widget never reads it.
    bool m_bHostFlag = false; // kept for the host; the widget never reads it
    /// The group is drawn; the coverage ratio needs both its groups visible.
    bool m_bVisible = true;
    /// Draw the marker of colour point 0, 1, 2.
    bool m_bShowPoint[3] = {true, true, true};
    /// The host's own per-point flags; the widget never reads them.
    bool m_bHostPointFlag[3] = {false, false, false}; // kept for the host; never read
    /// Draw the marker of the white point.
    bool m_bShowWhite = true;
    /// True: the colour points are the primaries; false: the secondaries, each the midpoint of the
    /// edge opposite its primary.
    bool m_bRGBMode = true;
    /// List the group in the legend.
    bool m_bShowNote = true;
    /// The legend text (keys 512 and 768 have their own).
    QString m_strName;
};
