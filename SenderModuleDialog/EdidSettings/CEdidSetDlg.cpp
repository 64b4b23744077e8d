#include "CEdidSetDlg.h"

#include "DialogSender.h"

#include "DialogButtons.h"
#include "DialogFit.h"
#include "DialogStyle.h"
#include "EdidOptions.h"
#include "EdidSelection.h"
#include "EdidSettingsRecord.h"
#include "ServiceRegistry.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CCustomMessageBox.h"
#include "CCustomProgressbar.h"
#include "CCustomSpinBox.h"
#include "HardwareSupport.h"
#include "KivoData.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QThread>

namespace {
constexpr int g_nRowHeight = 26;
constexpr int g_nButtonWidth = 86;
constexpr int g_nMaxFieldWidth = 32768;
constexpr int g_nMaxFieldHeight = 16384;

// The computer's own mode as the input sees it: device pixels, not the
// desktop's scaled size.
QSize DesktopSize()
{
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen ? EdidOptions::DeviceSize(pScreen->size(), pScreen->devicePixelRatio()) : QSize();
}

// Menu entries carry their option position; entries a model lacks leave gaps.
int MenuIndexOfData(const CCustomComboBox* pCombo, int nData)
{
    for (int i = 0; i < pCombo->Count(); ++i) {
        if (pCombo->ItemAt(i)->data().toInt() == nData)
            return i;
    }
    return -1;
}

void CheckItemByData(CCustomComboBox* pCombo, int nData)
{
    pCombo->SetItemChecked(MenuIndexOfData(pCombo, nData));
}
} // namespace

struct SEdidDialogState
{
    EdidOptions::SInputContext context; // model code, input identifier, restriction flag
    SEdidSelection selection;
    EdidOptions::SRowFlags rows;
};

CEdidSetDlg::CEdidSetDlg(QWidget* pParent, int nInputId, bool bRestricted)
    : CCustomDialog(pParent, false)
    , m_pState(new SEdidDialogState)
{
    m_bHasSender = RequireCurrentSender(pParent) != nullptr;
    const int nSender = g_pProjectData->GetCurSenderIndex();
    m_pState->context.nInput = nInputId;
    m_pState->context.bRestricted = bRestricted;
    m_pState->context.nModel = g_pHwSenderLogic->GetModelCode(nSender);

    // The menu's spelling, so the combo reads as the entry that was picked.
    m_listDepthNames << tr("8bit") << tr("10bit") << tr("12bit");
    m_listFormatNames << tr("RGB") << tr("YCBCR 4:4:4") << tr("YCBCR 4:2:2") << tr("YCBCR 4:4:0");
    m_listStandardNames << tr("CVT_RB") << tr("CVT");

    m_pLimitData = new CSenderEdidLimitData;
    g_pHwVideoSourceLogic->GetEdidLimit(nSender, nInputId, m_pLimitData);
    m_pLimitData->m_vecResolutions = EdidOptions::BoundedResolutions(m_pLimitData->m_vecResolutions);

    const SEdidSettingsRecord::CBytes descriptor = MakeEdidInputDescriptor(nInputId);
    setWindowTitle(
        g_pHwVideoSourceLogic->GetInputName(nSender, descriptor.data(), 0) + " - " + tr("EDID设置"));

    ReadCurrentSettings();

    InitControl();
    InitStyle();
    InitComboBox();
    SetControlRect();
    InitControlConnect();
    RefreshWindow();
}

CEdidSetDlg::~CEdidSetDlg()
{
    delete m_pLimitData;
}

const QVector<QSize>& CEdidSetDlg::Resolutions() const
{
    return m_pLimitData->m_vecResolutions;
}

void CEdidSetDlg::ReadCurrentSettings()
{
    const SEdidSettingsRecord::CBytes descriptor = MakeEdidInputDescriptor(m_pState->context.nInput);
    SEdidSettingsRecord::CBytes bytes {};
    const bool bRead = g_pHwVideoSourceLogic->ReadEdidSetting(
        g_pProjectData->GetCurSenderIndex(), descriptor.data(), bytes.data());
    const SEdidSettingsRecord record = SEdidSettingsRecord::FromBytes(bytes);
    m_pState->selection
        = EdidSelection::FromRecord(bRead ? &record : nullptr, Resolutions(), m_pState->context.nInput);
}

void CEdidSetDlg::InitControl()
{
    m_pResolutionCombo = new CCustomComboBox(this);
    m_pResolutionLabel = new CCustomLabel(tr("分辨率"), this);
    m_pWidthSpin = new CCustomSpinBox(0, this);
    m_pTimesLabel = new CCustomLabel(QStringLiteral("×"), this);
    m_pHeightSpin = new CCustomSpinBox(0, this);
    m_pWidthSpin->setAccessibleName(tr("宽"));
    m_pHeightSpin->setAccessibleName(tr("高"));
    m_pRateLabel = new CCustomLabel(tr("帧率"), this);
    m_pRateCombo = new CCustomComboBox(this);
    m_pDepthLabel = new CCustomLabel(tr("色深"), this);
    m_pDepthCombo = new CCustomComboBox(this);
    m_pFormatLabel = new CCustomLabel(tr("颜色格式"), this);
    m_pFormatCombo = new CCustomComboBox(this);
    m_pStandardLabel = new CCustomLabel(tr("标准"), this);
    m_pStandardCombo = new CCustomComboBox(this);
    m_pConnectCheck = new QCheckBox(tr("连接电脑"), this);
    m_pMessageLabel = new CCustomLabel(this);
    m_pOKButton = new QPushButton(tr("确认"), this);
    m_pCancelButton = new QPushButton(tr("取消"), this);

    m_pResolutionCombo->setObjectName("resolutionCombo");
    m_pWidthSpin->setObjectName("widthSpin");
    m_pHeightSpin->setObjectName("heightSpin");
    m_pRateCombo->setObjectName("rateCombo");
    m_pDepthCombo->setObjectName("depthCombo");
    m_pFormatCombo->setObjectName("formatCombo");
    m_pStandardCombo->setObjectName("standardCombo");
    m_pConnectCheck->setObjectName("connectCheck");
    m_pMessageLabel->setObjectName("messageLabel");
    m_pOKButton->setObjectName("okButton");
    m_pCancelButton->setObjectName("cancelButton");

    m_pWidthSpin->SetMinMax(1, g_nMaxFieldWidth);
    m_pHeightSpin->SetMinMax(1, g_nMaxFieldHeight);
    m_pWidthSpin->setValue(m_pState->selection.nOpenedWidth);
    m_pHeightSpin->setValue(m_pState->selection.nOpenedHeight);
    // The boxes may have bounded the values read.
    m_pState->selection.nFieldWidth = static_cast<int>(m_pWidthSpin->value());
    m_pState->selection.nFieldHeight = static_cast<int>(m_pHeightSpin->value());
    m_pMessageLabel->setWordWrap(true);

    for (CCustomLabel* pLabel : {m_pResolutionLabel, m_pTimesLabel, m_pRateLabel, m_pDepthLabel,
             m_pFormatLabel, m_pStandardLabel, m_pMessageLabel})
        pLabel->setAlignment(Qt::AlignCenter);

    auto* pLayout = new QGridLayout(this);
    pLayout->setContentsMargins(30, 15, 30, 10);
    pLayout->setHorizontalSpacing(0);
    const int arrStretch[] = {3, 2, 1, 2};
    for (int nColumn = 0; nColumn < 4; ++nColumn)
        pLayout->setColumnStretch(nColumn, arrStretch[nColumn]);

    pLayout->addWidget(m_pResolutionCombo, 0, 0, 1, 4);
    pLayout->addWidget(m_pResolutionLabel, 1, 0);
    pLayout->addWidget(m_pWidthSpin, 1, 1);
    pLayout->addWidget(m_pTimesLabel, 1, 2);
    pLayout->addWidget(m_pHeightSpin, 1, 3);
    const std::pair<CCustomLabel*, CCustomComboBox*> arrComboRows[]
        = {{m_pRateLabel, m_pRateCombo}, {m_pDepthLabel, m_pDepthCombo}, {m_pFormatLabel, m_pFormatCombo},
            {m_pStandardLabel, m_pStandardCombo}};
    int nRow = 2;
    for (const auto& row : arrComboRows) {
        pLayout->addWidget(row.first, nRow, 0);
        pLayout->addWidget(row.second, nRow, 1, 1, 3);
        ++nRow;
    }
    pLayout->addWidget(m_pConnectCheck, 6, 0, 1, 4);
    pLayout->addWidget(m_pMessageLabel, 7, 0, 1, 4, Qt::AlignCenter);
    pLayout->addWidget(m_pOKButton, 8, 1, Qt::AlignLeft);
    pLayout->addWidget(m_pCancelButton, 8, 2, 1, 2, Qt::AlignRight);
}

void CEdidSetDlg::InitStyle()
{
    const QString strLabelStyle = DialogLabelStyle();
    for (CCustomLabel* pLabel :
        {m_pResolutionLabel, m_pTimesLabel, m_pRateLabel, m_pDepthLabel, m_pFormatLabel, m_pStandardLabel})
        pLabel->setStyleSheet(strLabelStyle);
    m_pMessageLabel->setStyleSheet(DialogWarnLabelStyle());
    m_pWidthSpin->setStyleSheet(DialogSpinBoxStyle());
    m_pHeightSpin->setStyleSheet(DialogSpinBoxStyle());
    m_pConnectCheck->setStyleSheet(DialogCheckBoxStyle());
    m_pOKButton->setStyleSheet(DialogButtonStyle());
    m_pCancelButton->setStyleSheet(DialogButtonStyle());
}

void CEdidSetDlg::CreateMenu(CCustomComboBox* pCombo, bool bMatchWidth)
{
    auto* pMenu = new QMenu(this);
    pMenu->setStyleSheet(DialogMenuStyle());
    pCombo->SetMenu(pMenu, bMatchWidth, true, true);
}

// The slot gets the entry's option position, not its place in the menu.
void CEdidSetDlg::ConnectPositionMenu(CCustomComboBox* pCombo, void (CEdidSetDlg::*pfnSlot)(int))
{
    connect(pCombo->Menu(), &QMenu::triggered, this,
        [this, pfnSlot](QAction* pAction) { (this->*pfnSlot)(pAction->data().toInt()); });
}

void CEdidSetDlg::AddMenuItem(CCustomComboBox* pCombo, const QString& strText, int nData)
{
    QAction* pAction = pCombo->Menu()->addAction(strText);
    pAction->setData(nData);
}

void CEdidSetDlg::InitComboBox()
{
    using namespace EdidOptions;
    const int nSender = g_pProjectData->GetCurSenderIndex();
    SInputContext ctx = m_pState->context;
    ctx.bExtendedEdid = g_pHwSenderLogic->IsExtendedEdidSupported();

    CreateMenu(m_pResolutionCombo, false);
    if (HasCustomResolution(m_pState->context.nInput))
        AddMenuItem(m_pResolutionCombo, tr("自定义"), 0);
    const QSize sizeDesktop = DesktopSize();
    for (int i = 0; i < Resolutions().size(); ++i) {
        const QSize& size = Resolutions().at(i);
        QString strText = QString("%1 × %2").arg(size.width()).arg(size.height());
        if (size == sizeDesktop)
            strText = QString("%1 (%2)").arg(strText, tr("电脑"));
        AddMenuItem(m_pResolutionCombo, strText, i + 1);
    }

    CreateMenu(m_pRateCombo, true);
    for (int nPosition : OfferedRates(ctx))
        AddMenuItem(m_pRateCombo, g_arrFrameRates[nPosition].pszText, nPosition);

    CreateMenu(m_pDepthCombo, true);
    const SDepthOffer depths = OfferedDepths(ctx, g_pHwSenderLogic->IsRestricted(nSender),
        g_pHwSenderLogic->Is10BitSupported(nSender), g_pHwSenderLogic->Is12BitSupported(nSender));
    const QStringList listDepthItems {tr("8bit"), tr("10bit"), tr("12bit")};
    for (int nPosition : depths.vecPositions)
        AddMenuItem(m_pDepthCombo, listDepthItems.at(nPosition), nPosition);
    if (depths.bForce8Bit) {
        if (CSender* pSender = g_pProjectData->GetCurrentSender())
            pSender->SetColorDepth(8);
        m_pState->selection.nDepthIndex = 0;
    }

    CreateMenu(m_pFormatCombo, true);
    for (int i = 0; i < m_listFormatNames.size(); ++i)
        AddMenuItem(m_pFormatCombo, m_listFormatNames.at(i), i);

    CreateMenu(m_pStandardCombo, true);
    for (int i = 0; i < m_listStandardNames.size(); ++i)
        AddMenuItem(m_pStandardCombo, m_listStandardNames.at(i), i);

    ConnectPositionMenu(m_pResolutionCombo, &CEdidSetDlg::OnResolutionComboBoxSelect);
    connect(m_pRateCombo->Menu(), &QMenu::triggered, this, &CEdidSetDlg::OnRateComboBoxSelect);
    ConnectPositionMenu(m_pDepthCombo, &CEdidSetDlg::OnColorDepthComboBoxSelect);
    ConnectPositionMenu(m_pFormatCombo, &CEdidSetDlg::OnColorFormatComboBoxSelect);
    ConnectPositionMenu(m_pStandardCombo, &CEdidSetDlg::OnTimingStandardComboBoxSelect);
    connect(m_pConnectCheck, &QCheckBox::clicked, this,
        [this] { m_pState->selection.ucConnectPC = m_pState->selection.ucConnectPC ? 0 : 1; });
}

void CEdidSetDlg::SetControlRect()
{
    for (QWidget* pWidget : QWidgetList {m_pResolutionCombo, m_pRateCombo, m_pDepthCombo, m_pFormatCombo,
             m_pStandardCombo, m_pWidthSpin, m_pHeightSpin})
        pWidget->setFixedHeight(g_nRowHeight);
    for (QWidget* pWidget : QWidgetList {m_pConnectCheck, m_pOKButton, m_pCancelButton})
        pWidget->setFixedSize(g_nButtonWidth, g_nRowHeight);
    m_pMessageLabel->setFixedSize(240, 52);
}

void CEdidSetDlg::InitControlConnect()
{
    connect(m_pWidthSpin, &QDoubleSpinBox::textChanged, this, &CEdidSetDlg::OnWidthSpinBoxValueChanged);
    connect(m_pHeightSpin, &QDoubleSpinBox::textChanged, this, &CEdidSetDlg::OnHeightSpinBoxValueChanged);
    // The box stays silent while its text is no acceptable number; a cleared
    // field must still be checked (as 0), so its editor reports that text.
    for (const auto& field : {std::make_pair(m_pWidthSpin, &CEdidSetDlg::OnWidthSpinBoxValueChanged),
             std::make_pair(m_pHeightSpin, &CEdidSetDlg::OnHeightSpinBoxValueChanged)}) {
        connect(field.first->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
            [this, field](QString strText) {
                int nPos = 0;
                if (field.first->validate(strText, nPos) != QValidator::Acceptable)
                    (this->*field.second)();
            });
    }
    connect(m_pOKButton, &QPushButton::clicked, this, &CEdidSetDlg::OnOKPushButtonClicked);
    connect(m_pCancelButton, &QPushButton::clicked, this, &CEdidSetDlg::OnCancelPushButtonClicked);
    SetDialogButtons(m_pOKButton, m_pCancelButton);
}

void CEdidSetDlg::RefreshWindow()
{
    RefreshResolution();
    RefreshFrameRate();
    RefreshColorDepth();
    RefreshColorFormat();
    RefreshEdidStandard();
    RefreshConnectPC();
    RefreshErrorInfo();

    const int nHeight = EdidOptions::WindowHeight(m_pState->rows, EdidOptions::IsKylin402());
    if (nHeight != height() || width() < minimumSizeHint().width())
        FixDialogSize(this, QSize(EdidOptions::g_nWindowWidth, nHeight));
}

void CEdidSetDlg::RefreshResolution()
{
    CheckItemByData(m_pResolutionCombo, m_pState->selection.nResolutionIndex);
    m_pState->rows.bCustomSize
        = EdidSelection::VisibleRows(m_pState->selection, m_pState->context, false).bCustomSize;
    if (m_pState->rows.bCustomSize) {
        m_pResolutionCombo->setText(
            tr("自定义：%1×%2").arg(m_pState->selection.nOpenedWidth).arg(m_pState->selection.nOpenedHeight));
    } else {
        QSize size;
        QString strText;
        if (GetResolutionByIndex(m_pState->selection.nResolutionIndex, size)) {
            strText = QString("%1×%2").arg(size.width()).arg(size.height());
            if (size == DesktopSize())
                strText += "(" + tr("电脑") + ")";
        }
        m_pResolutionCombo->setText(strText);
        m_pOKButton->setEnabled(true);
        m_pMessageLabel->hide();
    }
    for (QWidget* pWidget : QWidgetList {m_pResolutionLabel, m_pWidthSpin, m_pTimesLabel, m_pHeightSpin})
        pWidget->setVisible(m_pState->rows.bCustomSize);
}

void CEdidSetDlg::RefreshFrameRate()
{
    m_pState->rows.bRate = true;
    const int nIndex = m_pState->selection.nRateIndex;
    CheckItemByData(m_pRateCombo, nIndex);
    const bool bKnown = nIndex >= 0 && nIndex < EdidOptions::g_nRateCount;
    m_pRateCombo->setText(bKnown ? QString(EdidOptions::g_arrFrameRates[nIndex].pszText) : QString());
    m_pRateLabel->show();
    m_pRateCombo->show();
}

void CEdidSetDlg::RefreshColorDepth()
{
    CheckItemByData(m_pDepthCombo, m_pState->selection.nDepthIndex);
    m_pDepthCombo->setText(m_listDepthNames.value(m_pState->selection.nDepthIndex));
}

void CEdidSetDlg::RefreshColorFormat()
{
    m_pFormatLabel->hide();
    m_pFormatCombo->hide();
    CheckItemByData(m_pFormatCombo, m_pState->selection.nFormatIndex);
    m_pFormatCombo->setText(m_listFormatNames.value(m_pState->selection.nFormatIndex));
}

void CEdidSetDlg::RefreshEdidStandard()
{
    m_pState->rows.bStandard
        = EdidSelection::VisibleRows(m_pState->selection, m_pState->context, false).bStandard;
    m_pStandardLabel->setVisible(m_pState->rows.bStandard);
    m_pStandardCombo->setVisible(m_pState->rows.bStandard);
    CheckItemByData(m_pStandardCombo, m_pState->selection.ucTimingStandard);
    m_pStandardCombo->setText(m_listStandardNames.value(m_pState->selection.ucTimingStandard));
}

void CEdidSetDlg::RefreshConnectPC()
{
    m_pState->rows.bConnectPC
        = EdidSelection::VisibleRows(m_pState->selection, m_pState->context, false).bConnectPC;
    m_pConnectCheck->setVisible(m_pState->rows.bConnectPC);
    m_pConnectCheck->setChecked(m_pState->selection.ucConnectPC != 0);
}

void CEdidSetDlg::RefreshErrorInfo()
{
    QSize size;
    QString strMessage;
    // The fields' text, not their last valid value: a cleared field counts as 0.
    if (m_pState->selection.nResolutionIndex == 0)
        size = QSize(m_pWidthSpin->cleanText().toInt(), m_pHeightSpin->cleanText().toInt());
    if (m_pState->selection.nResolutionIndex == 0
        || EdidSelection::CurrentSize(m_pState->selection, Resolutions(), size)) {
        const quint32 uClockOrArea = EdidOptions::FormatCheckValue(m_pLimitData->m_bCheckByPixelClock,
            m_pState->selection.nRateIndex, size.width(), size.height(), m_pState->selection.ucTimingStandard,
            m_pLimitData->m_nMaxArea);
        g_pHwVideoSourceLogic->CheckEdidFormat(size.width(), size.height(), uClockOrArea, strMessage);
    }
    m_pState->rows.bError = !strMessage.isEmpty();
    m_pMessageLabel->setText(strMessage);
    m_pMessageLabel->setVisible(m_pState->rows.bError);
    // The DisplayID note informs; it does not forbid.
    m_pOKButton->setEnabled(strMessage.isEmpty() || strMessage == tr("已使用DisplayID 1.3扩展块"));
}

int CEdidSetDlg::ClampCustomField(CCustomSpinBox* pSpin, int nMax)
{
    const int nValue = static_cast<int>(pSpin->value());
    const int nClamped = EdidOptions::ClampCustomSize(nValue, nMax);
    if (nClamped != nValue) {
        const QSignalBlocker blocker(pSpin);
        pSpin->setValue(nClamped);
    }
    return static_cast<int>(pSpin->value());
}

void CEdidSetDlg::OnWidthSpinBoxValueChanged()
{
    m_pState->selection.nFieldWidth = ClampCustomField(m_pWidthSpin, m_pLimitData->m_nMaxWidth);
    RefreshWindow();
}

void CEdidSetDlg::OnHeightSpinBoxValueChanged()
{
    m_pState->selection.nFieldHeight = ClampCustomField(m_pHeightSpin, m_pLimitData->m_nMaxHeight);
    RefreshWindow();
}

void CEdidSetDlg::OnResolutionComboBoxSelect(int nPosition)
{
    OnComboBoxSelect(EdidSelection::FieldResolution, nPosition);
}

void CEdidSetDlg::OnColorDepthComboBoxSelect(int nPosition)
{
    OnComboBoxSelect(EdidSelection::FieldDepth, nPosition);
}

void CEdidSetDlg::OnColorFormatComboBoxSelect(int nPosition)
{
    OnComboBoxSelect(EdidSelection::FieldFormat, nPosition);
}

void CEdidSetDlg::OnTimingStandardComboBoxSelect(int nPosition)
{
    OnComboBoxSelect(EdidSelection::FieldStandard, nPosition);
}

void CEdidSetDlg::OnComboBoxSelect(int nField, int nPosition)
{
    if (nField < EdidSelection::FieldResolution || nField > EdidSelection::FieldStandard)
        return;
    if (EdidSelection::Select(m_pState->selection, static_cast<EdidSelection::enField>(nField), nPosition))
        RefreshWindow();
}

void CEdidSetDlg::OnRateComboBoxSelect(QAction* pAction)
{
    const int nIndex = pAction ? pAction->data().toInt() : -1;
    if (nIndex < 0)
        return;
    m_pState->selection.nRateIndex = nIndex;
    RefreshWindow();
}

void CEdidSetDlg::SetSizeFieldsEnabled(bool bEnabled)
{
    m_pWidthSpin->setEnabled(bEnabled);
    m_pHeightSpin->setEnabled(bEnabled);
}

void CEdidSetDlg::OnOKPushButtonClicked()
{
    // The progress loop lets events through; the base keeps a second click or
    // Enter arriving then from sending again.
    RunConfirm([this] { return SendSelection(); });
}

bool CEdidSetDlg::SendSelection()
{
    if (!m_bHasSender)
        return false;
    SetSizeFieldsEnabled(false);
    EdidOptions::SInputContext ctx = m_pState->context;
    ctx.bExtendedEdid = g_pHwSenderLogic->IsExtendedEdidSupported();
    SEdidSettingsRecord record;
    const bool bValid = EdidSelection::MakeRecord(m_pState->selection, ctx, Resolutions(), record);
    if (bValid && ctx.bExtendedEdid)
        SendExtended(record);
    else if (bValid)
        SendBasic(record);
    // Shown again, the dialog's fields are editable again.
    SetSizeFieldsEnabled(true);
    return bValid;
}

void CEdidSetDlg::SendExtended(const SEdidSettingsRecord& record)
{
    const int nSender = g_pProjectData->GetCurSenderIndex();
    const SEdidSettingsRecord::CBytes bytes = record.ToBytes();
    if (g_pHwVideoSourceLogic->SendEdidSetting(nSender, m_pState->context.nInput, bytes.data()) < 0) {
        ReportSaveFailed();
        return;
    }
    const int nStepMs
        = EdidOptions::ProgressStepMs(g_pProjectData->GetDemoModeEnable(), true, m_pState->context.nModel);
    ShowProgress(nStepMs); // the returned bar closes right here
    g_pHwVideoSourceLogic->ApplyEdidSetting(nSender, 1);
}

void CEdidSetDlg::SendBasic(const SEdidSettingsRecord& record)
{
    const int nSender = g_pProjectData->GetCurSenderIndex();
    const SEdidSettingsRecord::CBytes bytes = record.ToBytes();
    const int nResult
        = g_pHwVideoSourceLogic->SendEdidSetting(nSender, m_pState->context.nInput, bytes.data());

    const int nStepMs
        = EdidOptions::ProgressStepMs(g_pProjectData->GetDemoModeEnable(), false, m_pState->context.nModel);
    std::unique_ptr<CCustomProgressbar> pProgress = ShowProgress(nStepMs);
    if (nResult >= 0) {
        g_pHwSenderLogic->NotifyEdidSent(nSender);
        g_pHwVideoSourceLogic->CompleteBasicEdid(nSender, record.uWidth, record.uHeight, &m_bSetSuccessed);
        pProgress.reset();
    } else {
        pProgress.reset();
        ReportSaveFailed();
    }
}

// The device applies the settings in its own time and tells nobody when it is
// done; the fixed wait behind a progress bar is all there is.
std::unique_ptr<CCustomProgressbar> CEdidSetDlg::ShowProgress(int nStepMs)
{
    std::unique_ptr<CCustomProgressbar> pProgress(new CCustomProgressbar(this, false));
    pProgress->SetText(tr("发送中..."));
    pProgress->show();
    pProgress->setValue(EdidOptions::g_nProgressFirst);
    for (int nValue = EdidOptions::g_nProgressFirst + 1; nValue <= EdidOptions::g_nProgressLast; ++nValue) {
        QThread::msleep(static_cast<unsigned long>(nStepMs));
        pProgress->setValue(nValue);
    }
    return pProgress;
}

void CEdidSetDlg::ReportSaveFailed()
{
    CCustomMessageBox::information(
        this, tr("保存失败。"), CCustomMessageBox::ButtonOk, CCustomMessageBox::ButtonOk, 2147483647);
}

void CEdidSetDlg::OnCancelPushButtonClicked()
{
    RunCancel();
}

bool CEdidSetDlg::GetResolutionByIndex(int nIndex, QSize& size) const
{
    if (nIndex < 0 || nIndex > Resolutions().size())
        return false;
    size = nIndex == 0 ? QSize(m_pState->selection.nOpenedWidth, m_pState->selection.nOpenedHeight)
                       : Resolutions().at(nIndex - 1);
    return true;
}

bool CEdidSetDlg::GetIndexByResolution(QSize size, int& nIndex) const
{
    nIndex = 0;
    const int nFound = Resolutions().indexOf(size);
    if (nFound < 0)
        return false;
    nIndex = nFound + 1;
    return true;
}

bool CEdidSetDlg::GetColorDepthByIndex(int nIndex, unsigned char& ucColor) const
{
    return EdidOptions::ColorDepthByIndex(nIndex, ucColor);
}

bool CEdidSetDlg::GetIndexByColorDepth(unsigned char ucColor, int& nIndex) const
{
    nIndex = EdidOptions::IndexByColorDepth(ucColor);
    return true;
}

bool CEdidSetDlg::GetColorFormatByIndex(int nIndex, unsigned char& ucColor) const
{
    return EdidOptions::ColorFormatByIndex(nIndex, ucColor);
}

bool CEdidSetDlg::GetIndexByColorFormat(unsigned char ucColor, int& nIndex) const
{
    nIndex = EdidOptions::IndexByColorFormat(ucColor);
    return true;
}

bool CEdidSetDlg::GetFrameRateByIndex(int nIndex, unsigned char& ucRate, bool& bFractional) const
{
    return EdidOptions::FrameRateByIndex(nIndex, ucRate, bFractional);
}

bool CEdidSetDlg::GetIndexByFrameRate(unsigned char ucRate, bool bFractional, int& nIndex) const
{
    return EdidOptions::IndexByFrameRate(ucRate, bFractional, nIndex);
}

quint32 CEdidSetDlg::GetMaxAreaByRate() const
{
    return EdidOptions::MaxAreaByRate(m_pState->selection.nRateIndex, m_pLimitData->m_nMaxArea);
}

int CEdidSetDlg::GetRateIndexMax() const
{
    return EdidOptions::RateIndexMax(m_pState->context.bRestricted);
}

bool CEdidSetDlg::IsSenderConnectPC() const
{
    return EdidOptions::IsSenderConnectPC(m_pState->context.nModel, m_pState->context.nInput);
}

bool CEdidSetDlg::IsShowConnectPC() const
{
    return EdidOptions::IsShowConnectPC(m_pState->context.nModel, m_pState->context.nInput);
}
