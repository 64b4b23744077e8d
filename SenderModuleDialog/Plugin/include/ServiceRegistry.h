#pragma once

#include "SenderModuleDialogExport.h"

class ILedTesselLabel;
class CProjectData;
class CConstantData;
class CConfigData;
class CRuntimeData;
class CMonitorData;
class CHwSenderLogic;
class CHwReceiverLogic;
class CHwVideoSourceLogic;
class CHwCaliSoftEdgeLogic;
class CHwAdvancedSoftEdgeLogic;
class CHwColorBrightLogic;
class CHwMonitorLogic;

// The host's services, fetched once by SenderModuleDialogInit and only read
// afterwards. The library never owns or deletes them.
extern SENDERMODULEDIALOG_EXPORT ILedTesselLabel* g_pLedLabel;
extern SENDERMODULEDIALOG_EXPORT CProjectData* g_pProjectData;
extern SENDERMODULEDIALOG_EXPORT CConstantData* g_pConstantData;
extern SENDERMODULEDIALOG_EXPORT CConfigData* g_pConfigData;
extern SENDERMODULEDIALOG_EXPORT CRuntimeData* g_pRuntimeData;
extern SENDERMODULEDIALOG_EXPORT CMonitorData* g_pMonitorData;
extern SENDERMODULEDIALOG_EXPORT CHwSenderLogic* g_pHwSenderLogic;
extern SENDERMODULEDIALOG_EXPORT CHwReceiverLogic* g_pHwReceiverLogic;
extern SENDERMODULEDIALOG_EXPORT CHwVideoSourceLogic* g_pHwVideoSourceLogic;
extern SENDERMODULEDIALOG_EXPORT CHwCaliSoftEdgeLogic* g_pHwCaliSoftEdgeLogic;
extern SENDERMODULEDIALOG_EXPORT CHwAdvancedSoftEdgeLogic* g_pHwAdvancedSoftEdgeLogic;
extern SENDERMODULEDIALOG_EXPORT CHwColorBrightLogic* g_pHwColorBrightLogic;
extern SENDERMODULEDIALOG_EXPORT CHwMonitorLogic* g_pHwMonitorLogic;
