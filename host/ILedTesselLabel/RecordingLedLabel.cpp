#include "RecordingLedLabel.h"

#include "HostCallLog.h"

void CRecordingLedLabel::Refresh()
{
    CHostCallLog::Instance().Record("ILedTesselLabel::Refresh");
}

int CRecordingLedLabel::Notify(int nEventMask, int nParam1, int nParam2, int nParam3)
{
    CHostCallLog::Instance().Record("ILedTesselLabel::Notify", {nEventMask, nParam1, nParam2, nParam3});
    return 0;
}
