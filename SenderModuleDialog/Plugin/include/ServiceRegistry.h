#pragma once

/// @file
/// The registry of host services the dialogs reach the host through.

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
// afterwards; null until then. The library never owns or deletes them.
/// The host's label interface, the entry's argument.
extern SENDERMODULEDIALOG_EXPORT ILedTesselLabel* g_pLedLabel;
/// The project data, from GetProjectData().
extern SENDERMODULEDIALOG_EXPORT CProjectData* g_pProjectData;
/// The constant data, from GetConstantData().
extern SENDERMODULEDIALOG_EXPORT CConstantData* g_pConstantData;
/// The configuration data, from GetConfigData().
extern SENDERMODULEDIALOG_EXPORT CConfigData* g_pConfigData;
/// The runtime data, from GetRuntimeData().
extern SENDERMODULEDIALOG_EXPORT CRuntimeData* g_pRuntimeData;
/// The monitor data, from GetMonitorData(); not read by the dialogs.
extern SENDERMODULEDIALOG_EXPORT CMonitorData* g_pMonitorData;
/// The sender hardware logic, from GetHwSenderLogic().
extern SENDERMODULEDIALOG_EXPORT CHwSenderLogic* g_pHwSenderLogic;
/// The receiving-card hardware logic, from GetHwReceiverLogic(); not read by the dialogs.
extern SENDERMODULEDIALOG_EXPORT CHwReceiverLogic* g_pHwReceiverLogic;
/// The video-source hardware logic, from GetHwVideoSourceLogic().
extern SENDERMODULEDIALOG_EXPORT CHwVideoSourceLogic* g_pHwVideoSourceLogic;
/// The calibration soft-edge logic, from GetHwCaliSoftEdgeLogic(); not read by the dialogs.
extern SENDERMODULEDIALOG_EXPORT CHwCaliSoftEdgeLogic* g_pHwCaliSoftEdgeLogic;
/// The advanced soft-edge logic, from GetHwAdvancedSoftEdgeLogic(); not read by the dialogs.
extern SENDERMODULEDIALOG_EXPORT CHwAdvancedSoftEdgeLogic* g_pHwAdvancedSoftEdgeLogic;
/// The colour and brightness logic, from GetHwColorBrightLogic(); not read by the dialogs.
extern SENDERMODULEDIALOG_EXPORT CHwColorBrightLogic* g_pHwColorBrightLogic;
/// The monitoring logic, from GetHwMonitorLogic(); not read by the dialogs.
extern SENDERMODULEDIALOG_EXPORT CHwMonitorLogic* g_pHwMonitorLogic;
