#pragma once

#include "HardwareSupportExport.h"

#include <QString>

class CSenderEdidLimitData;

// Video-source logic: the sender's video inputs, their EDID settings and limits.
// Records and input descriptors are the 20-byte wire formats the plug-in builds.
class HARDWARESUPPORT_EXPORT CHwVideoSourceLogic
{
public:
    static const int c_nRecordSize = 20;

    QString GetInputName(int nSenderIndex, const quint8* pInputDescriptor, int nReserved) const;
    // Fills the 20-byte record; false when the input has no readable settings.
    bool ReadEdidSetting(int nSenderIndex, const quint8* pInputDescriptor, quint8* pRecord) const;
    // Fills the limits and remembers the input for the format check.
    void GetEdidLimit(int nSenderIndex, int nInputId, CSenderEdidLimitData* pLimit);
    // Checks a format against the input of the last limit query: uClockOrArea is the
    // pixel clock in MHz when that input checks by pixel clock, else the maximum area.
    // An empty message means acceptable.
    void CheckEdidFormat(int nWidth, int nHeight, quint32 uClockOrArea, QString& strMessage) const;
    int SendEdidSetting(int nSenderIndex, int nInputId, const quint8* pRecord);
    void ApplyEdidSetting(int nSenderIndex, int nReserved);
    void CompleteBasicEdid(int nSenderIndex, int nWidth, int nHeight, bool* pSucceeded);
    float GetInputMaxFrameRate(int nSenderIndex) const;
    // True when the output exceeds a limit; the flag word says which.
    bool CheckOutputLimit(int nSenderIndex, quint32& uFlags) const;

private:
    int m_nCheckSender = -1;
    int m_nCheckInput = -1;
};
