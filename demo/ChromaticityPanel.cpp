#include "ChromaticityPanel.h"

#include "CChromaticityDlgWnd.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int g_nDiagramWidth = 640;
constexpr int g_nDiagramHeight = 560;

SChromaGroupInfo MakeGroup(const CPointEx<float> (&ptColor)[4], const QString& strName)
{
    SChromaGroupInfo info;
    std::copy(ptColor, ptColor + 4, info.m_ptColor);
    info.m_strName = strName;
    return info;
}

QDoubleSpinBox* MakeCoordinateSpin(double dValue, QWidget* pParent)
{
    QDoubleSpinBox* pSpin = new QDoubleSpinBox(pParent);
    pSpin->setRange(0.0, 1.0);
    pSpin->setDecimals(4);
    pSpin->setSingleStep(0.01);
    pSpin->setValue(dValue);
    return pSpin;
}

} // namespace

CChromaticityPanel::CChromaticityPanel(QWidget* pParent)
    : QWidget(pParent)
{
    m_pChromaWnd = new CChromaticityDlgWnd(this);
    m_pChromaWnd->setFixedSize(g_nDiagramWidth, g_nDiagramHeight);
    m_pChromaWnd->SetSize(g_nDiagramWidth, g_nDiagramHeight);
    InitGroups();
    // The widget reads the answer as soon as the signal returns: direct connection only.
    connect(m_pChromaWnd, &CChromaticityDlgWnd::OnPositionChangeSignal, this,
        &CChromaticityPanel::OnPositionChange, Qt::DirectConnection);

    m_pRejectBox = new QCheckBox(tr("Reject moves"), this);
    m_pSupplyBox = new QCheckBox(tr("Supply the point of a rejected move"), this);
    m_pSupplyXSpin = MakeCoordinateSpin(0.3, this);
    m_pSupplyYSpin = MakeCoordinateSpin(0.6, this);
    m_pAnswerLabel = new QLabel(tr("Drag a point of either triangle."), this);
    m_pAnswerLabel->setWordWrap(true);

    QFormLayout* pSupplyLayout = new QFormLayout;
    pSupplyLayout->addRow(tr("x"), m_pSupplyXSpin);
    pSupplyLayout->addRow(tr("y"), m_pSupplyYSpin);

    QVBoxLayout* pControlLayout = new QVBoxLayout;
    pControlLayout->addWidget(m_pRejectBox);
    pControlLayout->addWidget(m_pSupplyBox);
    pControlLayout->addLayout(pSupplyLayout);
    pControlLayout->addWidget(m_pAnswerLabel);
    pControlLayout->addStretch();

    QHBoxLayout* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(m_pChromaWnd);
    pLayout->addLayout(pControlLayout);

    const auto updateSupplyControls = [this] {
        const bool bSupply = m_pRejectBox->isChecked();
        m_pSupplyBox->setEnabled(bSupply);
        m_pSupplyXSpin->setEnabled(bSupply && m_pSupplyBox->isChecked());
        m_pSupplyYSpin->setEnabled(bSupply && m_pSupplyBox->isChecked());
    };
    connect(m_pRejectBox, &QCheckBox::toggled, this, updateSupplyControls);
    connect(m_pSupplyBox, &QCheckBox::toggled, this, updateSupplyControls);
    updateSupplyControls();
}

void CChromaticityPanel::InitGroups()
{
    // Output: the DCI-P3 primaries with a D65 white; screen: the sRGB primaries.
    const CPointEx<float> ptOutput[4] = {{0.68f, 0.32f}, {0.265f, 0.69f}, {0.15f, 0.06f}, {0.3127f, 0.329f}};
    const CPointEx<float> ptScreen[4] = {{0.64f, 0.33f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3127f, 0.329f}};
    m_pChromaWnd->AddChromaGroupByIndex(
        g_nOutputColorSpaceKey, MakeGroup(ptOutput, tr("Output colour space")));
    m_pChromaWnd->AddChromaGroupByIndex(
        g_nScreenColorSpaceKey, MakeGroup(ptScreen, tr("Screen colour space")));
}

void CChromaticityPanel::OnPositionChange(int nGroupIndex, int nPointIndex, bool& bSuccessed)
{
    const SChromaGroupInfo* pGroup = m_pChromaWnd->GetChromaGroupByIndex(nGroupIndex);
    if (!pGroup || nPointIndex < 0 || nPointIndex > 3)
        return;
    const CPointEx<float> pt = pGroup->m_ptColor[nPointIndex];
    const QString strPoint
        = QStringLiteral("(%1, %2)").arg(double(pt.x), 0, 'f', 4).arg(double(pt.y), 0, 'f', 4);
    bSuccessed = !m_pRejectBox->isChecked();
    if (bSuccessed) {
        m_pAnswerLabel->setText(
            tr("Group %1, point %2: accepted %3").arg(nGroupIndex).arg(nPointIndex).arg(strPoint));
        return;
    }
    if (m_pSupplyBox->isChecked())
        m_pChromaWnd->SetNearstPoint(QPointF(m_pSupplyXSpin->value(), m_pSupplyYSpin->value()));
    m_pAnswerLabel->setText(
        tr("Group %1, point %2: rejected %3").arg(nGroupIndex).arg(nPointIndex).arg(strPoint));
}
