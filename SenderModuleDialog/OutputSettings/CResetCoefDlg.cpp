#include "CResetCoefDlg.h"

#include "DialogButtons.h"
#include "DialogFit.h"
#include "DialogStyle.h"

#include "CCustomLabel.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QPushButton>

CResetCoefDlg::CResetCoefDlg(bool bCalibration, QWidget* pParent)
    : CCustomDialog(pParent, false)
    , m_bCalibration(bCalibration)
{
    setFixedSize(270, 105);
    InitControl();
    FixDialogSize(this, size());
}

CResetCoefDlg::~CResetCoefDlg() = default;

void CResetCoefDlg::InitControl()
{
    setWindowTitle(m_bCalibration ? tr("重置校正系数") : tr("重置修缝系数"));

    auto* pLabel = new CCustomLabel(m_bCalibration ? tr("校正系数") : tr("修缝系数"), this);
    pLabel->setStyleSheet(DialogLabelStyle());
    FixSizeForText(pLabel, 80, 24);

    m_pValueBox = new QDoubleSpinBox(this);
    pLabel->setBuddy(m_pValueBox);

    m_pValueBox->setObjectName("valueBox");
    m_pValueBox->setFixedSize(70, 24);
    m_pValueBox->setDecimals(3);
    m_pValueBox->setRange(0.0, 1.0);
    m_pValueBox->setSingleStep(0.001);
    m_pValueBox->setStyleSheet(DialogSpinBoxStyle());

    const QString strButtonStyle = DialogButtonStyle();
    auto* pOkButton = new QPushButton(tr("确定"), this);
    pOkButton->setObjectName("okButton");
    auto* pCancelButton = new QPushButton(tr("取消"), this);
    pCancelButton->setObjectName("cancelButton");
    for (QPushButton* pButton : {pOkButton, pCancelButton}) {
        pButton->setStyleSheet(strButtonStyle);
        FixSizeForText(pButton, 80, 26);
    }
    connect(pOkButton, &QPushButton::clicked, this, [this] { ActionSlots(ActionOk); });
    connect(pCancelButton, &QPushButton::clicked, this, [this] { ActionSlots(ActionCancel); });
    SetDialogButtons(pOkButton, pCancelButton);

    auto* pValueRow = new QHBoxLayout;
    pValueRow->addStretch(1);
    pValueRow->addWidget(pLabel);
    pValueRow->addWidget(m_pValueBox);
    pValueRow->addStretch(1);

    auto* pButtonRow = new QHBoxLayout;
    pButtonRow->addStretch(1);
    pButtonRow->addWidget(pOkButton);
    pButtonRow->addSpacing(20);
    pButtonRow->addWidget(pCancelButton);
    pButtonRow->addStretch(1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(10, 10, 10, 10);
    pLayout->addLayout(pValueRow);
    pLayout->addLayout(pButtonRow);
}

void CResetCoefDlg::SetValue(float fValue)
{
    m_fValue = fValue;
    m_pValueBox->setValue(fValue);
}

void CResetCoefDlg::ActionSlots(int nAction)
{
    switch (nAction) {
    case ActionOk:
        RunConfirm([this] {
            // The box has already rounded to the three decimals it shows.
            m_fValue = static_cast<float>(m_pValueBox->value());
            return true;
        });
        break;
    case ActionCancel:
        RunCancel();
        break;
    default:
        break;
    }
}
