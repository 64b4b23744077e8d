#include "DemoEntry.h"

#include "CSetDepthRateDlg.h"
#include "KivoData.h"

#include <QAction>
#include <QMenu>

namespace {
// The sample's second processor reports an exceeded output limit; it is the
// current sender for as long as the dialog lives.
QWidget* CreateOnLimitedSender(QWidget* pParent)
{
    CProjectData* pProject = GetProjectData();
    const int nPrevious = pProject->GetCurSenderIndex();
    pProject->SetCurSenderIndex(1);
    auto* pDialog = new CSetDepthRateDlg(pParent);
    QObject::connect(
        pDialog, &QObject::destroyed, [nPrevious] { GetProjectData()->SetCurSenderIndex(nPrevious); });
    return pDialog;
}

QString ReadBack(QWidget*)
{
    const CSender* pSender = GetProjectData()->GetCurrentSender();
    return QString("sender: %1 Hz, %2 bit").arg(pSender->GetFrameRate()).arg(pSender->GetColorDepth());
}
} // namespace

DEMO_ENTRY(SetDepthRate,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Frame rate and colour depth"),
        [](QWidget* pParent) { return new CSetDepthRateDlg(pParent); }, nullptr, ReadBack, false, 62});

DEMO_ENTRY(SetDepthRateLimited,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Frame rate and colour depth over the output limit"),
        CreateOnLimitedSender,
        [](QWidget* pWidget) {
            for (QMenu* pMenu : pWidget->findChildren<QMenu*>()) {
                for (QAction* pAction : pMenu->actions()) {
                    if (pAction->text() == "60Hz")
                        pAction->trigger();
                }
            }
        },
        ReadBack, false, 63});
