#pragma once

#include "CCustomDialog.h"
#include "SenderModuleDialogExport.h"

class CCustomComboBox;
class CCustomLabel;
class QPushButton;

// Turns on the host's demo mode with the processor model it is to play.
class SENDERMODULEDIALOG_EXPORT CDemoProjectConfigDlg : public CCustomDialog
{
    Q_OBJECT

public:
    // The controls that call ControlClicked.
    enum enControl
    {
        ControlMenuEntry = 0, // with the entry's menu position
        ControlConfirm = 1,
        ControlCancel = 2,
    };

    explicit CDemoProjectConfigDlg(QWidget* pParent = nullptr);
    ~CDemoProjectConfigDlg() override;

    void InitControl();
    void InitStyle();
    void SetControlRect();

    // Sender type stored for a menu position; positions without a model
    // fall back to the first one.
    static int SenderTypeAt(int nPosition);
    static QString ModelNameAt(int nPosition); // empty outside the menu
    static int ModelCount();

public slots:
    void ControlClicked(int nControl, int nPosition);

private:
    void Confirm();

    CCustomLabel* m_pLabel = nullptr;
    CCustomComboBox* m_pTypeBox = nullptr;
    QPushButton* m_pConfirmButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    int m_nSelectedPos = 0;
};
