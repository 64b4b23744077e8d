#pragma once

#include "SenderModuleDialogExport.h"

#include "CCustomDialog.h"

class QDoubleSpinBox;

// Asks for the coefficient, 0 to 1, to which the host resets the calibration
// coefficients (bCalibration) or the seam coefficients.
class SENDERMODULEDIALOG_EXPORT CResetCoefDlg : public CCustomDialog
{
    Q_OBJECT

public:
    // Action numbers of ActionSlots.
    enum enAction
    {
        ActionOk = 0,
        ActionCancel = 1,
    };

    explicit CResetCoefDlg(bool bCalibration, QWidget* pParent = nullptr);
    ~CResetCoefDlg() override;

    void SetValue(float fValue);
    float GetValue() const { return m_fValue; }

public slots:
    void ActionSlots(int nAction);

protected:
    void InitControl();

private:
    bool m_bCalibration;
    float m_fValue = 1.0f;
    QDoubleSpinBox* m_pValueBox = nullptr;
};
