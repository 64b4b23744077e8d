#pragma once

// The host data library as the plug-in reaches it.
#include "ConfigData.h"
#include "ConstantData.h"
#include "DeviceAnswers.h"
#include "HostCallLog.h"
#include "ProjectData.h"
#include "RuntimeData.h"

class CMonitorData
{
};

KIVODATA_EXPORT CProjectData* GetProjectData();
KIVODATA_EXPORT CConstantData* GetConstantData();
KIVODATA_EXPORT CConfigData* GetConfigData();
KIVODATA_EXPORT CRuntimeData* GetRuntimeData();
KIVODATA_EXPORT CMonitorData* GetMonitorData();
KIVODATA_EXPORT SDeviceAnswers* GetDeviceAnswers();
