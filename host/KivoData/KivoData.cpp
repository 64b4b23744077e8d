#include "KivoData.h"

// One instance of each for the whole process, alive as long as the library is loaded.
template <typename T> static T* Instance()
{
    static T s_object;
    return &s_object;
}

CProjectData* GetProjectData()
{
    return Instance<CProjectData>();
}
CConstantData* GetConstantData()
{
    return Instance<CConstantData>();
}
CConfigData* GetConfigData()
{
    return Instance<CConfigData>();
}
CRuntimeData* GetRuntimeData()
{
    return Instance<CRuntimeData>();
}
CMonitorData* GetMonitorData()
{
    return Instance<CMonitorData>();
}
SDeviceAnswers* GetDeviceAnswers()
{
    return Instance<SDeviceAnswers>();
}
