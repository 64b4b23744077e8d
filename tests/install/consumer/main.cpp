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
#include "ChromaGamutThread.h"
#include "KivoData.h"
#include "Polygon.h"
#include "ProjectFile.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"
#include "SenderModuleDialogVersion.h"

#include <QApplication>
#include <QImage>
#include <QJsonArray>

#include <cstdio>
#include <memory>

// A host function that happens to share a name with one of the plug-in's
// internal helpers. Were the helper exported, this would replace it inside the
// plug-in and the gamut fill would lose its colours.
struct CLineEx;
float PointLineDistance(const CLineEx&, const CPointEx<float>&)
{
    return 0.0f;
}

// Pixels of the widget that are neither grey nor near black: the gamut fill.
static int ColouredPixels(QWidget& widget)
{
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color.saturation() > 64 && color.value() > 64)
                ++nCount;
        }
    return nCount;
}

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

    // The header the host compiled against and the library it runs with agree.
    if (QString(SenderModuleDialogVersion()) != SENDERMODULEDIALOG_VERSION_STRING
        || SENDERMODULEDIALOG_VERSION_MAJOR != 1)
        return 7;

    // The host starts the widget's worker; it fills the slots set up before.
    CChromaticityDlgWnd wnd;
    wnd.resize(400, 400);
    wnd.SetSize(400, 400);
    wnd.SetWndData(2, 300, 200);
    wnd.GamutThread()->start();
    wnd.GamutThread()->wait();
    if (!wnd.WndBitmap(2).m_bReady || !wnd.WndBitmap(2).m_pImage || wnd.WndBitmap(2).m_pImage->width() != 300)
        return 8;
    int nRunOver = 0;
    CChromaGamutThread worker;
    QObject::connect(&worker, &CChromaGamutThread::RunOver, [&] { ++nRunOver; });
    worker.start();
    worker.wait();
    QCoreApplication::processEvents();
    if (nRunOver != 1)
        return 9;
    const int nColoured = ColouredPixels(wnd);
    if (nColoured < 10000) {
        std::fprintf(stderr, "gamut fill has %d coloured pixels\n", nColoured);
        return 10;
    }
    std::printf("registry filled, every exported class created, %d coloured pixels\n", nColoured);
    return 0;
}
