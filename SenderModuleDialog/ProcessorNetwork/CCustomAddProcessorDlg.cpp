#include "CCustomAddProcessorDlg.h"
#include "AddressRules.h"

#include "CCustomComboBox.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"
#include "DialogFit.h"
#include "DialogStyle.h"
#include "HwSenderLogic.h"
#include "KivoData.h"
#include "ServiceRegistry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {
const int g_arrPortCounts[] = {2, 4, 6, 8, 12, 16, 20, 32, 80};

struct SDialogSize
{
    bool bPortRow;
    bool bStartRow;
    int nWidth;
    int nHeight;
};
const SDialogSize g_arrSizes[] = {
    {true, true, 340, 175},
    {false, true, 340, 145},
    {true, false, 260, 145},
    {false, false, 260, 95},
};
} // namespace

CCustomAddProcessorDlg::CCustomAddProcessorDlg(QWidget* pParent)
    : CCustomDialog(pParent, false)
    , m_pAddressRules(std::make_unique<SDialogAddressRules>(this))
    , m_rules(m_pAddressRules->m_rules)
{
    m_bPortRowHidden = g_pHwSenderLogic->GetPortRowValue() > 0;
    const CSender* pFirst = g_pProjectData->GetSender(0);
    m_nPortCount = pFirst ? pFirst->GetOutputPortCount() : 0;
    m_bStartRowShown = g_pConfigData->GetDetectStrategy() == 2 && g_pHwSenderLogic->GetAddressState();
    for (const SDialogSize& sSize : g_arrSizes) {
        if (sSize.bPortRow == !m_bPortRowHidden && sSize.bStartRow == m_bStartRowShown)
            setFixedSize(sSize.nWidth, sSize.nHeight);
    }
    InitControl();
    FixDialogSize(this, size());
}

CCustomAddProcessorDlg::~CCustomAddProcessorDlg() = default;

void CCustomAddProcessorDlg::InitControl()
{
    setWindowTitle(tr("自定义添加主控"));
    setFocusPolicy(Qt::ClickFocus);

    auto* pMainLayout = new QVBoxLayout(this);
    pMainLayout->setContentsMargins(10, 20, 10, 20);
    m_pGrid = new QGridLayout;
    for (int nColumn : {0, 2, 4})
        m_pGrid->setColumnStretch(nColumn, 1);
    pMainLayout->addLayout(m_pGrid);

    const bool bState = g_pHwSenderLogic->GetAddressState();
    m_pCountBox = new CCustomSpinBox(0, this);
    m_pCountBox->setFixedSize(60, 24);
    m_pCountBox->setStyleSheet(DialogSpinBoxStyle());
    // A limit below 1 allows no processor: OK stays off below.
    const bool bCountChoosable
        = SetCountRange(m_pCountBox, g_pRuntimeData->GetSenderCountLimit(bState), m_nProcessorCount);
    AddRow(0, tr("主控数量"), m_pCountBox);

    if (!m_bPortRowHidden) {
        auto* pMenu = new QMenu(this);
        pMenu->setStyleSheet(DialogMenuStyle());
        for (int nPorts : g_arrPortCounts)
            pMenu->addAction(QString::number(nPorts))->setData(nPorts);
        m_pPortBox = new CCustomComboBox(this);
        m_pPortBox->SetMenu(pMenu, true, true, true);
        m_pPortBox->setFixedSize(60, 24);
        m_pPortBox->setStyleSheet(DialogButtonStyle());
        const CSender* pCurrent = g_pProjectData->GetCurrentSender();
        const int nCurrentPorts = pCurrent ? pCurrent->GetOutputPortCount() : m_nPortCount;
        const int* pEnd = std::end(g_arrPortCounts);
        const int* pFound = std::find(std::begin(g_arrPortCounts), pEnd, nCurrentPorts);
        if (pFound != pEnd)
            m_pPortBox->SetItemChecked(static_cast<int>(pFound - std::begin(g_arrPortCounts)));
        m_nShownPortCount = nCurrentPorts;
        m_pPortBox->setText(QString::number(nCurrentPorts));
        AddRow(1, tr("输出口数量"), m_pPortBox);
    }

    if (m_bStartRowShown) {
        m_pStartEdit = new CCustomIPEdit(this);
        m_pStartEdit->setFixedSize(180, 25);
        QString strIP;
        GetInitialIP(strIP);
        m_pStartEdit->setText(strIP);
        AddRow(2, tr("起始IP地址"), m_pStartEdit);
    }

    pMainLayout->addSpacing(10);
    auto* pButtons = new QHBoxLayout;
    m_pOkButton = new QPushButton(tr("确定"), this);
    m_pCancelButton = new QPushButton(tr("取消"), this);
    const QString strButtonStyle = DialogButtonStyle();
    for (QPushButton* pButton : {m_pOkButton, m_pCancelButton}) {
        pButton->setStyleSheet(strButtonStyle);
        FixSizeForText(pButton, 80, 24);
    }
    pButtons->addStretch();
    pButtons->addWidget(m_pOkButton);
    pButtons->addWidget(m_pCancelButton);
    pButtons->addStretch();
    pMainLayout->addLayout(pButtons);

    m_pOkButton->setEnabled(bCountChoosable);
    SetDialogButtons(m_pOkButton, m_pCancelButton);
    connect(m_pOkButton, &QPushButton::clicked, this, [this] { ActionSlots(ActionOk); });
    connect(m_pCancelButton, &QPushButton::clicked, this, [this] { ActionSlots(ActionCancel); });
}

void CCustomAddProcessorDlg::AddRow(int nRow, const QString& strLabel, QWidget* pControl)
{
    auto* pLabel = new CCustomLabel(strLabel, this);
    pLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pLabel->setMaximumWidth(150);
    pLabel->setFixedHeight(24);
    pLabel->setStyleSheet(DialogLabelStyle());
    pLabel->setBuddy(pControl);
    m_pGrid->addWidget(pLabel, nRow, 1);
    m_pGrid->addWidget(pControl, nRow, 3);
}

void CCustomAddProcessorDlg::GetInitialIP(QString& strIP)
{
    strIP = m_rules.SuggestNextFree(m_rules.PickLocalAddress(LocalPickLast));
}

bool CCustomAddProcessorDlg::CheckIPAddress()
{
    return m_pStartEdit && m_rules.ScreenAddress(m_pStartEdit->text());
}

void CCustomAddProcessorDlg::ActionSlots(int nAction)
{
    if (nAction == ActionOk)
        RunConfirm([this] { return Confirm(); });
    else if (nAction == ActionCancel)
        RunCancel();
}

bool CCustomAddProcessorDlg::Confirm()
{
    if (m_pCountBox && !m_pCountBox->isEnabled())
        return false; // the host allows no processor
    if (m_pCountBox)
        m_nProcessorCount = static_cast<int>(m_pCountBox->value());
    if (m_pPortBox)
        m_nPortCount = m_pPortBox->CurrentIndex() >= 0
            ? m_pPortBox->ItemAt(m_pPortBox->CurrentIndex())->data().toInt()
            : m_nShownPortCount;
    if (!m_bStartRowShown)
        return true;
    if (!CheckIPAddress())
        return false;
    m_rules.AddAddressRun(CAddressRules::TextToValue(m_pStartEdit->text()), m_nProcessorCount);
    return true;
}
