#include "CSetIPOfflineDlg.h"
#include "AddressRules.h"

#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"
#include "ConfigData.h"
#include "DialogFit.h"
#include "DialogStyle.h"
#include "ServiceRegistry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const int g_nWidth = 330;
const int g_nHeight = 125;
// Set mode with more rows than the fixed window holds: the window grows by one
// row pitch per row up to a few rows, and the rows scroll beyond that, so the
// width stays fixed and a large count never makes a window taller than a screen.
const int g_nRowsWithoutScrolling = 2;
const int g_nRowsVisibleMax = 8;
const int g_nRowPitch = 40; // editor height 25 plus grid spacing 15

// Margins 20 + 20, spacing 10, the button row 24 and the layout spacing around nRows rows.
int RowsWindowHeight(int nRows)
{
    return 80 + nRows * g_nRowPitch;
}

const int g_nNameMaxLength = 64;

const char* const g_pszScrollBarStyle
    = "QScrollBar:vertical{width:8px; background:rgb(31,31,31); border:none;}"
      "QScrollBar::handle:vertical{background:rgb(120,120,120); border-radius:4px; min-height:16px;}"
      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height:0px;}"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background:none;}";
const char* const g_pszNameEditStyle
    = "QLineEdit{background:rgb(31,31,31); color:white; border:1px solid rgb(7,7,7); "
      "border-radius: 4px;}QLineEdit:disabled{color:rgb(120,120,120); }"
      // The dark frame alone would not change with focus.
      "QLineEdit:focus{border-color:#2f8cff;}";

// Count box start value by how many addresses are stored: fill up to 16,
// then to 36, then offer 10 at a time.
int InitialCount(int nStored)
{
    if (nStored <= 15)
        return 16 - nStored;
    if (nStored <= 35)
        return 36 - nStored;
    return 10;
}
} // namespace

CSetIPOfflineDlg::CSetIPOfflineDlg(int nIndex, int nCount, bool bSet, bool bSpecified, QWidget* pParent)
    : CCustomDialog(pParent, false)
    , m_bSet(bSet)
    , m_bSpecified(bSpecified)
    , m_nIndex(nIndex)
    , m_nCount(nCount)
    , m_bBatch(nCount == -1)
    , m_pAddressRules(std::make_unique<SDialogAddressRules>(this))
    , m_rules(m_pAddressRules->m_rules)
{
    if (m_bBatch)
        setWindowTitle(tr("批量添加IP"));
    else if (m_bSet)
        setWindowTitle(tr("设置IP地址"));
    else
        setWindowTitle(tr("修改IP地址"));
    const bool bManyRows = m_bSet && !m_bBatch && m_nCount > g_nRowsWithoutScrolling;
    setFixedSize(g_nWidth, bManyRows ? RowsWindowHeight(std::min(m_nCount, g_nRowsVisibleMax)) : g_nHeight);

    InitControl();
    InitStyle();
    SetControlRect();
    InitControlConnect();
    SetInitialIP();
    FixDialogSize(this, size());
}

CSetIPOfflineDlg::~CSetIPOfflineDlg() = default;

void CSetIPOfflineDlg::InitControl()
{
    auto* pMainLayout = new QVBoxLayout(this);
    pMainLayout->setContentsMargins(10, 20, 10, 20);
    m_pGrid = new QGridLayout;
    m_pGrid->setSpacing(15);

    const bool bScroll = !m_bBatch && m_bSet && m_nCount > g_nRowsWithoutScrolling;
    if (bScroll) {
        auto* pRows = new QWidget;
        pRows->setLayout(m_pGrid);
        m_pGrid->setContentsMargins(0, 0, 0, 0);
        auto* pScroll = new QScrollArea(this);
        pScroll->setFocusPolicy(Qt::NoFocus); // Tab goes from row to row, not to the frame
        pScroll->setFrameShape(QFrame::NoFrame);
        pScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        pScroll->setWidgetResizable(true);
        pScroll->verticalScrollBar()->setStyleSheet(QString::fromLatin1(g_pszScrollBarStyle));
        pScroll->setWidget(pRows);
        pScroll->viewport()->setAutoFillBackground(false);
        pRows->setAutoFillBackground(false);
        pMainLayout->addWidget(pScroll);
    } else {
        pMainLayout->addLayout(m_pGrid);
    }

    if (m_bBatch) {
        m_pCountBox = new CCustomSpinBox(0, this);
        AddRow(tr("添加数量"), m_pCountBox);
        m_pAddressEdit = new CCustomIPEdit(this);
        AddRow(tr("起始IP地址"), m_pAddressEdit);
        InitCountBox();
    } else if (m_bSet && m_nCount == 1) {
        m_listRowEdits << new CCustomIPEdit(this);
        AddRow(tr("IP地址"), m_listRowEdits.first());
        m_pNameEdit = new QLineEdit(this);
        AddRow(tr("IP名称"), m_pNameEdit);
    } else if (m_bSet) {
        for (int i = 0; i < m_nCount; ++i) {
            m_listRowEdits << new CCustomIPEdit(this);
            AddRow(tr("主控 %1").arg(m_nIndex + i), m_listRowEdits.last());
        }
    } else {
        m_pAddressEdit = new CCustomIPEdit(this);
        AddRow(tr("IP地址"), m_pAddressEdit);
        m_pNameEdit = new QLineEdit(this);
        m_pNameEdit->setText(CAddressRules::EntryName(ReadEntry()));
        AddRow(tr("IP名称"), m_pNameEdit);
    }
    if (m_pNameEdit)
        m_pNameEdit->setMaxLength(g_nNameMaxLength);

    pMainLayout->addSpacing(10);
    auto* pButtons = new QHBoxLayout;
    m_pOkButton = new QPushButton(tr("确定"), this);
    m_pCancelButton = new QPushButton(tr("取消"), this);
    pButtons->addStretch();
    pButtons->addWidget(m_pOkButton);
    pButtons->addWidget(m_pCancelButton);
    pButtons->addStretch();
    pMainLayout->addLayout(pButtons);
    SetDialogButtons(m_pOkButton, m_pCancelButton);

    // Typing starts in the first row, also when the rows sit in a scroll area.
    if (!m_listRowEdits.isEmpty())
        m_listRowEdits.first()->setFocus();
}

void CSetIPOfflineDlg::AddRow(const QString& strLabel, QWidget* pControl)
{
    auto* pLabel = new CCustomLabel(strLabel, this);
    pLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pLabel->setBuddy(pControl);
    const int nRow = m_listLabels.size();
    m_listLabels << pLabel;
    m_pGrid->addWidget(pLabel, nRow, 0);
    m_pGrid->addWidget(pControl, nRow, 1);
}

void CSetIPOfflineDlg::InitCountBox()
{
    QStringList listStored;
    g_pConfigData->GetSpecifiedIPs(listStored);
    // A full list leaves nothing to add; the box says so rather than offering 1.
    SetCountRange(m_pCountBox, g_nSpecifiedCapacity - listStored.size(), InitialCount(listStored.size()));
}

void CSetIPOfflineDlg::InitStyle()
{
    const QString strLabelStyle = DialogLabelStyle();
    for (CCustomLabel* pLabel : m_listLabels)
        pLabel->setStyleSheet(strLabelStyle);
    if (m_pNameEdit)
        m_pNameEdit->setStyleSheet(DialogStyle(QString::fromLatin1(g_pszNameEditStyle), "QLineEdit"));
    if (m_pCountBox)
        m_pCountBox->setStyleSheet(DialogSpinBoxStyle());
    const QString strButtonStyle = DialogButtonStyle();
    m_pOkButton->setStyleSheet(strButtonStyle);
    m_pCancelButton->setStyleSheet(strButtonStyle);
}

void CSetIPOfflineDlg::SetControlRect()
{
    for (CCustomLabel* pLabel : m_listLabels)
        FixSizeForText(pLabel, 80, 24);
    for (CCustomIPEdit* pEdit : m_listRowEdits)
        pEdit->setFixedSize(180, 25);
    if (m_pAddressEdit)
        m_pAddressEdit->setFixedSize(180, 25);
    if (m_pNameEdit)
        m_pNameEdit->setFixedSize(180, 25);
    if (m_pCountBox)
        m_pCountBox->setFixedSize(60, 24);
    FixSizeForText(m_pOkButton, 80, 24);
    FixSizeForText(m_pCancelButton, 80, 24);
}

void CSetIPOfflineDlg::InitControlConnect()
{
    connect(m_pOkButton, &QPushButton::clicked, this, [this] { ActionSlots(ActionOk); });
    connect(m_pCancelButton, &QPushButton::clicked, this, [this] { ActionSlots(ActionCancel); });
}

QString CSetIPOfflineDlg::ReadEntry() const
{
    return m_bSpecified ? g_pConfigData->GetSpecifiedIPOriginal(m_nIndex)
                        : g_pConfigData->GetCurSetSpecifiedIPWithIndex(m_nIndex);
}

void CSetIPOfflineDlg::SetInitialIP()
{
    g_pConfigData->UpdateErrorIPList();
    if (!m_bSet) {
        m_strLoadedAddress = CAddressRules::EntryAddress(ReadEntry());
        if (m_pAddressEdit)
            m_pAddressEdit->setText(m_strLoadedAddress);
        return;
    }
    const quint32 uBase = m_rules.PickLocalAddress(LocalPickSenderSubnet);
    if (m_bBatch) {
        if (m_pAddressEdit)
            m_pAddressEdit->setText(m_rules.SuggestAddresses(uBase, 1).value(0));
        return;
    }
    const QStringList listSuggested = m_rules.SuggestAddresses(uBase, m_listRowEdits.size());
    for (int i = 0; i < m_listRowEdits.size(); ++i)
        m_listRowEdits[i]->setText(listSuggested.value(i));
}

void CSetIPOfflineDlg::ActionSlots(int nAction)
{
    switch (nAction) {
    case ActionOk:
        RunConfirm([this] {
            if (m_bBatch)
                return DoCustomAdd();
            return m_bSet ? DoNumAdd() : DoModify();
        });
        break;
    case ActionCancel:
        RunCancel();
        break;
    default:
        break;
    }
}

bool CSetIPOfflineDlg::DoCustomAdd()
{
    if (!m_pCountBox || !m_pAddressEdit)
        return false;
    const QString strStart = m_pAddressEdit->text();
    if (!m_rules.ScreenAddress(strStart, m_strLoadedAddress))
        return false;
    m_rules.AddAddressRun(CAddressRules::TextToValue(strStart), static_cast<int>(m_pCountBox->value()));
    return true;
}

bool CSetIPOfflineDlg::DoNumAdd()
{
    if (m_listRowEdits.size() != m_nCount)
        return false;
    QStringList listTexts;
    for (const CCustomIPEdit* pEdit : m_listRowEdits)
        listTexts << pEdit->text();
    if (!m_rules.ScreenRows(listTexts))
        return false;

    const QString strName = m_pNameEdit ? m_pNameEdit->text() : QString();
    const int nStored = g_pConfigData->GetSpecifiedIPDWORD(nullptr);
    if (m_nCount >= 1 && nStored <= g_nSpecifiedCapacity - 1) {
        const int nAdd = std::min<int>(listTexts.size(), g_nSpecifiedCapacity - nStored);
        for (int i = 0; i < nAdd; ++i) {
            g_pConfigData->AddSpecifiedIP(
                CAddressRules::ValueToText(CAddressRules::TextToValue(listTexts[i])), strName);
        }
    }
    g_pConfigData->SpecifiedIPsSave();
    return true;
}

bool CSetIPOfflineDlg::DoModify()
{
    if (!m_pAddressEdit)
        return false;
    const QString strAddress = m_pAddressEdit->text();
    if (!m_rules.ScreenAddress(strAddress, m_strLoadedAddress))
        return false;
    const QString strName = m_pNameEdit ? m_pNameEdit->text() : QString();
    // The typed text goes to the host as typed.
    if (m_bSpecified)
        g_pConfigData->SetSpecifiedIPWithIndex(m_nIndex, strAddress, strName);
    else
        g_pConfigData->SetCurSetSpecifiedIPWithIndex(m_nIndex, strAddress, strName);
    return true;
}

QString CSetIPOfflineDlg::GetResetStr() const
{
    if (m_bSet)
        return QString();
    if (m_bSpecified)
        return g_pConfigData->GetSpecifiedIPWithName(m_nIndex);
    return CAddressRules::WithDefaultName(g_pConfigData->GetCurSetSpecifiedIPWithIndex(m_nIndex));
}
