#include "DemoEntry.h"

#include "AddressRules.h"
#include "CCustomAddProcessorDlg.h"
#include "KivoData.h"

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
} // namespace

DEMO_ENTRY(CustomAddProcessor,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Custom add processor"),
        [](QWidget* pParent) { return new CCustomAddProcessorDlg(pParent); }, nullptr, ReadBack, false, 57});
