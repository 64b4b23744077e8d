#pragma once

#include <QString>
#include <QVector>

// Menus, parsing and messages of the frame rate and colour depth dialog.
namespace DepthRateRules {
// Model whose restricted rate menu has no 50 Hz.
constexpr int g_nModelWithout50Hz = 38;

// The values offered, in menu order; menus carry them as their entries' data.
QVector<int> RateMenu(bool bRestricted, int nModelCode);
QVector<int> DepthMenu(bool bRestricted, bool b10BitSupported, bool b12BitSupported, int nModelCode);

// One spelling for the button and the menu alike; shown, never read back.
QString RateText(int nRate); // "60Hz"
QString DepthText(int nDepth); // "8bit"
// Hardware depth code: 0, 1, 2 for 8, 10, 12 bit; -1 for any other depth.
int DepthCode(int nDepth);

// Message for the first limit flag set in uFlags; strPrevious when none of
// the known flags is set.
QString OutputLimitMessage(quint32 uFlags, int nModelCode, const QString& strPrevious);
// Asked when the input runs faster than the chosen output rate.
QString RateQuestion(int nRate, float fInputMaxRate);
} // namespace DepthRateRules
