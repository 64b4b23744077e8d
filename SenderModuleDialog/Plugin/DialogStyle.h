#pragma once

#include "OstraStyle.h"

// The one font size of every dialog in the library, and the style sheets built from
// it, so that a change of look is made in one place.
constexpr int g_nDialogFontSize = 12;

inline QString DialogStyle(const QString& strBaseStyle, const char* pszWidgetClass)
{
    return GetFontStyleSheet(strBaseStyle, QLatin1String(pszWidgetClass), g_nDialogFontSize);
}

inline QString DialogLabelStyle()
{
    return DialogStyle(g_labelNoFrameStyle, "QLabel");
}
inline QString DialogWarnLabelStyle()
{
    return DialogStyle(g_labelWarnStyle, "QLabel");
}
inline QString DialogButtonStyle()
{
    return DialogStyle(g_pushButtonStyle, "QPushButton");
}
inline QString DialogMenuStyle()
{
    return DialogStyle(g_menuStyle, "QMenu");
}
inline QString DialogSpinBoxStyle()
{
    return DialogStyle(g_doubleSpinBoxStyle, "QDoubleSpinBox");
}
inline QString DialogCheckBoxStyle()
{
    return DialogStyle(g_checkBoxStyle, "QCheckBox");
}
