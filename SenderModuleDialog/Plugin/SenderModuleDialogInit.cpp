#include "SenderModuleDialogInit.h"

#include "HardwareSupport.h"
#include "ILedTesselLabel.h"
#include "KivoData.h"

ILedTesselLabel* g_pLedLabel = nullptr;
CProjectData* g_pProjectData = nullptr;
CConstantData* g_pConstantData = nullptr;
CConfigData* g_pConfigData = nullptr;
CRuntimeData* g_pRuntimeData = nullptr;
CMonitorData* g_pMonitorData = nullptr;
CHwSenderLogic* g_pHwSenderLogic = nullptr;
CHwReceiverLogic* g_pHwReceiverLogic = nullptr;
CHwVideoSourceLogic* g_pHwVideoSourceLogic = nullptr;
CHwCaliSoftEdgeLogic* g_pHwCaliSoftEdgeLogic = nullptr;
CHwAdvancedSoftEdgeLogic* g_pHwAdvancedSoftEdgeLogic = nullptr;
CHwColorBrightLogic* g_pHwColorBrightLogic = nullptr;
CHwMonitorLogic* g_pHwMonitorLogic = nullptr;

void SenderModuleDialogInit(ILedTesselLabel* pLabel)
{
    g_pLedLabel = pLabel;
    g_pProjectData = GetProjectData();
    g_pConstantData = GetConstantData();
    g_pConfigData = GetConfigData();
    g_pRuntimeData = GetRuntimeData();
    g_pMonitorData = GetMonitorData();
    g_pHwSenderLogic = GetHwSenderLogic();
    g_pHwReceiverLogic = GetHwReceiverLogic();
    g_pHwVideoSourceLogic = GetHwVideoSourceLogic();
    g_pHwCaliSoftEdgeLogic = GetHwCaliSoftEdgeLogic();
    g_pHwAdvancedSoftEdgeLogic = GetHwAdvancedSoftEdgeLogic();
    g_pHwColorBrightLogic = GetHwColorBrightLogic();
    g_pHwMonitorLogic = GetHwMonitorLogic();
}
