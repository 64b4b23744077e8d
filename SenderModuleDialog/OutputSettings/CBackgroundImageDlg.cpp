#include "CBackgroundImageDlg.h"

#include "BackgroundRules.h"
#include "DialogButtons.h"
#include "DialogFit.h"
#include "DialogSender.h"
#include "DialogStyle.h"
#include "ServiceRegistry.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CCustomMessageBox.h"
#include "CCustomSwitchButton.h"
#include "ILedTesselLabel.h"
#include "KivoData.h"

#include <QBoxLayout>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

namespace {
// Label events: the picture or its on/off state changed, or only how it is shown.
const int g_nPictureChangedEvent = 0x24000;
const int g_nPictureShownEvent = 0x4000;

const QString g_strSliderStyle = QStringLiteral(
    "QSlider::groove:horizontal { height: 6px; border: 1px solid #202020; border-radius: 3px;"
    " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #000000, stop:1 #ffffff); }"
    "QSlider::handle:horizontal { width: 12px; margin: -5px 0; border-radius: 6px;"
    " background: #3c3f41; border: 1px solid #8a8a8a; }"
    "QSlider::handle:horizontal:disabled { background: #2b2b2b; border-color: #555555; }"
    // The dark theme draws no focus of its own.
    "QSlider:focus { border: 1px solid #2f8cff; border-radius: 3px; }");

QString ChooseWithFileDialog(QWidget* pParent, const QString& strTitle, const QString& strFilter)
{
    return QFileDialog::getOpenFileName(pParent, strTitle, QString(), strFilter);
}

CCustomLabel* NewRowLabel(const QString& strText, QWidget* pParent)
{
    auto* pLabel = new CCustomLabel(strText, pParent);
    pLabel->setStyleSheet(DialogLabelStyle());
    FixSizeForText(pLabel, 80, 24);
    return pLabel;
}

// The first control takes the spare width when bFill, else the row ends in a stretch.
QHBoxLayout* NewRow(
    QWidget* pLabel, std::initializer_list<QWidget*> listControls, bool bFill = false, int nIndent = 80)
{
    auto* pRow = new QHBoxLayout;
    pRow->setSpacing(15);
    if (pLabel) {
        pRow->addWidget(pLabel);
        static_cast<QLabel*>(pLabel)->setBuddy(*listControls.begin());
    } else {
        pRow->addSpacing(nIndent); // keeps the row's control under the others
    }
    for (QWidget* pControl : listControls)
        pRow->addWidget(pControl);
    if (bFill)
        pRow->setStretchFactor(*listControls.begin(), 1);
    else
        pRow->addStretch(1);
    return pRow;
}
} // namespace

CBackgroundImageDlg::CBackgroundImageDlg(QWidget* pParent)
    : CCustomDialog(pParent, false)
    , m_fnChooseFile(ChooseWithFileDialog)
{
    setFixedSize(330, 135);
    setWindowTitle(tr("背景图片设置"));

    if (const CSender* pSender = RequireCurrentSender(pParent)) {
        m_bHasSender = true;
        const SSenderBackground& background = pSender->GetBackground();
        m_nOpacity = background.ucOpacity;
        m_bEnabled = background.ucEnabled != 0;
        m_nStretch = background.ucStretched;
        m_strImagePath = g_pConstantData->GetSenderBKImgName(g_pProjectData->GetCurSenderIndex(), true);
    }
    if (!QFileInfo::exists(m_strImagePath)) {
        m_strImagePath.clear();
        // Shown switched off, so one toggle must switch it on.
        m_bEnabled = false;
    }

    InitControl();
    RefreshWindow();
    m_pSwitch->setEnabled(m_bHasSender);
    FixDialogSize(this, size());
}

CBackgroundImageDlg::~CBackgroundImageDlg() = default;

void CBackgroundImageDlg::SetFileChooser(FileChooser fnChooser)
{
    m_fnChooseFile = fnChooser ? std::move(fnChooser) : FileChooser(ChooseWithFileDialog);
}

void CBackgroundImageDlg::InitControl()
{
    m_pSwitch = new CCustomSwitchButton(this);
    m_pSwitch->setObjectName("enableSwitch");
    m_pSwitch->setFixedSize(m_pSwitch->sizeHint());

    const QString strButtonStyle = DialogButtonStyle();
    m_pChooseButton = new QPushButton(tr("选取图片..."), this);
    m_pChooseButton->setObjectName("chooseButton");
    m_pChooseButton->setStyleSheet(strButtonStyle);
    FixSizeForText(m_pChooseButton, 100, 24);

    auto* pFitMenu = new QMenu(this);
    pFitMenu->setStyleSheet(DialogMenuStyle());
    // Entry positions are the stretch values.
    pFitMenu->addAction(tr("1:1"));
    pFitMenu->addAction(tr("拉伸"));
    m_pFitButton = new CCustomComboBox(this);
    m_pFitButton->setObjectName("fitButton");
    m_pFitButton->SetMenu(pFitMenu, true, true, true);
    m_pFitButton->setStyleSheet(strButtonStyle);
    FixSizeForText(m_pFitButton, 100, 24);

    m_pSlider = new QSlider(Qt::Horizontal, this);

    m_pSlider->setObjectName("transparencySlider");
    m_pSlider->setRange(0, 100);
    m_pSlider->setFixedHeight(24);
    m_pSlider->setStyleSheet(g_strSliderStyle);

    m_pTransparencyBox = new QDoubleSpinBox(this);

    m_pTransparencyBox->setObjectName("transparencyBox");
    m_pTransparencyBox->setRange(0, 100);
    m_pTransparencyBox->setDecimals(0);
    m_pTransparencyBox->setSuffix("%");
    // Typing writes once, on Enter or on leaving the box, not once per key.
    m_pTransparencyBox->setKeyboardTracking(false);
    m_pTransparencyBox->setFixedSize(55, 22);
    m_pTransparencyBox->setStyleSheet(DialogSpinBoxStyle());
    m_pTransparencyBox->setAccessibleName(tr("透明度"));

    // The labels share the widest one's width, so the controls stay in one column.
    CCustomLabel* arrLabels[]
        = {NewRowLabel(tr("启用"), this), NewRowLabel(tr("契合度"), this), NewRowLabel(tr("透明度"), this)};
    int nLabelWidth = 0;
    for (CCustomLabel* pLabel : arrLabels)
        nLabelWidth = qMax(nLabelWidth, pLabel->width());
    for (CCustomLabel* pLabel : arrLabels)
        pLabel->setFixedWidth(nLabelWidth);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(15, 6, 15, 6);
    pLayout->setSpacing(6);
    pLayout->addLayout(NewRow(arrLabels[0], {m_pSwitch}));
    pLayout->addLayout(NewRow(nullptr, {m_pChooseButton}, false, nLabelWidth));
    pLayout->addLayout(NewRow(arrLabels[1], {m_pFitButton}));
    pLayout->addLayout(NewRow(arrLabels[2], {m_pSlider, m_pTransparencyBox}, true));

    connect(m_pSwitch, &CCustomSwitchButton::checked, this, [this] { ActionSlots(ActionSwitch); });
    connect(m_pChooseButton, &QPushButton::clicked, this, [this] { ActionSlots(ActionChoose); });
    connect(pFitMenu, &QMenu::triggered, this, [this] { ActionSlots(ActionFit); });
    connect(m_pSlider, &QSlider::valueChanged, this, [this] { ActionSlots(ActionSlider); });
    connect(m_pTransparencyBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
        [this] { ActionSlots(ActionTransparencyBox); });
    // No button confirms here: Enter in the box must not choose a picture.
    SetDialogDefaultButton(this, nullptr);
}

void CBackgroundImageDlg::EnableEditors(bool bEnable)
{
    for (QWidget* pEditor : {static_cast<QWidget*>(m_pChooseButton), static_cast<QWidget*>(m_pFitButton),
             static_cast<QWidget*>(m_pSlider), static_cast<QWidget*>(m_pTransparencyBox)})
        pEditor->setEnabled(bEnable);
}

void CBackgroundImageDlg::RefreshWindow()
{
    m_bRefreshing = true;
    m_pSwitch->setOpen(m_bEnabled && !m_strImagePath.isEmpty(), true);
    m_pFitButton->SetItemChecked(m_nStretch == 0 ? 0 : 1);
    const int nTransparency = BackgroundRules::TransparencyFromOpacity(m_nOpacity);
    m_pSlider->setValue(nTransparency);
    m_pTransparencyBox->setValue(nTransparency);
    EnableEditors(m_pSwitch->isOpen());
    m_bRefreshing = false;
}

void CBackgroundImageDlg::ChooseImage()
{
    const QString strFile
        = m_fnChooseFile(this, tr("选取图片..."), QStringLiteral("Image File(*.PNG *.JPG *.JPEG *.JPE)"));
    if (strFile.isEmpty())
        return;
    const BackgroundRules::enPictureCheck nCheck = BackgroundRules::CheckPicture(strFile);
    if (nCheck != BackgroundRules::PictureReadable) {
        const QString strMessage = nCheck == BackgroundRules::PictureTooLarge
            ? tr("图片不能大于%1×%2像素。")
                  .arg(BackgroundRules::g_nMaxPictureWidth)
                  .arg(BackgroundRules::g_nMaxPictureHeight)
            : tr("所选文件不是可以读取的图片。");
        CCustomMessageBox::information(
            this, strMessage, CCustomMessageBox::ButtonOk, CCustomMessageBox::ButtonOk, 2147483647);
        return;
    }
    m_strImagePath = strFile;
    RefreshView(true);
}

void CBackgroundImageDlg::ActionSlots(int nAction)
{
    if (!m_bHasSender)
        return;
    switch (nAction) {
    case ActionSwitch:
        m_bEnabled = !m_bEnabled;
        m_pSwitch->setOpen(m_bEnabled, true);
        EnableEditors(m_bEnabled);
        RefreshView(true);
        break;
    case ActionChoose:
        ChooseImage();
        break;
    case ActionFit:
        m_nStretch = m_pFitButton->CurrentIndex() == 0 ? 0 : 1;
        RefreshView(false);
        break;
    case ActionSlider:
        if (m_bRefreshing)
            break;
        // The box follows and applies the change.
        m_nOpacity = BackgroundRules::OpacityFromTransparency(m_pSlider->value());
        m_pTransparencyBox->setValue(m_pSlider->value());
        break;
    case ActionTransparencyBox: {
        if (m_bRefreshing)
            break;
        const int nTransparency = static_cast<int>(m_pTransparencyBox->value());
        m_pSlider->setValue(nTransparency);
        m_nOpacity = BackgroundRules::OpacityFromTransparency(nTransparency);
        RefreshView(false);
        break;
    }
    default:
        break;
    }
}

void CBackgroundImageDlg::ShowHostState(const QString& strTarget)
{
    m_nOpacity = 0;
    m_bEnabled = false;
    m_nStretch = 0;
    // The sender's picture, if any, is still the one it had before.
    m_strImagePath = QFileInfo::exists(strTarget) ? strTarget : QString();
    RefreshWindow();
    CCustomMessageBox::information(this, tr("背景图片保存失败，已关闭背景。"), CCustomMessageBox::ButtonOk,
        CCustomMessageBox::ButtonOk, 2147483647);
}

void CBackgroundImageDlg::RefreshView(bool bChanged)
{
    if (m_bRefreshing || !m_bHasSender)
        return;
    QDir().mkpath(g_pConstantData->GetBKImagePath());
    if (!m_strImagePath.isEmpty() && QFileInfo::exists(m_strImagePath)) {
        const QString strTarget
            = g_pConstantData->GetSenderBKImgName(g_pProjectData->GetCurSenderIndex(), true);
        bool bInPlace = BackgroundRules::IsSameFile(m_strImagePath, strTarget);
        if (!bInPlace && BackgroundRules::ReplaceFile(m_strImagePath, strTarget)) {
            // From now on the sender's own copy is the picture in use.
            m_strImagePath = strTarget;
            bInPlace = true;
        }
        // Without its picture the sender shows no background.
        CSender* pSender = g_pProjectData->GetCurrentSender();
        if (bInPlace)
            pSender->SetBackground(
                static_cast<quint8>(m_nOpacity & 0xff), m_bEnabled ? 1 : 0, m_nStretch != 0 ? 1 : 0);
        else
            pSender->SetBackground(0, 0, 0);
        if (!bInPlace)
            ShowHostState(strTarget);
    }
    g_pLedLabel->Notify(bChanged ? g_nPictureChangedEvent : g_nPictureShownEvent, 1, 0, 0);
}
