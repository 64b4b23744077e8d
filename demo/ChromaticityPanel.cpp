#include "ChromaticityPanel.h"

#include "CChromaticityDlgWnd.h"
#include "DemoHost.h"
#include "KivoData.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The widget's own lower bound: it draws nothing sensible at 100 pixels or less.
constexpr int g_nDiagramMinimum = 101;

SChromaGroupInfo ToInfo(const SChromaGroupState& group)
{
    SChromaGroupInfo info;
    for (int i = 0; i < g_nChromaPointNum; ++i) {
        info.m_ptColor[i] = {group.arrPoints[i][0], group.arrPoints[i][1]};
        info.m_bMovable[i] = group.arrMovable[i];
    }
    info.m_bCustomColor = group.bCustomColor;
    info.m_ucLineRed = uchar(group.arrColor[0]);
    info.m_ucLineGreen = uchar(group.arrColor[1]);
    info.m_ucLineBlue = uchar(group.arrColor[2]);
    info.m_bVisible = group.bVisible;
    info.m_strName = CChromaticityPanel::GroupName(group);
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

QString Coordinates(const CPointEx<float>& pt)
{
    return QStringLiteral("(%1, %2)").arg(double(pt.x), 0, 'f', 4).arg(double(pt.y), 0, 'f', 4);
}

} // namespace

CChromaticityPanel::CChromaticityPanel(QWidget* pParent)
    : QWidget(pParent)
{
    m_pChromaWnd = new CChromaticityDlgWnd(this);
    m_pChromaWnd->setMinimumSize(g_nDiagramMinimum, g_nDiagramMinimum);
    m_pChromaWnd->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pChromaWnd->SetSize(640, 560);
    m_pChromaWnd->installEventFilter(this);
    InitGroups();
    // The widget reads the answer as soon as the signal returns: direct connection only.
    connect(m_pChromaWnd, &CChromaticityDlgWnd::OnPositionChangeSignal, this,
        &CChromaticityPanel::OnPositionChange, Qt::DirectConnection);
    // The gamut image is rebuilt once the size settles, not on every step of a resize.
    m_pFitTimer = new QTimer(this);
    m_pFitTimer->setSingleShot(true);
    m_pFitTimer->setInterval(100);
    connect(m_pFitTimer, &QTimer::timeout, this, &CChromaticityPanel::FitDiagram);

    m_pRejectBox = new QCheckBox(tr("Reject moves"), this);
    m_pSupplyBox = new QCheckBox(tr("Supply the point of a rejected move"), this);
    m_pSupplyXSpin = MakeCoordinateSpin(0.3, this);
    m_pSupplyYSpin = MakeCoordinateSpin(0.6, this);
    m_pAnswerLabel = new QLabel(tr("Drag a point of either triangle."), this);
    m_pAnswerLabel->setWordWrap(true);
    m_pPointsLabel = new QLabel(this);
    m_pPointsLabel->setObjectName("pointsLabel");
    ShowPoints();

    QFormLayout* pSupplyLayout = new QFormLayout;
    pSupplyLayout->addRow(tr("x"), m_pSupplyXSpin);
    pSupplyLayout->addRow(tr("y"), m_pSupplyYSpin);

    QVBoxLayout* pControlLayout = new QVBoxLayout;
    pControlLayout->addWidget(m_pRejectBox);
    pControlLayout->addWidget(m_pSupplyBox);
    pControlLayout->addLayout(pSupplyLayout);
    pControlLayout->addWidget(m_pAnswerLabel);
    pControlLayout->addWidget(m_pPointsLabel);
    pControlLayout->addStretch();

    QHBoxLayout* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(m_pChromaWnd, 1);
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

QString CChromaticityPanel::GroupName(const SChromaGroupState& group)
{
    if (!group.strName.isEmpty())
        return group.strName;
    if (group.nKey == g_nOutputColorSpaceKey)
        return tr("Output colour space");
    if (group.nKey == g_nScreenColorSpaceKey)
        return tr("Screen colour space");
    return tr("Group %1").arg(group.nKey);
}

QString CChromaticityPanel::PointName(int nPointIndex)
{
    const char* const arrNames[g_nChromaPointNum]
        = {QT_TR_NOOP("red"), QT_TR_NOOP("green"), QT_TR_NOOP("blue"), QT_TR_NOOP("white")};
    return nPointIndex >= 0 && nPointIndex < g_nChromaPointNum ? tr(arrNames[nPointIndex]) : QString();
}

void CChromaticityPanel::InitGroups()
{
    for (const SChromaGroupState& group : GetProjectData()->GetChromaGroups())
        m_pChromaWnd->AddChromaGroupByIndex(group.nKey, ToInfo(group));
}

void CChromaticityPanel::ReloadGroups()
{
    m_bRefused = false;
    m_pChromaWnd->ReleaseChromaData();
    InitGroups();
    ShowPoints();
    m_pChromaWnd->update();
}

bool CChromaticityPanel::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pChromaWnd && pEvent->type() == QEvent::Resize)
        m_pFitTimer->start();
    // A drag's accepted steps are written once, when the button is let go.
    if (pWatched == m_pChromaWnd && pEvent->type() == QEvent::MouseButtonRelease && m_bRefused)
        QTimer::singleShot(0, this, &CChromaticityPanel::ReloadGroups);
    if (pWatched == m_pChromaWnd && pEvent->type() == QEvent::MouseButtonRelease && m_bUnsaved) {
        m_bUnsaved = false;
        QString strError;
        if (!DemoHost::Save(&strError))
            m_pAnswerLabel->setText(tr("project not saved: %1").arg(strError));
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

void CChromaticityPanel::FitDiagram()
{
    const int nWidth = qMax(m_pChromaWnd->width(), g_nDiagramMinimum);
    const int nHeight = qMax(m_pChromaWnd->height(), g_nDiagramMinimum);
    m_pChromaWnd->SetSize(nWidth, nHeight);
    // A window type's image is rebuilt for each new size; the widget's own is built once.
    m_pChromaWnd->SetWndData(0, nWidth, nHeight);
    m_pChromaWnd->SetWndType(0);
    m_pChromaWnd->update();
}

void CChromaticityPanel::ShowPoints()
{
    QStringList listLines;
    for (const SChromaGroupState& group : GetProjectData()->GetChromaGroups()) {
        for (int i = 0; i < g_nChromaPointNum; ++i) {
            listLines << QString("%1, %2: %3")
                             .arg(GroupName(group), PointName(i),
                                 Coordinates({group.arrPoints[i][0], group.arrPoints[i][1]}));
        }
    }
    m_pPointsLabel->setText(listLines.join('\n'));
}

void CChromaticityPanel::OnPositionChange(int nGroupIndex, int nPointIndex, bool& bSuccessed)
{
    const SChromaGroupInfo* pGroup = m_pChromaWnd->GetChromaGroupByIndex(nGroupIndex);
    if (!pGroup || nPointIndex < 0 || nPointIndex > 3)
        return;
    QVector<SChromaGroupState> vecGroups = GetProjectData()->GetChromaGroups();
    const auto itGroup = std::find_if(vecGroups.begin(), vecGroups.end(),
        [nGroupIndex](const SChromaGroupState& group) { return group.nKey == nGroupIndex; });
    if (itGroup == vecGroups.end())
        return;
    const QString strPoint = GroupName(*itGroup) + ", " + PointName(nPointIndex) + ": "
        + Coordinates(pGroup->m_ptColor[nPointIndex]);
    bSuccessed = !m_pRejectBox->isChecked();
    if (!bSuccessed) {
        // The widget puts a refused point where the host says; unless a point is
        // supplied, that is where the project has it, so the drawing and the file agree.
        auto& arrStored = itGroup->arrPoints[nPointIndex];
        if (m_pSupplyBox->isChecked()) {
            arrStored = {float(m_pSupplyXSpin->value()), float(m_pSupplyYSpin->value())};
            GetProjectData()->SetChromaGroups(vecGroups);
            m_bUnsaved = true;
            ShowPoints();
        }
        m_pChromaWnd->SetNearstPoint(QPointF(arrStored[0], arrStored[1]));
        // A refused white point keeps the widget's own correction, so the group is
        // put back as the project has it once the step is over.
        m_bRefused = true;
        if (QApplication::mouseButtons() == Qt::NoButton)
            QTimer::singleShot(0, this, &CChromaticityPanel::ReloadGroups);
        m_pAnswerLabel->setText(tr("rejected %1").arg(strPoint));
        return;
    }
    // The correction may have moved the group's other points too.
    for (int i = 0; i < g_nChromaPointNum; ++i)
        itGroup->arrPoints[i] = {pGroup->m_ptColor[i].x, pGroup->m_ptColor[i].y};
    GetProjectData()->SetChromaGroups(vecGroups);
    m_bUnsaved = true;
    m_pAnswerLabel->setText(tr("accepted %1").arg(strPoint));
    ShowPoints();
}
