#include "DemoEntry.h"

#include "CResetCoefDlg.h"
#include "KivoData.h"

namespace {
QWidget* Create(QWidget* pParent, bool bCalibration)
{
    auto* pDialog = new CResetCoefDlg(bCalibration, pParent);
    pDialog->SetValue(GetProjectData()->GetResetCoef(bCalibration));
    return pDialog;
}

void Store(QWidget* pWidget, bool bCalibration)
{
    GetProjectData()->SetResetCoef(bCalibration, static_cast<CResetCoefDlg*>(pWidget)->GetValue());
}

QString ReadBack(QWidget* pWidget)
{
    return QString("GetValue() = %1").arg(static_cast<CResetCoefDlg*>(pWidget)->GetValue());
}
} // namespace

DEMO_ENTRY(ResetCalibrationCoef,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Reset calibration coefficient"),
        [](QWidget* pParent) { return Create(pParent, true); }, nullptr, ReadBack, false, 64,
        [](QWidget* pWidget) { Store(pWidget, true); }});

DEMO_ENTRY(ResetSeamCoef,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Reset seam coefficient"),
        [](QWidget* pParent) { return Create(pParent, false); }, nullptr, ReadBack, false, 65,
        [](QWidget* pWidget) { Store(pWidget, false); }});
