#pragma once

#include "CCustomDialog.h"
#include "SenderModuleDialogExport.h"

#include <memory>

class CCustomComboBox;
class CCustomIPEdit;
class CCustomLabel;
class CCustomSpinBox;
class QGridLayout;
class QPushButton;
class CAddressRules;
struct SDialogAddressRules;

// How many processors to add by hand, with how many output ports each, and,
// when the host detects processors by address, the start of their addresses.
// The host reads the two counts after an accepted close.
class SENDERMODULEDIALOG_EXPORT CCustomAddProcessorDlg : public CCustomDialog
{
    Q_OBJECT

public:
    // What ActionSlots is asked to do.
    enum enAction
    {
        ActionOk = 0,
        ActionCancel = 1,
    };

    explicit CCustomAddProcessorDlg(QWidget* pParent = nullptr);
    ~CCustomAddProcessorDlg() override;

    void InitControl();
    void GetInitialIP(QString& strIP);
    bool CheckIPAddress();

    int GetProcessorCount() const { return m_nProcessorCount; }
    int GetPortCount() const { return m_nPortCount; }
    bool IsPortRowHidden() const { return m_bPortRowHidden; }
    bool IsStartRowShown() const { return m_bStartRowShown; }

public slots:
    void ActionSlots(int nAction);

private:
    CCustomSpinBox* m_pCountBox = nullptr;
    CCustomComboBox* m_pPortBox = nullptr;
    CCustomIPEdit* m_pStartEdit = nullptr;

public:
    // Read by the host after an accepted close.
    int m_nProcessorCount = 3;
    int m_nPortCount = 0;

private:
    bool m_bPortRowHidden = false;
    bool m_bStartRowShown = false;

    void AddRow(int nRow, const QString& strLabel, QWidget* pControl);
    bool Confirm();

    QGridLayout* m_pGrid = nullptr;
    QPushButton* m_pOkButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    std::unique_ptr<SDialogAddressRules> m_pAddressRules;
    CAddressRules& m_rules;
};
