#pragma once

/// @file
/// The demo project dialog.

#include "CCustomDialog.h"
#include "SenderModuleDialogExport.h"

class CCustomComboBox;
class CCustomLabel;
class QPushButton;

/// Turns on the host's demo mode with the processor model it is to play.
class SENDERMODULEDIALOG_EXPORT CDemoProjectConfigDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// The controls that call ControlClicked.
    enum enControl
    {
        ControlMenuEntry = 0, ///< a model chosen, with the entry's menu position
        ControlConfirm = 1, ///< turn demo mode on with the chosen model and close with 1
        ControlCancel = 2, ///< close with 0
    };

    /// Shows the first model.
    explicit CDemoProjectConfigDlg(QWidget* pParent = nullptr);
    /// Writes nothing.
    ~CDemoProjectConfigDlg() override;

    /// Creates the controls and the model menu.
    void InitControl();
    /// Applies the host's styles and fonts.
    void InitStyle();
    /// Places the controls.
    void SetControlRect();

    /// Sender type stored for a menu position; positions without a model
    /// fall back to the first one.
    static int SenderTypeAt(int nPosition);
    /// Model name at a menu position; empty outside the menu.
    static QString ModelNameAt(int nPosition);
    /// Number of models in the menu.
    static int ModelCount();

public slots:
    /// Carries out control nControl (enControl); nPosition is the menu position for ControlMenuEntry.
    void ControlClicked(int nControl, int nPosition);

private:
    void Confirm();

    CCustomLabel* m_pLabel = nullptr;
    CCustomComboBox* m_pTypeBox = nullptr;
    QPushButton* m_pConfirmButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    int m_nSelectedPos = 0;
};
