#include "DemoEntry.h"

#include "CResetCoefDlg.h"

namespace {
QWidget* Create(QWidget* pParent, bool bCalibration)
{
    auto* pDialog = new CResetCoefDlg(bCalibration, pParent);
    pDialog->SetValue(0.85f);
    return pDialog;
}

QString ReadBack(QWidget* pWidget)
{
    return QString("GetValue() = %1").arg(static_cast<CResetCoefDlg*>(pWidget)->GetValue());
}
} // namespace

DEMO_ENTRY(ResetCalibrationCoef,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Reset calibration coefficient"),
        [](QWidget* pParent) { return Create(pParent, true); }, nullptr, ReadBack, false, 64});

DEMO_ENTRY(ResetSeamCoef,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Reset seam coefficient"),
        [](QWidget* pParent) { return Create(pParent, false); }, nullptr, ReadBack, false, 65});
