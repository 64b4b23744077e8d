// A minimal host: loads nothing from the build tree, only the installed package.
#include "CResetCoefDlg.h"
#include "CSetCanvasDlg.h"
#include "KivoData.h"
#include "ProjectFile.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include <QApplication>
#include <QJsonArray>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The host always has a project with a sender before it opens a dialog.
    const QJsonObject objProject {{"format", "SenderModuleDialog host project"}, {"version", 1},
        {"project", QJsonObject {{"senders", QJsonArray {QJsonObject {}}}}}};
    QString strError;
    if (!ProjectFile::FromJson(objProject, &strError)) {
        std::fprintf(stderr, "%s\n", qPrintable(strError));
        return 3;
    }
    CRecordingLedLabel label;
    SenderModuleDialogInit(&label);
    if (g_pLedLabel != &label || g_pProjectData != GetProjectData() || !g_pHwMonitorLogic)
        return 1;
    // Exported classes are created and destroyed across the library boundary.
    {
        CResetCoefDlg coefDlg(true, nullptr);
        CSetCanvasDlg canvasDlg(nullptr);
        if (!coefDlg.inherits("CCustomDialog") || !canvasDlg.metaObject()->className())
            return 2;
    }
    std::printf("registry filled, dialogs created\n");
    return 0;
}
