#include "CEdidSetDlg.h"

#include "EdidOptions.h"
#include "EdidSettingsRecord.h"
#include "ServiceRegistry.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CCustomMessageBox.h"
#include "CCustomProgressbar.h"
#include "CCustomSpinBox.h"
#include "HardwareSupport.h"
#include "KivoData.h"
#include "OstraStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QThread>

namespace {
constexpr int FONT_SIZE = 12;
constexpr int ROW_HEIGHT = 26;
constexpr int BUTTON_WIDTH = 86;
constexpr int MAX_FIELD_WIDTH = 32768;
constexpr int MAX_FIELD_HEIGHT = 16384;

QSize DesktopSize()
{
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen ? pScreen->size() : QSize();
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

CEdidSetDlg::CEdidSetDlg(QWidget* pParent, int nInputId, bool bRestricted)
    : CCustomDialog(pParent, false)
    , m_bRestricted(bRestricted)
    , m_nInputId(nInputId)
{
    const int nSender = g_pProjectData->GetCurSenderIndex();
    m_nModelCode = g_pHwSenderLogic->GetModelCode(nSender);

    m_listDepthNames << tr("8 bit") << tr("10 bit") << tr("12 bit");
    m_listFormatNames << tr("RGB") << tr("YCBCR 4:4:4") << tr("YCBCR 4:2:2") << tr("YCBCR 4:4:0");
    m_listStandardNames << tr("CVT_RB") << tr("CVT");

    m_pLimitData = new CSenderEdidLimitData;
    g_pHwVideoSourceLogic->GetEdidLimit(nSender, m_nInputId, m_pLimitData);

    const SEdidSettingsRecord::CBytes descriptor = MakeEdidInputDescriptor(m_nInputId);
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

void CEdidSetDlg::ReadCurrentSettings()
{
    const SEdidSettingsRecord::CBytes descriptor = MakeEdidInputDescriptor(m_nInputId);
    SEdidSettingsRecord::CBytes bytes {};
    SEdidSettingsRecord record;
    if (g_pHwVideoSourceLogic->ReadEdidSetting(
            g_pProjectData->GetCurSenderIndex(), descriptor.data(), bytes.data())) {
        record = SEdidSettingsRecord::FromBytes(bytes);
    } else {
        record.uFrameRate = 60;
        record.uWidth = 1920;
        record.uHeight = 1080;
        record.ucColor = EdidOptions::DEFAULT_COLOR;
    }
    m_nCustomWidth = record.uWidth;
    m_nCustomHeight = record.uHeight;
    // A rate beyond one byte cannot be in the table; it falls back like any unknown rate.
    m_ucRate = record.uFrameRate <= 0xFF ? static_cast<quint8>(record.uFrameRate) : 0;
    m_ucColor = record.ucColor;
    m_ucTimingStandard = record.ucTimingStandard < EdidOptions::STANDARD_COUNT ? record.ucTimingStandard : 0;
    m_ucConnectPC = record.ucConnectPC;

    if (!GetIndexByResolution(QSize(m_nCustomWidth, m_nCustomHeight), m_nResolutionIndex))
        m_nResolutionIndex = EdidOptions::FallbackResolutionIndex(m_nInputId);
    if (!GetIndexByFrameRate(m_ucRate, record.bFractional, m_nRateIndex))
        m_nRateIndex = EdidOptions::RATE_POS_60;
    GetIndexByColorDepth(m_ucColor, m_nDepthIndex);
    GetIndexByColorFormat(m_ucColor, m_nFormatIndex);
}

void CEdidSetDlg::InitControl()
{
    m_pResolutionCombo = new CCustomComboBox(this);
    m_pResolutionLabel = new CCustomLabel(tr("分辨率"), this);
    m_pWidthSpin = new CCustomSpinBox(0, this);
    m_pTimesLabel = new CCustomLabel(QStringLiteral("×"), this);
    m_pHeightSpin = new CCustomSpinBox(0, this);
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

    m_pWidthSpin->SetMinMax(1, MAX_FIELD_WIDTH);
    m_pHeightSpin->SetMinMax(1, MAX_FIELD_HEIGHT);
    m_pWidthSpin->setValue(m_nCustomWidth);
    m_pHeightSpin->setValue(m_nCustomHeight);
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
    const QString strLabelStyle = GetFontStyleSheet(g_labelNoFrameStyle, "QLabel", FONT_SIZE);
    for (CCustomLabel* pLabel :
        {m_pResolutionLabel, m_pTimesLabel, m_pRateLabel, m_pDepthLabel, m_pFormatLabel, m_pStandardLabel})
        pLabel->setStyleSheet(strLabelStyle);
    m_pMessageLabel->setStyleSheet(GetFontStyleSheet(g_labelWarnStyle, "QLabel", FONT_SIZE));
    m_pWidthSpin->setStyleSheet(GetFontStyleSheet(g_doubleSpinBoxStyle, "QDoubleSpinBox", FONT_SIZE));
    m_pHeightSpin->setStyleSheet(GetFontStyleSheet(g_doubleSpinBoxStyle, "QDoubleSpinBox", FONT_SIZE));
    m_pConnectCheck->setStyleSheet(GetFontStyleSheet(g_checkBoxStyle, "QCheckBox", FONT_SIZE));
    m_pOKButton->setStyleSheet(GetFontStyleSheet(g_pushButtonStyle, "QPushButton", FONT_SIZE));
    m_pCancelButton->setStyleSheet(GetFontStyleSheet(g_pushButtonStyle, "QPushButton", FONT_SIZE));
}

void CEdidSetDlg::CreateMenu(CCustomComboBox* pCombo, bool bMatchWidth)
{
    auto* pMenu = new QMenu(this);
    pMenu->setStyleSheet(GetFontStyleSheet(g_menuStyle, "QMenu", FONT_SIZE));
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
    SInputContext ctx;
    ctx.nModel = m_nModelCode;
    ctx.nInput = m_nInputId;
    ctx.bRestricted = m_bRestricted;
    ctx.bExtendedEdid = g_pHwSenderLogic->IsExtendedEdidSupported();

    CreateMenu(m_pResolutionCombo, false);
    if (HasCustomResolution(m_nInputId))
        AddMenuItem(m_pResolutionCombo, tr("自定义"), 0);
    const QSize sizeDesktop = DesktopSize();
    for (int i = 0; i < m_pLimitData->m_vecResolutions.size(); ++i) {
        const QSize& size = m_pLimitData->m_vecResolutions.at(i);
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
        g_pProjectData->GetCurrentSender()->SetColorDepth(8);
        m_nDepthIndex = 0;
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
    connect(m_pConnectCheck, &QCheckBox::clicked, this, [this] { m_ucConnectPC = m_ucConnectPC ? 0 : 1; });
}

void CEdidSetDlg::SetControlRect()
{
    for (QWidget* pWidget : QWidgetList {m_pResolutionCombo, m_pRateCombo, m_pDepthCombo, m_pFormatCombo,
             m_pStandardCombo, m_pWidthSpin, m_pHeightSpin})
        pWidget->setFixedHeight(ROW_HEIGHT);
    for (QWidget* pWidget : QWidgetList {m_pConnectCheck, m_pOKButton, m_pCancelButton})
        pWidget->setFixedSize(BUTTON_WIDTH, ROW_HEIGHT);
    m_pMessageLabel->setFixedSize(240, 52);
}

void CEdidSetDlg::InitControlConnect()
{
    connect(m_pWidthSpin, &QDoubleSpinBox::textChanged, this, &CEdidSetDlg::OnWidthSpinBoxValueChanged);
    connect(m_pHeightSpin, &QDoubleSpinBox::textChanged, this, &CEdidSetDlg::OnHeightSpinBoxValueChanged);
    connect(m_pOKButton, &QPushButton::clicked, this, &CEdidSetDlg::OnOKPushButtonClicked);
    connect(m_pCancelButton, &QPushButton::clicked, this, &CEdidSetDlg::OnCancelPushButtonClicked);
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

    EdidOptions::SRowFlags rows;
    rows.bConnectPC = m_bConnectPCRowShown;
    rows.bStandard = m_bStandardRowShown;
    rows.bError = m_bErrorRowShown;
    rows.bRate = m_bRateRowShown;
    rows.bCustomSize = m_bCustomRowShown;
    const int nHeight = EdidOptions::WindowHeight(rows, EdidOptions::IsKylin402());
    if (nHeight != height())
        setFixedSize(EdidOptions::WINDOW_WIDTH, nHeight);
}

void CEdidSetDlg::RefreshResolution()
{
    CheckItemByData(m_pResolutionCombo, m_nResolutionIndex);
    m_bCustomRowShown = m_nResolutionIndex == 0;
    if (m_bCustomRowShown) {
        m_pResolutionCombo->setText(tr("自定义：%1×%2").arg(m_nCustomWidth).arg(m_nCustomHeight));
    } else {
        QSize size;
        QString strText;
        if (GetResolutionByIndex(m_nResolutionIndex, size)) {
            strText = QString("%1×%2").arg(size.width()).arg(size.height());
            if (size == DesktopSize())
                strText += "(" + tr("电脑") + ")";
        }
        m_pResolutionCombo->setText(strText);
        m_pOKButton->setEnabled(true);
        m_pMessageLabel->hide();
    }
    for (QWidget* pWidget : QWidgetList {m_pResolutionLabel, m_pWidthSpin, m_pTimesLabel, m_pHeightSpin})
        pWidget->setVisible(m_bCustomRowShown);
}

void CEdidSetDlg::RefreshFrameRate()
{
    m_bRateRowShown = true;
    CheckItemByData(m_pRateCombo, m_nRateIndex);
    const bool bKnown = m_nRateIndex >= 0 && m_nRateIndex < EdidOptions::RATE_COUNT;
    m_pRateCombo->setText(bKnown ? QString(EdidOptions::g_arrFrameRates[m_nRateIndex].pszText) : QString());
    m_pRateLabel->show();
    m_pRateCombo->show();
}

void CEdidSetDlg::RefreshColorDepth()
{
    CheckItemByData(m_pDepthCombo, m_nDepthIndex);
    m_pDepthCombo->setText(m_listDepthNames.value(m_nDepthIndex));
}

void CEdidSetDlg::RefreshColorFormat()
{
    m_pFormatLabel->hide();
    m_pFormatCombo->hide();
    CheckItemByData(m_pFormatCombo, m_nFormatIndex);
    m_pFormatCombo->setText(m_listFormatNames.value(m_nFormatIndex));
}

void CEdidSetDlg::RefreshEdidStandard()
{
    m_bStandardRowShown = EdidOptions::IsStandardShown(m_nModelCode);
    m_pStandardLabel->setVisible(m_bStandardRowShown);
    m_pStandardCombo->setVisible(m_bStandardRowShown);
    CheckItemByData(m_pStandardCombo, m_ucTimingStandard);
    m_pStandardCombo->setText(m_listStandardNames.value(m_ucTimingStandard));
}

void CEdidSetDlg::RefreshConnectPC()
{
    m_bConnectPCRowShown = IsShowConnectPC();
    m_pConnectCheck->setVisible(m_bConnectPCRowShown);
    m_pConnectCheck->setChecked(m_ucConnectPC != 0);
}

void CEdidSetDlg::RefreshErrorInfo()
{
    QSize size;
    QString strMessage;
    if (CurrentSize(size)) {
        const quint32 uClockOrArea = EdidOptions::FormatCheckValue(m_pLimitData->m_bCheckByPixelClock,
            m_nRateIndex, size.width(), size.height(), m_ucTimingStandard, m_pLimitData->m_nMaxArea);
        g_pHwVideoSourceLogic->CheckEdidFormat(size.width(), size.height(), uClockOrArea, strMessage);
    }
    m_bErrorRowShown = !strMessage.isEmpty();
    m_pMessageLabel->setText(strMessage);
    m_pMessageLabel->setVisible(m_bErrorRowShown);
    // The DisplayID note informs; it does not forbid.
    m_pOKButton->setEnabled(strMessage.isEmpty() || strMessage == tr("已使用DisplayID 1.3扩展块"));
}

bool CEdidSetDlg::CurrentSize(QSize& size) const
{
    if (m_nResolutionIndex == 0) {
        size = QSize(static_cast<int>(m_pWidthSpin->value()), static_cast<int>(m_pHeightSpin->value()));
        return true;
    }
    return GetResolutionByIndex(m_nResolutionIndex, size);
}

void CEdidSetDlg::ClampCustomField(CCustomSpinBox* pSpin, int nMax)
{
    const int nValue = static_cast<int>(pSpin->value());
    const int nClamped = EdidOptions::ClampCustomSize(nValue, nMax);
    if (nClamped != nValue) {
        const QSignalBlocker blocker(pSpin);
        pSpin->setValue(nClamped);
    }
    RefreshWindow();
}

void CEdidSetDlg::OnWidthSpinBoxValueChanged()
{
    ClampCustomField(m_pWidthSpin, m_pLimitData->m_nMaxWidth);
}

void CEdidSetDlg::OnHeightSpinBoxValueChanged()
{
    ClampCustomField(m_pHeightSpin, m_pLimitData->m_nMaxHeight);
}

void CEdidSetDlg::OnResolutionComboBoxSelect(int nIndex)
{
    if (nIndex < 0)
        return;
    m_nResolutionIndex = nIndex;
    RefreshWindow();
}

void CEdidSetDlg::OnRateComboBoxSelect(QAction* pAction)
{
    const int nIndex = pAction ? pAction->data().toInt() : -1;
    if (nIndex < 0)
        return;
    m_nRateIndex = nIndex;
    RefreshWindow();
}

void CEdidSetDlg::OnColorDepthComboBoxSelect(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_listDepthNames.size())
        return;
    m_nDepthIndex = nIndex;
    RefreshWindow();
}

void CEdidSetDlg::OnColorFormatComboBoxSelect(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_listFormatNames.size())
        return;
    m_nFormatIndex = nIndex;
    RefreshWindow();
}

void CEdidSetDlg::OnTimingStandardComboBoxSelect(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_listStandardNames.size())
        return;
    m_ucTimingStandard = static_cast<quint8>(nIndex);
    RefreshWindow();
}

void CEdidSetDlg::SetSizeFieldsEnabled(bool bEnabled)
{
    m_pWidthSpin->setEnabled(bEnabled);
    m_pHeightSpin->setEnabled(bEnabled);
}

bool CEdidSetDlg::FillFormat(SEdidSettingsRecord& record) const
{
    QSize size;
    if (!CurrentSize(size))
        return false;
    quint8 ucRate = 0;
    bool bFractional = false;
    if (!GetFrameRateByIndex(m_nRateIndex, ucRate, bFractional))
        return false;
    record.uWidth = static_cast<quint16>(size.width());
    record.uHeight = static_cast<quint16>(size.height());
    record.uFrameRate = ucRate;
    record.bFractional = bFractional;
    return true;
}

void CEdidSetDlg::OnOKPushButtonClicked()
{
    SetSizeFieldsEnabled(false);
    SEdidSettingsRecord record;
    if (!FillFormat(record)) {
        SetSizeFieldsEnabled(true);
        return;
    }
    if (!g_pHwSenderLogic->IsExtendedEdidSupported()) {
        SendBasic(record);
        return;
    }
    quint8 ucColor = m_ucColor;
    if (!GetColorDepthByIndex(m_nDepthIndex, ucColor) || !GetColorFormatByIndex(m_nFormatIndex, ucColor)) {
        SetSizeFieldsEnabled(true);
        return;
    }
    m_ucColor = ucColor;
    record.ucColor = m_ucColor;
    record.ucTimingStandard = m_ucTimingStandard;
    record.ucConnectPC = IsSenderConnectPC() || m_pConnectCheck->isChecked() ? 1 : 0;
    SendExtended(record);
}

void CEdidSetDlg::SendExtended(SEdidSettingsRecord& record)
{
    const int nSender = g_pProjectData->GetCurSenderIndex();
    const SEdidSettingsRecord::CBytes bytes = record.ToBytes();
    if (g_pHwVideoSourceLogic->SendEdidSetting(nSender, m_nInputId, bytes.data()) < 0) {
        ReportSaveFailed();
        done(1);
        return;
    }
    const int nStepMs = EdidOptions::ProgressStepMs(g_pProjectData->GetDemoModeEnable(), true, m_nModelCode);
    ShowProgress(nStepMs); // the returned bar closes right here
    g_pHwVideoSourceLogic->ApplyEdidSetting(nSender, 1);
    done(1);
}

void CEdidSetDlg::SendBasic(const SEdidSettingsRecord& record)
{
    SEdidSettingsRecord basic;
    basic.uFrameRate = record.uFrameRate;
    basic.uWidth = record.uWidth;
    basic.uHeight = record.uHeight;
    const int nSender = g_pProjectData->GetCurSenderIndex();
    const SEdidSettingsRecord::CBytes bytes = basic.ToBytes();
    const int nResult = g_pHwVideoSourceLogic->SendEdidSetting(nSender, m_nInputId, bytes.data());

    const int nStepMs = EdidOptions::ProgressStepMs(g_pProjectData->GetDemoModeEnable(), false, m_nModelCode);
    std::unique_ptr<CCustomProgressbar> pProgress = ShowProgress(nStepMs);
    if (nResult >= 0) {
        g_pHwSenderLogic->NotifyEdidSent(nSender);
        g_pHwVideoSourceLogic->CompleteBasicEdid(nSender, basic.uWidth, basic.uHeight, &m_bSetSuccessed);
        pProgress.reset();
    } else {
        pProgress.reset();
        ReportSaveFailed();
    }
    done(1);
}

// The device applies the settings in its own time and tells nobody when it is
// done; the fixed wait behind a progress bar is all there is.
std::unique_ptr<CCustomProgressbar> CEdidSetDlg::ShowProgress(int nStepMs)
{
    std::unique_ptr<CCustomProgressbar> pProgress(new CCustomProgressbar(this, false));
    pProgress->SetText(tr("发送中..."));
    pProgress->show();
    pProgress->setValue(EdidOptions::PROGRESS_FIRST);
    for (int nValue = EdidOptions::PROGRESS_FIRST + 1; nValue <= EdidOptions::PROGRESS_LAST; ++nValue) {
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
    done(0);
}

bool CEdidSetDlg::GetResolutionByIndex(int nIndex, QSize& size) const
{
    const QVector<QSize>& vecSizes = m_pLimitData->m_vecResolutions;
    if (nIndex < 0 || nIndex > vecSizes.size())
        return false;
    size = nIndex == 0 ? QSize(m_nCustomWidth, m_nCustomHeight) : vecSizes.at(nIndex - 1);
    return true;
}

bool CEdidSetDlg::GetIndexByResolution(QSize size, int& nIndex) const
{
    nIndex = 0;
    const int nFound = m_pLimitData->m_vecResolutions.indexOf(size);
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
    return EdidOptions::MaxAreaByRate(m_nRateIndex, m_pLimitData->m_nMaxArea);
}

int CEdidSetDlg::GetRateIndexMax() const
{
    return EdidOptions::RateIndexMax(m_bRestricted);
}

bool CEdidSetDlg::IsSenderConnectPC() const
{
    return EdidOptions::IsSenderConnectPC(m_nModelCode, m_nInputId);
}

bool CEdidSetDlg::IsShowConnectPC() const
{
    return EdidOptions::IsShowConnectPC(m_nModelCode, m_nInputId);
}
