#pragma once

/// @file
/// The EDID settings dialog of one sender input.

#include "CCustomDialog.h"
#include "SenderModuleDialogExport.h"

#include <QSize>
#include <QStringList>

#include <memory>

class CCustomComboBox;
class CCustomLabel;
class CCustomProgressbar;
class CCustomSpinBox;
class CSenderEdidLimitData;
class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
struct SEdidSettingsRecord;
struct SEdidDialogState;

/// EDID that one video input of the current sender presents to its source:
/// resolution, frame rate, colour depth and format, timing standard and the
/// connect-to-computer flag. Reads the input's settings and limits on opening,
/// lets the host check each choice, and sends the result on OK.
class SENDERMODULEDIALOG_EXPORT CEdidSetDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// Reads the settings and limits of input nInputId of the current sender; bRestricted stops the rate menu
    /// after 50 Hz.
    CEdidSetDlg(QWidget* pParent, int nInputId, bool bRestricted);
    /// Deletes the limit data the dialog created.
    ~CEdidSetDlg() override;

    /// True after OK sent the basic settings successfully; stays false for the extended ones.
    bool IsSetSuccessed() const { return m_bSetSuccessed; }

    /// Resolution at menu position nIndex into size: 0 the custom fields, i the list entry i − 1; false
    /// outside the list.
    bool GetResolutionByIndex(int nIndex, QSize& size) const;
    /// Menu position of size into nIndex (entry + 1); false, with 0, when it is not listed.
    bool GetIndexByResolution(QSize size, int& nIndex) const;
    /// Sets the bit of depth position nIndex (0 to 2: 8, 10, 12 bit) in ucColor, bits 1 to 3, clearing
    /// the others; false, ucColor untouched, outside 0 to 2.
    bool GetColorDepthByIndex(int nIndex, unsigned char& ucColor) const;
    /// Depth position of the first set bit 1 to 3 of ucColor into nIndex (0 when none); always true.
    bool GetIndexByColorDepth(unsigned char ucColor, int& nIndex) const;
    /// Sets the bit of format position nIndex (0 to 3) in ucColor, bits 4 to 7, clearing the others;
    /// false, ucColor untouched, outside 0 to 3.
    bool GetColorFormatByIndex(int nIndex, unsigned char& ucColor) const;
    /// Format position of the first set bit 4 to 7 of ucColor into nIndex (0 when none); always true.
    bool GetIndexByColorFormat(unsigned char ucColor, int& nIndex) const;
    /// Rate in Hz (24 to 240) and fractional flag (23.976, 29.97, 59.94) of rate position nIndex (0 to
    /// 10); both zeroed first, false outside the table.
    bool GetFrameRateByIndex(int nIndex, unsigned char& ucRate, bool& bFractional) const;
    /// Rate position of ucRate Hz (fractional only for 24, 30, 60) into nIndex; false, nIndex untouched,
    /// for an unlisted rate.
    bool GetIndexByFrameRate(unsigned char ucRate, bool bFractional, int& nIndex) const;
    /// The largest area in pixels the sender model allows at the chosen rate.
    quint32 GetMaxAreaByRate() const;
    /// 2 when created restricted, else 4.
    int GetRateIndexMax() const;

    /// True when the input (16 to 19) of this sender model offers the connect-to-computer setting.
    bool IsSenderConnectPC() const;
    /// True when the connect-to-computer check box is shown for this input (16 to 19) and sender model.
    bool IsShowConnectPC() const;

public slots:
    /// Clamps the custom width to 0 and the model's maximum and refreshes.
    void OnWidthSpinBoxValueChanged();
    /// Clamps the custom height to 0 and the model's maximum and refreshes.
    void OnHeightSpinBoxValueChanged();
    /// A resolution position chosen (0 is the custom entry); a position the list lacks is ignored.
    void OnResolutionComboBoxSelect(int nPosition);
    /// A rate chosen from the rate menu (the action's data is its position).
    void OnRateComboBoxSelect(QAction* pAction);
    /// A colour depth position chosen (8, 10, 12 bit in table order); a missing one is ignored.
    void OnColorDepthComboBoxSelect(int nPosition);
    /// A colour format position chosen; a missing one is ignored.
    void OnColorFormatComboBoxSelect(int nPosition);
    /// A timing standard position chosen (CVT, CVT reduced blanking); a missing one is ignored.
    void OnTimingStandardComboBoxSelect(int nPosition);
    /// Sends the settings to the input and closes with 1; once per showing: while the send runs,
    /// OK and Cancel do nothing.
    void OnOKPushButtonClicked();
    /// Closes with 0 without sending.
    void OnCancelPushButtonClicked();

private:
    // nField: EdidSelection::enField.
    void OnComboBoxSelect(int nField, int nPosition);
    bool SendSelection();
    void ReadCurrentSettings();
    void InitControl();
    void InitStyle();
    void InitComboBox();
    void SetControlRect();
    void InitControlConnect();

    void RefreshWindow();
    void RefreshResolution();
    void RefreshFrameRate();
    void RefreshColorDepth();
    void RefreshColorFormat();
    void RefreshEdidStandard();
    void RefreshConnectPC();
    void RefreshErrorInfo();

    void CreateMenu(CCustomComboBox* pCombo, bool bMatchWidth);
    void ConnectPositionMenu(CCustomComboBox* pCombo, void (CEdidSetDlg::*pfnSlot)(int));
    void AddMenuItem(CCustomComboBox* pCombo, const QString& strText, int nData);
    int ClampCustomField(CCustomSpinBox* pSpin, int nMax);
    void SetSizeFieldsEnabled(bool bEnabled);
    void SendExtended(const SEdidSettingsRecord& record);
    void SendBasic(const SEdidSettingsRecord& record);
    std::unique_ptr<CCustomProgressbar> ShowProgress(int nStepMs);
    void ReportSaveFailed();
    const QVector<QSize>& Resolutions() const;

    // Input context, the user's selection and the shown rows, as plain values.
    std::unique_ptr<SEdidDialogState> m_pState;
    QStringList m_listDepthNames;
    QStringList m_listFormatNames;
    QStringList m_listStandardNames;
    bool m_bSetSuccessed = false;
    bool m_bHasSender = false;
    CSenderEdidLimitData* m_pLimitData = nullptr;

    CCustomComboBox* m_pResolutionCombo = nullptr;
    CCustomLabel* m_pResolutionLabel = nullptr;
    CCustomSpinBox* m_pWidthSpin = nullptr;
    CCustomLabel* m_pTimesLabel = nullptr;
    CCustomSpinBox* m_pHeightSpin = nullptr;
    CCustomLabel* m_pRateLabel = nullptr;
    CCustomComboBox* m_pRateCombo = nullptr;
    CCustomLabel* m_pDepthLabel = nullptr;
    CCustomComboBox* m_pDepthCombo = nullptr;
    CCustomLabel* m_pFormatLabel = nullptr;
    CCustomComboBox* m_pFormatCombo = nullptr;
    CCustomLabel* m_pStandardLabel = nullptr;
    CCustomComboBox* m_pStandardCombo = nullptr;
    QCheckBox* m_pConnectCheck = nullptr;
    CCustomLabel* m_pMessageLabel = nullptr;
    QPushButton* m_pOKButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
};
