#pragma once

#include "HardwareSupportExport.h"

#include <QtGlobal>

class CSender;

// Sender (processor) logic as the plug-in uses it; answers come from the
// project's device state, sends and notifications go to the call log.
class HARDWARESUPPORT_EXPORT CHwSenderLogic
{
public:
    void NotifyEdidSent(int nSenderIndex);
    void NotifyDemoChanged();
    bool IsExtendedEdidSupported() const;
    bool GetAddressState() const;
    bool IsRestricted(int nSenderIndex) const;
    bool Is10BitSupported(int nSenderIndex) const;
    bool IsCanvasReadable(int nSenderIndex) const;
    bool Is12BitSupported(int nSenderIndex) const;
    int GetPortRowValue() const;
    int GetModelCode(int nSenderIndex) const;
    int ReadColorDepth(int nSenderIndex) const;
    // The arguments come preset with defaults; an unknown sender leaves them as they are.
    void GetCanvasLimits(int nSenderIndex, qint32& nMaxWidth, qint32& nMaxHeight, qint32& nMaxArea) const;
    // pAddresses has room for 255 words; fills first-octet-lowest values, returns the count.
    int GetAddressList(quint32* pAddresses) const;
    void WriteColorDepth(int nSenderIndex, int nDepthCode, int nReserved);
    void NotifyFrameRate(int nSenderIndex, bool bIs50Hz, int nReserved);
    int GetSenderType(int nSenderIndex) const;
};

class CHwReceiverLogic
{
};
class CHwCaliSoftEdgeLogic
{
};
class CHwAdvancedSoftEdgeLogic
{
};
class CHwColorBrightLogic
{
};
class CHwMonitorLogic
{
};
