#pragma once

#include <QSize>
#include <QVector>

// Limits of one sender video input, filled by the video-source logic.
class CSenderEdidLimitData
{
public:
    CSenderEdidLimitData() = default;

    qint32 m_nMaxWidth = 0;
    qint32 m_nMaxHeight = 0;
    qint32 m_nMaxArea = 0; // pixels at 60 Hz
    bool m_bCheckByPixelClock = false;
    QVector<QSize> m_vecResolutions;
};
