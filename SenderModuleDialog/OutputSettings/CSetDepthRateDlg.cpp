#include "CSetDepthRateDlg.h"

#include "DepthRateRules.h"
#include "DialogButtons.h"
#include "DialogFit.h"
#include "DialogSender.h"
#include "DialogStyle.h"
#include "ServiceRegistry.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CCustomMessageBox.h"
#include "HwSenderLogic.h"
#include "HwVideoSourceLogic.h"
#include "ILedTesselLabel.h"
#include "KivoData.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>

namespace {
const int g_nWindowWidth = 348;
const int g_nMenuWidth = 152;
// Label event telling the host that rate and depth changed.
const int g_nRateDepthEvent = 3072;
} // namespace

CSetDepthRateDlg::CSetDepthRateDlg(QWidget* pParent)
    : CCustomDialog(pParent, false)
{
    setFixedSize(g_nWindowWidth, 100);
    setWindowTitle(tr("帧率和色深设置"));
    m_bHasSender = RequireCurrentSender(pParent) != nullptr;
    InitControl();
    InitStyle();
    InitControlConnect();
    SetControlRect();
}

CSetDepthRateDlg::~CSetDepthRateDlg() = default;

void CSetDepthRateDlg::InitControl()
{
    m_pSettingsPanel = new QWidget(this);
    m_pRateLabel = new CCustomLabel(tr("支持的最大帧率"), m_pSettingsPanel);
    m_pRateCombo = new CCustomComboBox(m_pSettingsPanel);
    m_pRateCombo->setObjectName("rateCombo");
    m_pDepthLabel = new CCustomLabel(tr("输出色深"), m_pSettingsPanel);
    m_pDepthCombo = new CCustomComboBox(m_pSettingsPanel);
    m_pDepthCombo->setObjectName("depthCombo");

    m_pButtonPanel = new QWidget(this);
    m_pOkButton = new QPushButton(tr("确定"), m_pButtonPanel);
    m_pOkButton->setObjectName("okButton");
    m_pCancelButton = new QPushButton(tr("取消"), m_pButtonPanel);
    m_pCancelButton->setObjectName("cancelButton");

    m_pMessageLabel = new CCustomLabel(this);

    m_pMessageLabel->setObjectName("messageLabel");
    m_pMessageLabel->hide();

    auto* pGrid = new QGridLayout(m_pSettingsPanel);
    pGrid->setContentsMargins(10, 10, 10, 10);
    pGrid->setSpacing(10);
    pGrid->addWidget(m_pRateLabel, 0, 0, Qt::AlignCenter);
    pGrid->addWidget(m_pRateCombo, 0, 1);
    pGrid->addWidget(m_pDepthLabel, 1, 0, Qt::AlignCenter);
    pGrid->addWidget(m_pDepthCombo, 1, 1);
    pGrid->setColumnStretch(0, 1);
    pGrid->setColumnStretch(1, 1);

    auto* pButtons = new QHBoxLayout(m_pButtonPanel);
    pButtons->addStretch(1);
    pButtons->addWidget(m_pOkButton, 2);
    pButtons->addStretch(2);
    pButtons->addWidget(m_pCancelButton, 2);
    pButtons->addStretch(1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(5, 5, 5, 5);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pSettingsPanel, 75);
    pLayout->addWidget(m_pButtonPanel, 40);
}

void CSetDepthRateDlg::InitStyle()
{
    m_pRateLabel->setStyleSheet(DialogLabelStyle());
    m_pDepthLabel->setStyleSheet(DialogLabelStyle());
    m_pMessageLabel->setStyleSheet(DialogWarnLabelStyle());
    const QString strButtonStyle = DialogButtonStyle();
    for (QPushButton* pButton : {static_cast<QPushButton*>(m_pRateCombo),
             static_cast<QPushButton*>(m_pDepthCombo), m_pOkButton, m_pCancelButton})
        pButton->setStyleSheet(strButtonStyle);
}

QMenu* CSetDepthRateDlg::CreateMenu(
    const QVector<int>& vecValues, QString (*fnText)(int), CCustomComboBox* pCombo)
{
    auto* pMenu = new QMenu(this);
    pMenu->setFixedWidth(g_nMenuWidth);
    pMenu->setStyleSheet(DialogMenuStyle());
    for (int nValue : vecValues)
        pMenu->addAction(fnText(nValue))->setData(nValue);
    pCombo->SetMenu(pMenu, false, true, true);
    connect(pMenu, &QMenu::triggered, this, &CSetDepthRateDlg::ComboBoxSelect);
    return pMenu;
}

void CSetDepthRateDlg::InitControlConnect()
{
    connect(m_pOkButton, &QPushButton::clicked, this, [this] { ButtonClicked(ActionOk); });
    connect(m_pCancelButton, &QPushButton::clicked, this, [this] { ButtonClicked(ActionCancel); });
    SetDialogButtons(m_pOkButton, m_pCancelButton);
    const CSender* pSender = g_pProjectData->GetCurrentSender();
    if (!pSender) {
        for (QWidget* pWidget : {static_cast<QWidget*>(m_pRateCombo), static_cast<QWidget*>(m_pDepthCombo),
                 static_cast<QWidget*>(m_pOkButton)})
            pWidget->setEnabled(false);
        return;
    }
    const int nIndex = g_pProjectData->GetCurSenderIndex();
    const int nModel = g_pHwSenderLogic->GetModelCode(nIndex);
    const bool bRestricted = g_pHwSenderLogic->IsRestricted(nIndex);
    const bool b10Bit = g_pHwSenderLogic->Is10BitSupported(nIndex);
    const bool b12Bit = g_pHwSenderLogic->Is12BitSupported(nIndex);

    const QVector<int> vecRates = DepthRateRules::RateMenu(bRestricted, nModel);
    const QVector<int> vecDepths = DepthRateRules::DepthMenu(bRestricted, b10Bit, b12Bit, nModel);
    CreateMenu(vecRates, DepthRateRules::RateText, m_pRateCombo);
    CreateMenu(vecDepths, DepthRateRules::DepthText, m_pDepthCombo);

    // The sender's values stand even when a menu lacks them, so OK without a
    // choice writes back what was there.
    m_nRate = pSender->GetFrameRate();
    m_nDepth = pSender->GetColorDepth();
    // A sender without deeper output is 8 bit whatever the project says; OK
    // writes it, so opening alone changes nothing.
    if (bRestricted && !b10Bit && !b12Bit)
        m_nDepth = 8;
    m_pRateCombo->setText(DepthRateRules::RateText(m_nRate));
    m_pDepthCombo->setText(DepthRateRules::DepthText(m_nDepth));
    m_pRateCombo->SetItemChecked(vecRates.indexOf(m_nRate));
    m_pDepthCombo->SetItemChecked(vecDepths.indexOf(m_nDepth));
}

void CSetDepthRateDlg::SetControlRect()
{
    m_pRateCombo->setFixedHeight(24);
    m_pDepthCombo->setFixedHeight(24);
    m_pOkButton->setFixedHeight(26);
    m_pCancelButton->setFixedHeight(26);
    FixSizeForText(m_pMessageLabel, g_nWindowWidth - 40, 20);
    m_pButtonPanel->move(5, 80);
    FixDialogSize(this, QSize(g_nWindowWidth, 130));
}

void CSetDepthRateDlg::ComboBoxSelect(QAction* pAction)
{
    const QMenu* pRateMenu = m_pRateCombo->Menu();
    const QMenu* pDepthMenu = m_pDepthCombo->Menu();
    if (pRateMenu && pRateMenu->actions().contains(pAction)) {
        m_nRate = pAction->data().toInt();
        m_pRateCombo->setText(pAction->text());
    } else if (pDepthMenu && pDepthMenu->actions().contains(pAction)) {
        m_nDepth = pAction->data().toInt();
        m_pDepthCombo->setText(pAction->text());
    }

    // 50 Hz is within every output limit.
    const int nIndex = g_pProjectData->GetCurSenderIndex();
    quint32 uFlags = 0;
    const bool bExceeded = m_nRate != 50 && g_pHwVideoSourceLogic->CheckOutputLimit(nIndex, uFlags);
    if (!bExceeded) {
        // A choice within the limits lifts an earlier block.
        if (!m_pMessageLabel->isHidden())
            ChangeWndSize(false);
        return;
    }
    m_strMessage
        = DepthRateRules::OutputLimitMessage(uFlags, g_pHwSenderLogic->GetModelCode(nIndex), m_strMessage);
    ChangeWndSize(true);
}

void CSetDepthRateDlg::ChangeWndSize(bool bShow)
{
    if (bShow) {
        SetControlRect();
        m_pMessageLabel->setText(m_strMessage);
        FixSizeForText(m_pMessageLabel, g_nWindowWidth - 40, 20);
        m_pButtonPanel->move(5, 100);
        FixDialogSize(this, QSize(qMax(g_nWindowWidth, m_pMessageLabel->width() + 40), 175));
        m_pOkButton->setEnabled(false);
        m_pMessageLabel->move(20, 108);
        m_pMessageLabel->show();
    } else {
        m_pButtonPanel->move(5, 80);
        FixDialogSize(this, QSize(g_nWindowWidth, 155));
        m_pOkButton->setEnabled(true);
        m_pMessageLabel->hide();
        SetControlRect();
        m_strMessage.clear();
    }
}

void CSetDepthRateDlg::ButtonClicked(int nAction)
{
    if (nAction == ActionCancel)
        RunCancel(2);
    else if (nAction == ActionOk)
        RunConfirm([this] { return Confirm(); });
}

bool CSetDepthRateDlg::Confirm()
{
    if (!m_bHasSender)
        return false;
    const int nIndex = g_pProjectData->GetCurSenderIndex();
    if (g_pHwSenderLogic->IsRestricted(nIndex)) {
        const float fInputMaxRate = g_pHwVideoSourceLogic->GetInputMaxFrameRate(nIndex);
        if (fInputMaxRate > 0 && fInputMaxRate > m_nRate) {
            const int nAnswer = CCustomMessageBox::question(this,
                DepthRateRules::RateQuestion(m_nRate, fInputMaxRate),
                CCustomMessageBox::ButtonYes | CCustomMessageBox::ButtonNo, CCustomMessageBox::ButtonCancel);
            if (nAnswer != CCustomMessageBox::AnswerYes)
                return false;
        }
        g_pHwSenderLogic->NotifyFrameRate(nIndex, m_nRate == 50, 0);
    }
    SaveData();
    g_pLedLabel->Notify(g_nRateDepthEvent, 0, 1, 0);
    return true;
}

void CSetDepthRateDlg::SaveData()
{
    CSender* pSender = g_pProjectData->GetCurrentSender();
    if (!pSender)
        return;
    const int nIndex = g_pProjectData->GetCurSenderIndex();
    if (g_pHwSenderLogic->IsRestricted(nIndex)) {
        const int nCode = DepthRateRules::DepthCode(m_nDepth);
        if (nCode >= 0 && nCode != g_pHwSenderLogic->ReadColorDepth(nIndex))
            g_pHwSenderLogic->WriteColorDepth(nIndex, nCode, 1);
    }
    pSender->SetColorDepth(m_nDepth);
    pSender->SetFrameRate(m_nRate);
}
