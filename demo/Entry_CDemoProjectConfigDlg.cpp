#include "DemoEntry.h"

#include "CDemoProjectConfigDlg.h"
#include "KivoData.h"

namespace {
QString ReadBack(QWidget*)
{
    const CProjectData* pProject = GetProjectData();
    return QString("demo mode = %1, demo sender type = %2")
        .arg(pProject->GetDemoModeEnable() ? "on" : "off")
        .arg(pProject->GetDemoSenderType());
}
} // namespace

DEMO_ENTRY(DemoProjectConfig,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Demo project"),
        [](QWidget* pParent) { return new CDemoProjectConfigDlg(pParent); }, nullptr, ReadBack, false, 58,
        nullptr});
