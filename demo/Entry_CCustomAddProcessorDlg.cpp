#include "DemoEntry.h"

#include "AddressRules.h"
#include "CCustomAddProcessorDlg.h"
#include "KivoData.h"

#include <QCoreApplication>

namespace {
// The start address is suggested next to the computer the project describes.
const bool s_bLocalSource = [] {
    CAddressRules::SetDefaultLocalAddressSource([] { return GetConfigData()->LocalAddresses(); });
    return true;
}();

QString ReadBack(QWidget* pWidget)
{
    const auto* pDialog = static_cast<CCustomAddProcessorDlg*>(pWidget);
    return QString("processors = %1, ports = %2").arg(pDialog->m_nProcessorCount).arg(pDialog->m_nPortCount);
}
// The host adds the processors the user asked for, each with the chosen ports.
void Store(QWidget* pWidget)
{
    const auto* pDialog = static_cast<CCustomAddProcessorDlg*>(pWidget);
    CProjectData* pProject = GetProjectData();
    for (int i = 0; i < pDialog->m_nProcessorCount; ++i) {
        CSender sender;
        sender.LoadState(
            QCoreApplication::translate("SDemoEntry", "Processor %1").arg(pProject->GetSenderCount() + 1),
            pDialog->m_nPortCount, 60, 8, QSize(1920, 1080), {}, {});
        pProject->AddSender(sender);
    }
}
} // namespace

DEMO_ENTRY(CustomAddProcessor,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Custom add processor"),
        [](QWidget* pParent) { return new CCustomAddProcessorDlg(pParent); }, nullptr, ReadBack, false, 57,
        Store});
