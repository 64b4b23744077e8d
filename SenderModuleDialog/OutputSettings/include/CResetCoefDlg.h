#pragma once

/// @file
/// The reset coefficient dialog.

#include "SenderModuleDialogExport.h"

#include "CCustomDialog.h"

class QDoubleSpinBox;

/// Asks for the coefficient, 0 to 1, to which the host resets the calibration
/// coefficients (bCalibration) or the seam coefficients.
class SENDERMODULEDIALOG_EXPORT CResetCoefDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// Action numbers of ActionSlots.
    enum enAction
    {
        ActionOk = 0, ///< keep the box's value and close with 1
        ActionCancel = 1, ///< close with 0, the value unchanged
    };

    /// bCalibration: the calibration coefficients, else the seam coefficients.
    explicit CResetCoefDlg(bool bCalibration, QWidget* pParent = nullptr);
    /// Writes nothing.
    ~CResetCoefDlg() override;

    /// The coefficient (0 to 1) the box shows and GetValue answers until OK.
    void SetValue(float fValue);
    /// The chosen coefficient, 0 to 1; 1.0 until set.
    float GetValue() const { return m_fValue; }

public slots:
    /// Carries out nAction (enAction).
    void ActionSlots(int nAction);

protected:
    /// Creates the controls and connects them.
    void InitControl();

private:
    bool m_bCalibration;
    float m_fValue = 1.0f;
    QDoubleSpinBox* m_pValueBox = nullptr;
};
