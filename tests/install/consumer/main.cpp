// A minimal host: loads nothing from the build tree, only the installed package.
#include "KivoData.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    CRecordingLedLabel label;
    SenderModuleDialogInit(&label);
    if (g_pLedLabel != &label || g_pProjectData != GetProjectData() || !g_pHwMonitorLogic)
        return 1;
    std::printf("registry filled\n");
    return 0;
}
