#include "DemoEntry.h"

#include "CSetCanvasDlg.h"
#include "KivoData.h"

#include <QDoubleSpinBox>

namespace {
// A processor that enforces canvas limits (the sample's second one) is the
// current sender for as long as the dialog lives.
QWidget* CreateOnLimitedSender(QWidget* pParent)
{
    const int nSender
        = DemoEntries::FindSender([](const CSender& sender) { return sender.Device().bRestricted; });
    return DemoEntries::CreateOnSender(nSender, [pParent] { return new CSetCanvasDlg(pParent); });
}

QString ReadBack(QWidget* pWidget)
{
    const QSize size = static_cast<CSetCanvasDlg*>(pWidget)->GetCanvasSize();
    return QString("GetCanvasSize() = %1 x %2").arg(size.width()).arg(size.height());
}
// The dialog writes nothing itself: the host keeps its answer for the sender
// it was opened on.
void Store(QWidget* pWidget)
{
    GetProjectData()->GetCurrentSender()->SetCanvasSize(
        static_cast<CSetCanvasDlg*>(pWidget)->GetCanvasSize());
}
} // namespace

DEMO_ENTRY(SetCanvas,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Canvas size"),
        [](QWidget* pParent) { return new CSetCanvasDlg(pParent); }, nullptr, ReadBack, false, 60, Store});

DEMO_ENTRY(SetCanvasLimited,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Canvas size over the area limit"), CreateOnLimitedSender,
        [](QWidget* pWidget) {
            // Both boxes at their maximum exceed the processor's area.
            for (QDoubleSpinBox* pBox : pWidget->findChildren<QDoubleSpinBox*>())
                pBox->setValue(pBox->maximum());
        },
        ReadBack, false, 61, Store});
