#pragma once

#include <QSize>
#include <QString>

// The processor's canvas limits as the sender logic reports them; the defaults
// stand when the sender logic leaves the record untouched.
struct SCanvasLimits
{
    qint32 nMaxWidth = 32768;
    qint32 nMaxHeight = 16384;
    qint32 nMaxArea = 0x20000000;
};

// Outcome of checking one width and height.
struct SCanvasCheck
{
    QSize size; // after clamping to the fixed bounds
    bool bClamped = false; // width or height was set back to its bound
    int nPreset = -1; // index into the presets, -1 for a custom size
    QString strButtonText; // what the preset button shows
    QString strError; // first problem; empty when acceptable
};

namespace CanvasRules {
constexpr int g_nMinSide = 64;
constexpr int g_nMaxWidth = 32768;
constexpr int g_nMaxHeight = 16384;
constexpr int g_nPresetCount = 3;

QSize PresetSize(int nPreset);
QString PresetText(int nPreset);
QString CustomText(int nWidth, int nHeight);
// -1 when the size is none of the presets.
int PresetOf(const QSize& size);

// pLimits is null when the processor has no canvas limits.
SCanvasCheck Check(int nWidth, int nHeight, const SCanvasLimits* pLimits);
} // namespace CanvasRules
