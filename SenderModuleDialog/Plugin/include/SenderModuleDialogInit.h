#pragma once

/// @file
/// The plug-in's entry.

#include "SenderModuleDialogExport.h"
#include "ServiceRegistry.h"

/// Called once by the host after loading the library, before creating any of its
/// classes: stores pLabel and fetches every host service into the registry. A second call
/// overwrites the registry.
SENDERMODULEDIALOG_EXPORT void SenderModuleDialogInit(ILedTesselLabel* pLabel);
