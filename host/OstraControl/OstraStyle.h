#pragma once

#include "OstraControlExport.h"

#include <QString>

// Font family used for every text of the host's controls; prefers a family
// that has the Chinese glyphs the user interface needs.
OSTRACONTROL_EXPORT QString GetFontFamily();

// strBaseStyle followed by a rule giving every strWidgetClass the host font at
// nPixelSize pixels, ready for setStyleSheet().
OSTRACONTROL_EXPORT QString GetFontStyleSheet(
    const QString& strBaseStyle, const QString& strWidgetClass, int nPixelSize);

// Base style sheets of the host's dark theme.
OSTRACONTROL_EXPORT extern const QString g_checkBoxStyle;
OSTRACONTROL_EXPORT extern const QString g_doubleSpinBoxStyle;
OSTRACONTROL_EXPORT extern const QString g_labelNoFrameStyle;
OSTRACONTROL_EXPORT extern const QString g_labelWarnStyle;
OSTRACONTROL_EXPORT extern const QString g_menuStyle;
OSTRACONTROL_EXPORT extern const QString g_pushButtonStyle;
