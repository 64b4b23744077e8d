#pragma once

/// @file
/// The frame rate and colour depth dialog of the current sender.

#include "SenderModuleDialogExport.h"

#include "CCustomDialog.h"

#include <QString>
#include <QVector>

class CCustomComboBox;
class CCustomLabel;
class QAction;
class QMenu;
class QPushButton;
class QWidget;

/// Maximum output frame rate and output colour depth of the current sender,
/// offered as far as the sender supports them and checked against its output
/// limits. OK writes both into the sender, the depth also into the hardware.
class SENDERMODULEDIALOG_EXPORT CSetDepthRateDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// Action numbers of ButtonClicked; Cancel, like Escape, closes with 2.
    enum enAction
    {
        ActionOk = 2, ///< save and close with 1
        ActionCancel = 3, ///< close with 2 without saving
    };

    /// Loads the current sender's rate and depth and the choices its model supports.
    explicit CSetDepthRateDlg(QWidget* pParent = nullptr);
    /// Writes nothing.
    ~CSetDepthRateDlg() override;

    /// Writes the depth (0 8, 1 10, 2 12 bit) to the hardware when restricted and it changed, then depth and
    /// rate (Hz) into the current sender.
    void SaveData();
    /// Shows (true) or hides (false) the limit message row; a later choice within
    /// the limits hides it again.
    void ChangeWndSize(bool bShow);
    /// Always false: every field is chosen from a menu, so there is nothing to reject.
    bool IsShowError() { return false; }
    /// Does nothing; the menus hold the values.
    void SetControlValue() { }

public slots:
    /// A rate or depth chosen from its menu; checks the output limits.
    void ComboBoxSelect(QAction* pAction);
    /// Carries out nAction (enAction); OK saves once per showing; Escape and the close box act as
    /// Cancel.
    void ButtonClicked(int nAction);

protected:
    /// Creates the controls.
    void InitControl();
    /// Applies the host's styles and fonts.
    void InitStyle();
    /// Connects the menus and buttons.
    void InitControlConnect();
    /// Places the controls.
    void SetControlRect();

private:
    QMenu* CreateMenu(const QVector<int>& vecValues, QString (*fnText)(int), CCustomComboBox* pCombo);
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
