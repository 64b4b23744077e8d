#pragma once

/// @file
/// The canvas size dialog of the current sender.

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

/// Canvas size of the current sender: presets or free entry, checked against
/// fixed bounds and the processor's limits. Writes nothing; the host reads
/// GetCanvasSize() after an accepted close.
class SENDERMODULEDIALOG_EXPORT CSetCanvasDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// Action numbers of ButtonClicked.
    enum enAction
    {
        ActionOk = 3, ///< accept the size when it has no problem and close with 1
        ActionCancel = 4, ///< close with 0
    };

    /// Loads the current sender's canvas size and checks it.
    explicit CSetCanvasDlg(QWidget* pParent = nullptr);
    /// Writes nothing.
    ~CSetCanvasDlg() override;

    /// The accepted canvas size in pixels; empty until OK accepted one.
    QSize GetCanvasSize() const { return m_sizeCanvas; }

    /// Validates the boxes and shows the first problem; true when acceptable.
    bool IsShowError();
    /// Shows (true) or hides (false) the problem line, resizing the dialog.
    void ChangeSize(bool bError);
    /// Copies the preset shown on the button into the boxes; a custom size changes nothing.
    void SetControlValue();

public slots:
    /// Preset nPreset chosen (0: 1920×1080, 1: 3840×2160, 2: 4096×2160).
    void ComboBoxSelect(int nPreset);
    /// A box changed: checks the size again.
    void SpinBoxValueChanged();
    /// Carries out nAction (enAction).
    void ButtonClicked(int nAction);

protected:
    /// Creates the controls.
    void InitControl();
    /// Loads the current sender's canvas size into the boxes.
    void InitControlValue();
    /// Applies the host's styles and fonts.
    void InitStyle();
    /// Places the controls.
    void SetControlRect();
    /// Builds the preset menu and connects the controls.
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
