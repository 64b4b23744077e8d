#include "CSetCanvasDlg.h"

#include "CanvasRules.h"
#include "DialogButtons.h"
#include "DialogFit.h"
#include "DialogSender.h"
#include "DialogStyle.h"
#include "ServiceRegistry.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CCustomMessageBox.h"
#include "CCustomSpinBox.h"
#include "HwSenderLogic.h"
#include "KivoData.h"

#include <QBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
const int g_nWindowWidth = 300;
const int g_nHeightNormal = 125;
const int g_nHeightError = 160;
const int g_nMenuWidth = 242;
const int g_nSenderTypeWithoutDci4k = 17;
} // namespace

CSetCanvasDlg::CSetCanvasDlg(QWidget* pParent)
    : CCustomDialog(pParent, false)
{
    setFixedSize(g_nWindowWidth, g_nHeightNormal);
    setWindowTitle(tr("画布大小设置"));
    m_bHasSender = RequireCurrentSender(pParent) != nullptr;
    InitControl();
    InitStyle();
    SetControlRect();
    InitControlConnect();
    SetControlValue();
    FixDialogSize(this, size());
}

CSetCanvasDlg::~CSetCanvasDlg() = default;

int CSetCanvasDlg::CurrentSenderIndex() const
{
    return g_pProjectData->GetCurSenderIndex();
}

bool CSetCanvasDlg::QueryLimits(SCanvasLimits& limits) const
{
    const int nIndex = CurrentSenderIndex();
    if (!g_pHwSenderLogic->IsRestricted(nIndex))
        return false;
    g_pHwSenderLogic->GetCanvasLimits(nIndex, limits.nMaxWidth, limits.nMaxHeight, limits.nMaxArea);
    return true;
}

void CSetCanvasDlg::InitControl()
{
    m_pPresetButton = new CCustomComboBox(this);
    m_pPresetButton->setObjectName("presetButton");
    m_pWidthLabel = new CCustomLabel(tr("宽"), this);
    m_pWidthBox = new CCustomSpinBox(0, this);
    m_pWidthBox->setObjectName("widthBox");
    m_pHeightLabel = new CCustomLabel(tr("高"), this);
    m_pHeightBox = new CCustomSpinBox(0, this);
    m_pHeightBox->setObjectName("heightBox");
    m_pWidthLabel->setBuddy(m_pWidthBox);
    m_pHeightLabel->setBuddy(m_pHeightBox);
    m_pOkButton = new QPushButton(tr("确定"), this);
    m_pOkButton->setObjectName("okButton");
    m_pCancelButton = new QPushButton(tr("取消"), this);
    m_pCancelButton->setObjectName("cancelButton");
    m_pErrorLabel = new CCustomLabel(this);
    m_pErrorLabel->setObjectName("errorLabel");
    m_pErrorLabel->setWordWrap(true);
    m_pErrorLabel->hide();

    // The boxes stop at the processor's limits whether or not they are enforced.
    SCanvasLimits limits;
    g_pHwSenderLogic->GetCanvasLimits(
        CurrentSenderIndex(), limits.nMaxWidth, limits.nMaxHeight, limits.nMaxArea);
    // A limit below the minimum leaves the minimum as the only size; the box
    // would otherwise swap the bounds and offer sizes below it.
    m_pWidthBox->SetMinMax(CanvasRules::g_nMinSide,
        qBound<int>(CanvasRules::g_nMinSide, limits.nMaxWidth, CanvasRules::g_nMaxWidth));
    m_pHeightBox->SetMinMax(CanvasRules::g_nMinSide,
        qBound<int>(CanvasRules::g_nMinSide, limits.nMaxHeight, CanvasRules::g_nMaxHeight));

    auto* pSizeRow = new QHBoxLayout;
    pSizeRow->setSpacing(6);
    pSizeRow->addWidget(m_pWidthLabel);
    pSizeRow->addWidget(m_pWidthBox, 1);
    pSizeRow->addSpacing(12);
    pSizeRow->addWidget(m_pHeightLabel);
    pSizeRow->addWidget(m_pHeightBox, 1);

    auto* pButtonRow = new QHBoxLayout;
    pButtonRow->addStretch(1);
    pButtonRow->addWidget(m_pOkButton);
    pButtonRow->addSpacing(20);
    pButtonRow->addWidget(m_pCancelButton);
    pButtonRow->addStretch(1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(20, 10, 20, 10);
    pLayout->setSpacing(8);
    pLayout->addWidget(m_pPresetButton);
    pLayout->addLayout(pSizeRow);
    pLayout->addWidget(m_pErrorLabel);
    pLayout->addStretch(1);
    pLayout->addLayout(pButtonRow);

    InitControlValue();
}

void CSetCanvasDlg::InitControlValue()
{
    if (!m_bHasSender) {
        m_pPresetButton->setEnabled(false);
        m_pWidthBox->setEnabled(false);
        m_pHeightBox->setEnabled(false);
        m_pOkButton->setEnabled(false);
        return;
    }
    QSize size = g_pProjectData->GetCurrentSender()->GetCanvasSize();
    const int nIndex = CurrentSenderIndex();
    if (g_pHwSenderLogic->IsRestricted(nIndex) && g_pHwSenderLogic->IsCanvasReadable(nIndex)) {
        size = g_pProjectData->GetSender(nIndex)->GetCanvasSize();
        if (size == QSize(0, 0))
            size = CanvasRules::PresetSize(0); // never configured
    }
    m_pWidthBox->setValue(size.width());
    m_pHeightBox->setValue(size.height());
    m_sizeCanvas = size;
    IsShowError();
}

void CSetCanvasDlg::InitStyle()
{
    m_pWidthLabel->setStyleSheet(DialogLabelStyle());
    m_pHeightLabel->setStyleSheet(DialogLabelStyle());
    m_pErrorLabel->setStyleSheet(DialogWarnLabelStyle());
    m_pWidthBox->setStyleSheet(DialogSpinBoxStyle());
    m_pHeightBox->setStyleSheet(DialogSpinBoxStyle());
    const QString strButtonStyle = DialogButtonStyle();
    m_pPresetButton->setStyleSheet(strButtonStyle);
    m_pOkButton->setStyleSheet(strButtonStyle);
    m_pCancelButton->setStyleSheet(strButtonStyle);
}

void CSetCanvasDlg::SetControlRect()
{
    m_pPresetButton->setFixedHeight(26);
    FixSizeForText(m_pWidthLabel, 20, 24);
    FixSizeForText(m_pHeightLabel, 20, 24);
    m_pWidthBox->setFixedHeight(24);
    m_pHeightBox->setFixedHeight(24);
    m_pErrorLabel->setMaximumWidth(g_nWindowWidth - 40);
    FixSizeForText(m_pOkButton, 80, 26);
    FixSizeForText(m_pCancelButton, 80, 26);
}

void CSetCanvasDlg::InitControlConnect()
{
    const bool bWithDci4k
        = g_pHwSenderLogic->GetSenderType(CurrentSenderIndex()) != g_nSenderTypeWithoutDci4k;
    const int nPresets = bWithDci4k ? CanvasRules::g_nPresetCount : CanvasRules::g_nPresetCount - 1;
    m_pPresetMenu = new QMenu(this);
    m_pPresetMenu->setStyleSheet(DialogMenuStyle());
    m_pPresetMenu->setFixedWidth(g_nMenuWidth);
    for (int nPreset = 0; nPreset < nPresets; ++nPreset)
        m_pPresetMenu->addAction(CanvasRules::PresetText(nPreset))->setData(nPreset);
    // No check marks: the button's own text says whether a preset or a custom size stands.
    m_pPresetButton->SetMenu(m_pPresetMenu, false, false, true);
    connect(m_pPresetMenu, &QMenu::triggered, this,
        [this](QAction* pAction) { ComboBoxSelect(pAction->data().toInt()); });

    auto fnValueChanged = [this](double) { SpinBoxValueChanged(); };
    connect(m_pWidthBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, fnValueChanged);
    connect(m_pHeightBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, fnValueChanged);
    connect(m_pOkButton, &QPushButton::clicked, this, [this] { ButtonClicked(ActionOk); });
    connect(m_pCancelButton, &QPushButton::clicked, this, [this] { ButtonClicked(ActionCancel); });
    SetDialogButtons(m_pOkButton, m_pCancelButton);
}

void CSetCanvasDlg::ComboBoxSelect(int nPreset)
{
    if (nPreset >= 0 && nPreset < CanvasRules::g_nPresetCount) {
        m_nShownPreset = nPreset;
        m_pPresetButton->setText(CanvasRules::PresetText(nPreset));
    }
    SetControlValue();
    IsShowError();
}

void CSetCanvasDlg::SetControlValue()
{
    if (m_nShownPreset < 0)
        return;
    // Validated once by the caller, not halfway with one side changed.
    const QSize size = CanvasRules::PresetSize(m_nShownPreset);
    const QSignalBlocker blockWidth(m_pWidthBox);
    const QSignalBlocker blockHeight(m_pHeightBox);
    m_pWidthBox->setValue(size.width());
    m_pHeightBox->setValue(size.height());
}

void CSetCanvasDlg::SpinBoxValueChanged()
{
    IsShowError();
}

bool CSetCanvasDlg::IsShowError()
{
    if (!m_bHasSender)
        return false;
    SCanvasLimits limits;
    const bool bLimited = QueryLimits(limits);
    const SCanvasCheck check = CanvasRules::Check(static_cast<int>(m_pWidthBox->value()),
        static_cast<int>(m_pHeightBox->value()), bLimited ? &limits : nullptr);
    if (check.bClamped) {
        const QSignalBlocker blockWidth(m_pWidthBox);
        const QSignalBlocker blockHeight(m_pHeightBox);
        m_pWidthBox->setValue(check.size.width());
        m_pHeightBox->setValue(check.size.height());
    }
    m_nShownPreset = check.nPreset;
    m_pPresetButton->setText(check.strButtonText);

    m_strError = check.strError;
    if (m_strError.isEmpty()) {
        ChangeSize(false);
        return true;
    }
    m_pErrorLabel->setText(m_strError);
    ChangeSize(true);
    return false;
}

void CSetCanvasDlg::ChangeSize(bool bError)
{
    m_pErrorLabel->setVisible(bError);
    m_pOkButton->setEnabled(!bError);
    const int nHeight = bError ? g_nHeightError : g_nHeightNormal;
    if (height() != nHeight)
        setFixedSize(width(), nHeight);
}

void CSetCanvasDlg::ButtonClicked(int nAction)
{
    if (nAction == ActionCancel) {
        RunCancel();
        return;
    }
    if (nAction != ActionOk)
        return;
    RunConfirm([this] {
        if (!m_bHasSender)
            return false;
        if (!m_strError.isEmpty()) {
            CCustomMessageBox::information(
                this, m_strError, CCustomMessageBox::ButtonOk, CCustomMessageBox::ButtonOk, 2147483647);
            return false;
        }
        m_sizeCanvas = QSize(static_cast<int>(m_pWidthBox->value()), static_cast<int>(m_pHeightBox->value()));
        return true;
    });
}
