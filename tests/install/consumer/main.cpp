// A minimal host: loads nothing from the build tree, only the installed package,
// and creates every exported class across the library boundary.
#include "CBackgroundImageDlg.h"
#include "CCT2ColorCoord.h"
#include "CChromaticityDlgWnd.h"
#include "CCustomAddProcessorDlg.h"
#include "CDemoProjectConfigDlg.h"
#include "CEdidSetDlg.h"
#include "CResetCoefDlg.h"
#include "CSetCanvasDlg.h"
#include "CSetDepthRateDlg.h"
#include "CSetIPOfflineDlg.h"
#include "ChromaGamutInterpolation.h"
#include "KivoData.h"
#include "Polygon.h"
#include "ProjectFile.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include <QApplication>
#include <QJsonArray>

#include <cstdio>
#include <memory>

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

    std::vector<std::unique_ptr<QWidget>> vecWidgets;
    vecWidgets.emplace_back(new CEdidSetDlg(nullptr, 16, false));
    vecWidgets.emplace_back(new CChromaticityDlgWnd(nullptr));
    vecWidgets.emplace_back(new CSetIPOfflineDlg(0, -1, true, true, nullptr));
    vecWidgets.emplace_back(new CCustomAddProcessorDlg(nullptr));
    vecWidgets.emplace_back(new CDemoProjectConfigDlg(nullptr));
    vecWidgets.emplace_back(new CSetCanvasDlg(nullptr));
    vecWidgets.emplace_back(new CSetDepthRateDlg(nullptr));
    vecWidgets.emplace_back(new CResetCoefDlg(true, nullptr));
    vecWidgets.emplace_back(new CBackgroundImageDlg(nullptr));
    for (const auto& pWidget : vecWidgets) {
        const bool bDialog = pWidget->inherits("CCustomDialog");
        if (bDialog == pWidget->inherits("CChromaticityDlgWnd"))
            return 2;
    }
    if (static_cast<CSetCanvasDlg*>(vecWidgets[5].get())->GetCanvasSize().isEmpty() != true
        && static_cast<CEdidSetDlg*>(vecWidgets[0].get())->IsSetSuccessed())
        return 4;

    QPointF ptD65;
    if (!CCCT2ColorCoord().CCTtoColorCoord(6500.0f, &ptD65, false) || ptD65.x() < 0.3 || ptD65.x() > 0.32)
        return 5;
    if (CChromaGamutInterpolation().GetData().isEmpty() || !CPolygon(QRectF(0, 0, 1, 1)).IsConvex())
        return 6;
    std::printf("registry filled, every exported class created\n");
    return 0;
}
