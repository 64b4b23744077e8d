#include "SenderModuleDialogVersion.h"

const char* SenderModuleDialogVersion()
{
    return SENDERMODULEDIALOG_VERSION_STRING;
}
