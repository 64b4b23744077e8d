#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Colours of the dark theme shared by the style sheets and the self-painted
// controls, so both stay one look. Internal to the library.
namespace OstraTheme {
constexpr QRgb g_rgbWindow = 0xff2b2d31;
constexpr QRgb g_rgbPanel = 0xff1e1f22;
constexpr QRgb g_rgbButton = 0xff3a3d42;
constexpr QRgb g_rgbBorder = 0xff4a4d52;
constexpr QRgb g_rgbText = 0xffe6e6e6;
constexpr QRgb g_rgbTextDisabled = 0xff7a7d82;
constexpr QRgb g_rgbAccent = 0xff2f8cff;
constexpr QRgb g_rgbWarn = 0xffff6a3d;
// Pixel size of the controls' own texts (windows, message boxes, progress).
constexpr int g_nTextPixelSize = 12;

QPalette DarkPalette();
// Dark palette, host font and background filling for a top-level window.
void ApplyWindowLook(QWidget* pWindow);
} // namespace OstraTheme
