#include "DemoEntry.h"

#include "CSetDepthRateDlg.h"
#include "KivoData.h"

#include <QAction>
#include <QMenu>

namespace {
// A processor that reports an exceeded output limit (the sample's second one)
// is the current sender for as long as the dialog lives.
QWidget* CreateOnLimitedSender(QWidget* pParent)
{
    const int nSender = DemoEntries::FindSender(
        [](const CSender& sender) { return sender.Device().uOutputLimitFlags != 0; });
    return DemoEntries::CreateOnSender(nSender, [pParent] { return new CSetDepthRateDlg(pParent); });
}

QString ReadBack(QWidget*)
{
    const CSender* pSender = GetProjectData()->GetCurrentSender();
    return QString("sender: %1 Hz, %2 bit").arg(pSender->GetFrameRate()).arg(pSender->GetColorDepth());
}
} // namespace

DEMO_ENTRY(SetDepthRate,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Frame rate and colour depth"),
        [](QWidget* pParent) { return new CSetDepthRateDlg(pParent); }, nullptr, ReadBack, false, 62,
        nullptr});

DEMO_ENTRY(SetDepthRateLimited,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Frame rate and colour depth over the output limit"),
        CreateOnLimitedSender,
        [](QWidget* pWidget) {
            for (QMenu* pMenu : pWidget->findChildren<QMenu*>()) {
                for (QAction* pAction : pMenu->actions()) {
                    if (pAction->data().toInt() == 60)
                        pAction->trigger();
                }
            }
        },
        ReadBack, false, 63, nullptr});
