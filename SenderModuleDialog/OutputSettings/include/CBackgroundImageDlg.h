#pragma once

/// @file
/// The background picture dialog of the current sender.

#include "SenderModuleDialogExport.h"

#include "CCustomDialog.h"

#include <QString>

#include <functional>

class CCustomComboBox;
class CCustomSwitchButton;
class QDoubleSpinBox;
class QPushButton;
class QSlider;

/// Background picture of the current sender: on/off, the picture, 1:1 or
/// stretched, transparency. Every change reaches the host at once; there is
/// no OK button.
class SENDERMODULEDIALOG_EXPORT CBackgroundImageDlg : public CCustomDialog
{
    Q_OBJECT

public:
    /// Asks for a picture file (parent, title, filter) and answers its path; an empty answer is a cancel.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;

    /// Action numbers of ActionSlots.
    enum enAction
    {
        ActionSwitch = 0, ///< turn the picture on or off
        ActionChoose = 1, ///< choose a picture file and copy it to the host's picture folder
        ActionFit = 2, ///< toggle 1:1 and stretched
        ActionSlider = 3, ///< the transparency slider moved
        ActionTransparencyBox = 4, ///< the transparency box changed
    };

    /// Loads the current sender's picture settings and shows them.
    explicit CBackgroundImageDlg(QWidget* pParent = nullptr);
    /// Writes nothing; every change was applied when made.
    ~CBackgroundImageDlg() override;

    /// Replaces the platform's file dialog with the host's own chooser (or a scripted one).
    void SetFileChooser(FileChooser fnChooser);

    /// Shows the loaded settings in the controls.
    void RefreshWindow();
    /// Applies the settings to the host and notifies it; bChanged: the picture or its on/off state changed.
    void RefreshView(bool bChanged);

public slots:
    /// Carries out nAction (enAction).
    void ActionSlots(int nAction);

protected:
    /// Creates the controls and connects them.
    void InitControl();

private:
    void EnableEditors(bool bEnable);
    void ChooseImage();
    // After a failed copy: the dialog shows what the host now holds.
    void ShowHostState(const QString& strTarget);

    CCustomSwitchButton* m_pSwitch = nullptr;
    QPushButton* m_pChooseButton = nullptr;
    CCustomComboBox* m_pFitButton = nullptr;
    QSlider* m_pSlider = nullptr;
    QDoubleSpinBox* m_pTransparencyBox = nullptr;
    bool m_bHasSender = false; // without a current sender every control stays off
    bool m_bRefreshing = false;
    bool m_bEnabled = false;
    QString m_strImagePath;
    int m_nOpacity = 128;
    int m_nStretch = 0;
    FileChooser m_fnChooseFile;
};
