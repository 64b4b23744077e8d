#pragma once

#include "SenderModuleDialogExport.h"

#include "CCustomDialog.h"

#include <QSize>
#include <QString>

class CCustomComboBox;
class CCustomLabel;
class CCustomSpinBox;
class QMenu;
class QPushButton;
struct SCanvasLimits;

// Canvas size of the current sender: presets or free entry, checked against
// fixed bounds and the processor's limits. Writes nothing; the host reads
// GetCanvasSize() after an accepted close.
class SENDERMODULEDIALOG_EXPORT CSetCanvasDlg : public CCustomDialog
{
    Q_OBJECT

public:
    // Action numbers of ButtonClicked.
    enum enAction
    {
        ActionOk = 3,
        ActionCancel = 4,
    };

    explicit CSetCanvasDlg(QWidget* pParent = nullptr);
    ~CSetCanvasDlg() override;

    QSize GetCanvasSize() const { return m_sizeCanvas; }

    // Validates the boxes and shows the first problem; true when acceptable.
    bool IsShowError();
    void ChangeSize(bool bError);
    void SetControlValue();

public slots:
    void ComboBoxSelect(int nPreset);
    void SpinBoxValueChanged();
    void ButtonClicked(int nAction);

protected:
    void InitControl();
    void InitControlValue();
    void InitStyle();
    void SetControlRect();
    void InitControlConnect();

private:
    int CurrentSenderIndex() const;
    // False, leaving the record alone, when the processor has no canvas limits.
    bool QueryLimits(SCanvasLimits& limits) const;

    bool m_bHasSender = false; // without a current sender nothing can be confirmed
    QSize m_sizeCanvas;
    QString m_strError;
    int m_nShownPreset = -1; // the preset the button shows; -1 for the custom text
    CCustomComboBox* m_pPresetButton = nullptr;
    CCustomLabel* m_pWidthLabel = nullptr;
    CCustomSpinBox* m_pWidthBox = nullptr;
    CCustomLabel* m_pHeightLabel = nullptr;
    CCustomSpinBox* m_pHeightBox = nullptr;
    QPushButton* m_pOkButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    CCustomLabel* m_pErrorLabel = nullptr;
    QMenu* m_pPresetMenu = nullptr;
};
