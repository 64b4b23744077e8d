#pragma once

#include "SenderModuleDialogExport.h"

#include "CCustomDialog.h"

#include <QString>

#include <functional>

class CCustomComboBox;
class CCustomSwitchButton;
class QDoubleSpinBox;
class QPushButton;
class QSlider;

// Background picture of the current sender: on/off, the picture, 1:1 or
// stretched, transparency. Every change reaches the host at once; there is
// no OK button.
class SENDERMODULEDIALOG_EXPORT CBackgroundImageDlg : public CCustomDialog
{
    Q_OBJECT

public:
    // Asks for a picture file (parent, title, filter); an empty answer is a cancel.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;

    // Action numbers of ActionSlots.
    enum enAction
    {
        ActionSwitch = 0,
        ActionChoose = 1,
        ActionFit = 2,
        ActionSlider = 3,
        ActionTransparencyBox = 4,
    };

    explicit CBackgroundImageDlg(QWidget* pParent = nullptr);
    ~CBackgroundImageDlg() override;

    // Replaces the platform's file dialog, for scripted use.
    void SetFileChooser(FileChooser fnChooser);

    void RefreshWindow();
    // Applies the members to the host; bChanged: the picture or its on/off state changed.
    void RefreshView(bool bChanged);

public slots:
    void ActionSlots(int nAction);

protected:
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
