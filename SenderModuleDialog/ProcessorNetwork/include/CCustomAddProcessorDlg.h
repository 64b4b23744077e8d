#pragma once

/// @file
/// The dialog that adds processors by hand.

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

/// How many processors to add by hand, with how many output ports each, and,
/// when the host detects processors by address, the start of their addresses.
/// The host reads the two counts after an accepted close.
class SENDERMODULEDIALOG_EXPORT CCustomAddProcessorDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// What ActionSlots is asked to do.
    enum enAction
    {
        ActionOk = 0, ///< check the start address, add the addresses and close with 1
        ActionCancel = 1, ///< close with 0
    };

    /// Builds the rows the host's settings call for.
    explicit CCustomAddProcessorDlg(QWidget* pParent = nullptr);
    /// Writes nothing.
    ~CCustomAddProcessorDlg() override;

    /// Creates the rows: count, ports unless the host hides them, start address when the host detects
    /// by address.
    void InitControl();
    /// Writes to strIP the first free address (dotted) above this computer's last address in its /24 block.
    void GetInitialIP(QString& strIP);
    /// Screens the start address with the host's check and shows its message; true when it may be used.
    bool CheckIPAddress();

    /// Number of processors to add, 1 to the host's limit (3 until OK).
    int GetProcessorCount() const { return m_nProcessorCount; }
    /// Output ports per processor (2 to 80), first the host's first sender's count.
    int GetPortCount() const { return m_nPortCount; }
    /// True when the host hid the output-port row.
    bool IsPortRowHidden() const { return m_bPortRowHidden; }
    /// True when the start-address row is shown (the host detects processors by address).
    bool IsStartRowShown() const { return m_bStartRowShown; }

public slots:
    /// Carries out nAction (enAction).
    void ActionSlots(int nAction);

private:
    CCustomSpinBox* m_pCountBox = nullptr;
    CCustomComboBox* m_pPortBox = nullptr;
    CCustomIPEdit* m_pStartEdit = nullptr;

public:
    // Read by the host after an accepted close.
    int m_nProcessorCount = 3; ///< as GetProcessorCount
    int m_nPortCount = 0; ///< as GetPortCount
    int m_nShownPortCount = 0; ///< the port box's count until an entry is chosen

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
