#pragma once

#include "SenderModuleDialogExport.h"
#include "ServiceRegistry.h"

// Called once by the host after loading the library, before creating any of its
// classes: stores the label interface and fetches every host service.
SENDERMODULEDIALOG_EXPORT void SenderModuleDialogInit(ILedTesselLabel* pLabel);
