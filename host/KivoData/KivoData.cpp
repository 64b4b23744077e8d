#include "KivoData.h"

// One instance of each for the whole process, alive as long as the library is loaded.
CProjectData* GetProjectData()
{
    static CProjectData s_data;
    return &s_data;
}

CConstantData* GetConstantData()
{
    static CConstantData s_data;
    return &s_data;
}

CConfigData* GetConfigData()
{
    static CConfigData s_data;
    return &s_data;
}

CRuntimeData* GetRuntimeData()
{
    static CRuntimeData s_data;
    return &s_data;
}

CMonitorData* GetMonitorData()
{
    static CMonitorData s_data;
    return &s_data;
}

SDeviceAnswers* GetDeviceAnswers()
{
    static SDeviceAnswers s_answers;
    return &s_answers;
}
