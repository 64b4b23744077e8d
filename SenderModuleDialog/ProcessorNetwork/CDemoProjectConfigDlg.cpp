#include "CDemoProjectConfigDlg.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "DialogFit.h"
#include "DialogStyle.h"
#include "HwSenderLogic.h"
#include "KivoData.h"
#include "ServiceRegistry.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {
struct SDemoModel
{
    const char* pszName;
    int nSenderType;
};
const SDemoModel g_arrModels[] = {
    {QT_TRANSLATE_NOOP("CDemoProjectConfigDlg", "Orvik"), 21},
    {QT_TRANSLATE_NOOP("CDemoProjectConfigDlg", "Halbran"), 46},
    {QT_TRANSLATE_NOOP("CDemoProjectConfigDlg", "Mirelt"), 16},
    {QT_TRANSLATE_NOOP("CDemoProjectConfigDlg", "Tovane"), 17},
    {QT_TRANSLATE_NOOP("CDemoProjectConfigDlg", "Quindel"), 35},
    {QT_TRANSLATE_NOOP("CDemoProjectConfigDlg", "Larnet"), 0x20002},
};
const int g_nModelCount = static_cast<int>(std::size(g_arrModels));

// What the host's node tree reads as "nothing selected".
SNodeSelect ClearedSelection()
{
    SNodeSelect sSelect;
    sSelect.nValues[0] = 0;
    std::fill(std::begin(sSelect.nValues) + 1, std::end(sSelect.nValues), -1);
    return sSelect;
}
} // namespace

CDemoProjectConfigDlg::CDemoProjectConfigDlg(QWidget* pParent)
    : CCustomDialog(pParent, false)
{
    setWindowTitle(tr("演示工程配置"));
    setFixedSize(285, 120);
    InitControl();
    InitStyle();
    SetControlRect();
    FixDialogSize(this, size());
}

CDemoProjectConfigDlg::~CDemoProjectConfigDlg() = default;

int CDemoProjectConfigDlg::ModelCount()
{
    return g_nModelCount;
}

int CDemoProjectConfigDlg::SenderTypeAt(int nPosition)
{
    const bool bKnown = nPosition >= 0 && nPosition < g_nModelCount;
    return g_arrModels[bKnown ? nPosition : 0].nSenderType;
}

QString CDemoProjectConfigDlg::ModelNameAt(int nPosition)
{
    return nPosition >= 0 && nPosition < g_nModelCount ? tr(g_arrModels[nPosition].pszName) : QString();
}

void CDemoProjectConfigDlg::InitControl()
{
    m_pLabel = new CCustomLabel(tr("主控类型"), this);
    m_pTypeBox = new CCustomComboBox(this);
    auto* pMenu = new QMenu(this);
    for (int i = 0; i < g_nModelCount; ++i) {
        QAction* pAction = pMenu->addAction(ModelNameAt(i));
        connect(pAction, &QAction::triggered, this, [this, i] { ControlClicked(ControlMenuEntry, i); });
    }
    m_pTypeBox->SetMenu(pMenu, true, true, true);
    m_pTypeBox->SetItemChecked(0);
    m_pTypeBox->setText(ModelNameAt(0));

    m_pConfirmButton = new QPushButton(tr("确认"), this);
    m_pCancelButton = new QPushButton(tr("取消"), this);
    connect(m_pConfirmButton, &QPushButton::clicked, this, [this] { ControlClicked(ControlConfirm, 0); });
    connect(m_pCancelButton, &QPushButton::clicked, this, [this] { ControlClicked(ControlCancel, 0); });
    SetDialogButtons(m_pConfirmButton, m_pCancelButton);
    // Enter confirms from the start; the type box is one Tab away.
    m_pConfirmButton->setFocus();
}

void CDemoProjectConfigDlg::InitStyle()
{
    m_pLabel->setStyleSheet(DialogLabelStyle());
    m_pTypeBox->Menu()->setStyleSheet(DialogMenuStyle());
    const QString strButtonStyle = DialogButtonStyle();
    m_pTypeBox->setStyleSheet(strButtonStyle);
    m_pConfirmButton->setStyleSheet(strButtonStyle);
    m_pCancelButton->setStyleSheet(strButtonStyle);
}

void CDemoProjectConfigDlg::SetControlRect()
{
    FixSizeForText(m_pLabel, 90, 24);
    m_pTypeBox->setFixedSize(160, 28);
    FixSizeForText(m_pConfirmButton, 80, 26);
    FixSizeForText(m_pCancelButton, 80, 26);

    auto* pTypeRow = new QHBoxLayout;
    pTypeRow->setSpacing(0);
    pTypeRow->setContentsMargins(0, 0, 0, 0);
    pTypeRow->addStretch();
    pTypeRow->addWidget(m_pLabel);
    pTypeRow->addWidget(m_pTypeBox);
    pTypeRow->addStretch();

    auto* pButtonRow = new QHBoxLayout;
    pButtonRow->addStretch();
    pButtonRow->addWidget(m_pConfirmButton);
    pButtonRow->addWidget(m_pCancelButton);
    pButtonRow->addStretch();

    auto* pMainLayout = new QVBoxLayout(this);
    pMainLayout->addLayout(pTypeRow);
    pMainLayout->addLayout(pButtonRow);
}

void CDemoProjectConfigDlg::ControlClicked(int nControl, int nPosition)
{
    switch (nControl) {
    case ControlMenuEntry:
        m_nSelectedPos = nPosition;
        m_pTypeBox->setText(ModelNameAt(nPosition));
        break;
    case ControlConfirm:
        RunConfirm([this] {
            Confirm();
            return true;
        });
        break;
    case ControlCancel:
        RunCancel();
        break;
    default:
        break;
    }
}

void CDemoProjectConfigDlg::Confirm()
{
    g_pProjectData->SetDemoModeEnable(true);
    const int nType = SenderTypeAt(m_nSelectedPos);
    if (nType != g_pProjectData->GetDemoSenderType()) {
        g_pRuntimeData->SetCurSelectNode(ClearedSelection());
        g_pProjectData->SetDemoSenderType(nType);
    }
    g_pHwSenderLogic->NotifyDemoChanged();
}
