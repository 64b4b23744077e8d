#pragma once

#include "HwSenderLogic.h"
#include "HwVideoSourceLogic.h"
#include "SenderEdidLimitData.h"

HARDWARESUPPORT_EXPORT CHwSenderLogic* GetHwSenderLogic();
HARDWARESUPPORT_EXPORT CHwReceiverLogic* GetHwReceiverLogic();
HARDWARESUPPORT_EXPORT CHwVideoSourceLogic* GetHwVideoSourceLogic();
HARDWARESUPPORT_EXPORT CHwCaliSoftEdgeLogic* GetHwCaliSoftEdgeLogic();
HARDWARESUPPORT_EXPORT CHwAdvancedSoftEdgeLogic* GetHwAdvancedSoftEdgeLogic();
HARDWARESUPPORT_EXPORT CHwColorBrightLogic* GetHwColorBrightLogic();
HARDWARESUPPORT_EXPORT CHwMonitorLogic* GetHwMonitorLogic();
