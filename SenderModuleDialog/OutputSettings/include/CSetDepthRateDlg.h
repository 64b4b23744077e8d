#pragma once

#include "SenderModuleDialogExport.h"

#include "CCustomDialog.h"

#include <QString>

class CCustomComboBox;
class CCustomLabel;
class QAction;
class QMenu;
class QPushButton;
class QWidget;

// Maximum output frame rate and output colour depth of the current sender,
// offered as far as the sender supports them and checked against its output
// limits. OK writes both into the sender, the depth also into the hardware.
class SENDERMODULEDIALOG_EXPORT CSetDepthRateDlg : public CCustomDialog
{
    Q_OBJECT

public:
    // Action numbers of ButtonClicked; Cancel, like Escape, closes with 2.
    enum enAction
    {
        ActionOk = 2,
        ActionCancel = 3,
    };

    explicit CSetDepthRateDlg(QWidget* pParent = nullptr);
    ~CSetDepthRateDlg() override;

    void SaveData();
    // Shows (true) or hides (false) the limit message row; a later choice within
    // the limits hides it again.
    void ChangeWndSize(bool bShow);
    // Every field is chosen from a menu, so there is nothing to reject.
    bool IsShowError() { return false; }
    void SetControlValue() { }

public slots:
    void ComboBoxSelect(QAction* pAction);
    // OK saves once per showing; Escape and the close box act as Cancel.
    void ButtonClicked(int nAction);

protected:
    void InitControl();
    void InitStyle();
    void InitControlConnect();
    void SetControlRect();

private:
    QMenu* CreateMenu(const QStringList& listItems, CCustomComboBox* pCombo);
    bool Confirm();

    bool m_bHasSender = false;
    int m_nRate = 60;
    int m_nDepth = 8;
    QString m_strMessage;
    CCustomLabel* m_pRateLabel = nullptr;
    CCustomComboBox* m_pRateCombo = nullptr;
    CCustomLabel* m_pDepthLabel = nullptr;
    CCustomComboBox* m_pDepthCombo = nullptr;
    QPushButton* m_pOkButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    CCustomLabel* m_pMessageLabel = nullptr;
    QWidget* m_pSettingsPanel = nullptr;
    QWidget* m_pButtonPanel = nullptr;
};
