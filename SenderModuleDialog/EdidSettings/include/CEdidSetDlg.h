#pragma once

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

// EDID that one video input of the current sender presents to its source:
// resolution, frame rate, colour depth and format, timing standard and the
// connect-to-computer flag. Reads the input's settings and limits on opening,
// lets the host check each choice, and sends the result on OK.
class SENDERMODULEDIALOG_EXPORT CEdidSetDlg : public CCustomDialog
{
    Q_OBJECT

public:
    CEdidSetDlg(QWidget* pParent, int nInputId, bool bRestricted);
    ~CEdidSetDlg() override;

    bool IsSetSuccessed() const { return m_bSetSuccessed; }

    bool GetResolutionByIndex(int nIndex, QSize& size) const;
    bool GetIndexByResolution(QSize size, int& nIndex) const;
    bool GetColorDepthByIndex(int nIndex, unsigned char& ucColor) const;
    bool GetIndexByColorDepth(unsigned char ucColor, int& nIndex) const;
    bool GetColorFormatByIndex(int nIndex, unsigned char& ucColor) const;
    bool GetIndexByColorFormat(unsigned char ucColor, int& nIndex) const;
    bool GetFrameRateByIndex(int nIndex, unsigned char& ucRate, bool& bFractional) const;
    bool GetIndexByFrameRate(unsigned char ucRate, bool bFractional, int& nIndex) const;
    quint32 GetMaxAreaByRate() const;
    int GetRateIndexMax() const;

    bool IsSenderConnectPC() const;
    bool IsShowConnectPC() const;

public slots:
    void OnWidthSpinBoxValueChanged();
    void OnHeightSpinBoxValueChanged();
    // Option positions (not menu places); a position the option lacks is ignored.
    void OnResolutionComboBoxSelect(int nPosition);
    void OnRateComboBoxSelect(QAction* pAction);
    void OnColorDepthComboBoxSelect(int nPosition);
    void OnColorFormatComboBoxSelect(int nPosition);
    void OnTimingStandardComboBoxSelect(int nPosition);
    // Sends once per showing: while the send runs, OK and Cancel do nothing.
    void OnOKPushButtonClicked();
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
