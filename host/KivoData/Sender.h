#pragma once

#include "KivoDataExport.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QVector>

// What one video input of a sender answers. The EDID settings record is kept as
// the raw 20 bytes the plug-in sends: the host stores it, it does not interpret it.
struct SVideoInputState
{
    int nId = 0;
    QString strName;
    QByteArray baEdidRecord; // empty: the device has no readable settings

    // Limits reported to the EDID dialog.
    int nMaxWidth = 3840;
    int nMaxHeight = 2160;
    int nMaxArea60 = 2073600;
    bool bCheckByPixelClock = false;
    QVector<QSize> vecResolutions;

    // The input's own bandwidth rule, applied by the format check.
    int nPixelClockLimitMHz = 600;
    int nDisplayIdAboveWidth = 0; // 0: never answers the DisplayID note

    int nSendResult = 0; // negative: the device refuses the settings
    bool bBasicSucceeded = true; // answer of the basic completion
};

// Everything the simulated hardware answers about one sender.
struct KIVODATA_EXPORT SSenderDeviceState
{
    int nModelCode = 21;
    int nSenderType = 0;
    bool bRestricted = false;
    bool b10BitSupported = true;
    bool b12BitSupported = false;
    bool bCanvasReadable = true;
    int nDepthCode = 0; // 0, 1, 2 for 8, 10, 12 bit
    qint32 nCanvasMaxWidth = 32768;
    qint32 nCanvasMaxHeight = 16384;
    qint32 nCanvasMaxArea = 536870912;
    quint32 uOutputLimitFlags = 0; // non-zero: the output limit check reports exceeded
    float fMaxInputRate = 0.0f; // 0: the host has no value
    QVector<SVideoInputState> vecInputs;

    SVideoInputState* FindInput(int nInputId);
    const SVideoInputState* FindInput(int nInputId) const;
};

struct SSenderBackground
{
    quint8 ucOpacity = 255;
    quint8 ucEnabled = 0;
    quint8 ucStretched = 0;
};

class KIVODATA_EXPORT CSender
{
public:
    CSender() = default;

    QString GetName() const { return m_strName; }
    void SetName(const QString& strName) { m_strName = strName; }

    int GetOutputPortCount() const { return m_nOutputPortCount; }
    void SetOutputPortCount(int nCount);

    int GetFrameRate() const { return m_nFrameRate; }
    void SetFrameRate(int nRate);

    int GetColorDepth() const { return m_nColorDepth; }
    void SetColorDepth(int nDepth);

    QSize GetCanvasSize() const { return m_sizeCanvas; }
    void SetCanvasSize(const QSize& size);

    const SSenderBackground& GetBackground() const { return m_background; }
    // Opacity 0 to 255, enabled and stretched 0 or 1, written together as the host stores them.
    void SetBackground(quint8 ucOpacity, quint8 ucEnabled, quint8 ucStretched);

    SSenderDeviceState& Device() { return m_device; }
    const SSenderDeviceState& Device() const { return m_device; }

    // Loading a project must not look like plug-in writes in the call log.
    void LoadState(const QString& strName, int nPorts, int nRate, int nDepth, const QSize& sizeCanvas,
        const SSenderBackground& background, const SSenderDeviceState& device);

private:
    QString m_strName;
    int m_nOutputPortCount = 16;
    int m_nFrameRate = 60;
    int m_nColorDepth = 8;
    QSize m_sizeCanvas = QSize(1920, 1080);
    SSenderBackground m_background;
    SSenderDeviceState m_device;
};
