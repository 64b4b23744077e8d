#pragma once

/// @file
/// The dialog of processor addresses in an offline project.

#include "CCustomDialog.h"
#include "SenderModuleDialogExport.h"

#include <QList>
#include <QString>

#include <memory>

class CCustomIPEdit;
class CCustomLabel;
class CCustomSpinBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class CAddressRules;
struct SDialogAddressRules;

/// Addresses of processors in an offline project, in one of three modes:
/// batch add (count -1: a count and a start address), set (one editor per
/// processor) and modify (one stored entry, address and name).
class SENDERMODULEDIALOG_EXPORT CSetIPOfflineDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// What ActionSlots is asked to do.
    enum enAction
    {
        ActionOk = 0, ///< check and store the addresses of the mode, then close with 1
        ActionCancel = 1, ///< close with 0
    };

    /// nIndex: the entry modified (modify mode) or the number of the first row (set mode); nCount:
    /// processors to set, −1 for batch add; bSet: set mode; bSpecified: modify the host's specified list,
    /// else its current-set list.
    CSetIPOfflineDlg(int nIndex, int nCount, bool bSet, bool bSpecified, QWidget* pParent = nullptr);
    /// Writes nothing.
    ~CSetIPOfflineDlg() override;

    /// Display text "address(name)" of the modified entry, for the host's list.
    QString GetResetStr() const;

public slots:
    /// Carries out nAction (enAction).
    void ActionSlots(int nAction);

protected:
    /// Batch add: screens the start address and adds the run of addresses; false to stay open.
    bool DoCustomAdd();
    /// Set mode: screens every row together and stores them; false to stay open.
    bool DoNumAdd();
    /// Modify mode: screens the address and stores the entry with its name; false to stay open.
    bool DoModify();

private:
    void InitControl();
    void InitStyle();
    void SetControlRect();
    void InitControlConnect();
    void SetInitialIP();

    void AddRow(const QString& strLabel, QWidget* pControl);
    void InitCountBox();
    QString ReadEntry() const;

    bool m_bSet;
    bool m_bSpecified;
    QString m_strLoadedAddress;
    int m_nIndex;
    int m_nCount;
    bool m_bBatch;
    CCustomIPEdit* m_pAddressEdit = nullptr;
    CCustomSpinBox* m_pCountBox = nullptr;
    QLineEdit* m_pNameEdit = nullptr;
    QList<CCustomIPEdit*> m_listRowEdits;

    QGridLayout* m_pGrid = nullptr;
    QList<CCustomLabel*> m_listLabels;
    QPushButton* m_pOkButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    std::unique_ptr<SDialogAddressRules> m_pAddressRules;
    CAddressRules& m_rules;
};
