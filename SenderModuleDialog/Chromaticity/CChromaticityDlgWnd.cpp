#include "CChromaticityDlgWnd.h"

#include "ChromaDiagram.h"
#include "ChromaDiagramPainter.h"
#include "GamutSlots.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

// Mouse positions are whole pixels, halves rounded away from zero.
QPoint RoundedPos(const QMouseEvent* pEvent)
{
    const QPointF pos = pEvent->localPos();
    return QPoint(int(std::lround(pos.x())), int(std::lround(pos.y())));
}

SGamutLocus GamutLocus(const CChromaDiagram& diagram)
{
    return SGamutLocus {diagram.LocusHull(), diagram.LocusPixelsF()};
}

} // namespace

CChromaticityDlgWnd::CChromaticityDlgWnd(QWidget* parent)
    : QWidget(parent)
    , m_pDiagram(std::make_unique<CChromaDiagram>())
    , m_pWndBitmap(std::make_unique<SChromaWndBitmap[]>(WND_BITMAP_NUM))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    RetranslateUi();
    m_pGamutThread = new CChromaGamutThread(this);
    m_pGamutThread->SetJob(GamutLocus(*m_pDiagram), m_pWndBitmap.get(), WND_BITMAP_NUM);
    connect(m_pGamutThread, &CChromaGamutThread::RunOver, this, &CChromaticityDlgWnd::OnGamutThreadRunOver);
    // Images the worker left beside the slots on screen are shown on the next frame.
    connect(m_pGamutThread, &CChromaGamutThread::RunOver, this, QOverload<>::of(&QWidget::update));
}

CChromaticityDlgWnd::~CChromaticityDlgWnd()
{
    // The worker writes the slots freed below; it stops between two rows.
    m_pGamutThread->requestInterruption();
    StopGamutThread(m_pGamutThread);
    for (int nType = 0; nType < WND_BITMAP_NUM; ++nType)
        ReleaseSlotImages(m_pWndBitmap[nType]);
}

void CChromaticityDlgWnd::SetSize(int nWidth, int nHeight)
{
    m_pDiagram->SetSize(nWidth, nHeight);
    // A running worker builds its remaining slots, and those it has built, from the new locus.
    m_pGamutThread->SetLocus(GamutLocus(*m_pDiagram));
    m_bOwnImageStale = true;
}

void CChromaticityDlgWnd::SetWndData(int nType, int nWidth, int nHeight)
{
    if (nType < 0 || nType >= WND_BITMAP_NUM) {
        GetChromaticityBmp(nType);
        return;
    }
    m_pWndBitmap[nType].m_nType = nType;
    // A running worker takes the new size up; otherwise the slot is built here.
    if (!m_pGamutThread->SetSlotSize(nType, nWidth, nHeight))
        m_pGamutThread->BuildSlot(nType);
}

void CChromaticityDlgWnd::GetWndData(int nType, int& nWidth, int& nHeight) const
{
    if (nType < 0 || nType >= WND_BITMAP_NUM)
        return;
    nWidth = m_pWndBitmap[nType].m_nWidth;
    nHeight = m_pWndBitmap[nType].m_nHeight;
}

void CChromaticityDlgWnd::SetBackgroundColor(QColor clrBackground)
{
    m_pDiagram->SetBackgroundColor(clrBackground);
    update();
}

void CChromaticityDlgWnd::GetChromaticityBmp(int nType)
{
    if (nType == -1) {
        m_imageOwn
            = BuildGamutImage(GamutLocus(*m_pDiagram).Input(m_pDiagram->Width(), m_pDiagram->Height()));
        // Only pixels inside the locus polygon are coloured.
        m_rcOwnImageBounds
            = QPolygonF(m_pDiagram->LocusPixels()).boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
        m_bOwnImageStale = false;
    } else if (nType >= 0 && nType < WND_BITMAP_NUM) {
        if (!m_pGamutThread->RequestSlot(nType))
            m_pGamutThread->BuildSlot(nType);
    }
}

const QImage* CChromaticityDlgWnd::CurrentGamutImage()
{
    const int nType = m_pDiagram->WndType();
    if (nType == -1) {
        // An image of a widget that has no size yet would stay empty.
        if (m_bOwnImageStale && m_pDiagram->Width() > 0 && m_pDiagram->Height() > 0)
            GetChromaticityBmp(-1);
        return &m_imageOwn;
    }
    if (nType >= 0 && nType < WND_BITMAP_NUM)
        return AcquireSlotImage(m_pWndBitmap[nType]);
    return nullptr;
}

void CChromaticityDlgWnd::OnGamutThreadRunOver()
{
    StopGamutThread(m_pGamutThread);
    for (int nType = 0; nType < WND_BITMAP_NUM; ++nType) {
        if (m_pGamutThread->IsSlotOwed(nType))
            m_pGamutThread->BuildSlot(nType);
        AcquireSlotImage(m_pWndBitmap[nType]);
    }
}

bool CChromaticityDlgWnd::DrawStaticPiexl(
    QPointF* pPoints, int nCount, uchar ucColor0, uchar ucColor1, uchar ucColor2, uchar ucColor3)
{
    const uchar arrColor[4] = {ucColor0, ucColor1, ucColor2, ucColor3};
    return m_pDiagram->SetStaticPixels(pPoints, nCount, arrColor);
}

// ---- Forwards to the editor --------------------------------------------------

const SChromaWndBitmap& CChromaticityDlgWnd::WndBitmap(int nType) const
{
    return m_pWndBitmap[nType];
}

void CChromaticityDlgWnd::SetWndType(int nType)
{
    m_pDiagram->SetWndType(nType);
}

void CChromaticityDlgWnd::SetGridLineAlpha(int nAlpha)
{
    m_pDiagram->SetGridLineAlpha(nAlpha);
}

void CChromaticityDlgWnd::SetNearstPoint(QPointF ptNearest)
{
    m_pDiagram->SetNearstPoint(ptNearest);
}

void CChromaticityDlgWnd::ShowCIEStandard(int nGroup, enColorStandard enStandard, bool bShow)
{
    m_pDiagram->ShowCIEStandard(nGroup, enStandard, bShow);
}

SChromaGroupInfo* CChromaticityDlgWnd::GetChromaGroupByIndex(int nIndex) const
{
    return m_pDiagram->GetChromaGroupByIndex(nIndex);
}

bool CChromaticityDlgWnd::AddChromaGroupByIndex(int nIndex, SChromaGroupInfo info)
{
    const bool bAdded = m_pDiagram->AddChromaGroupByIndex(nIndex, info);
    UpdateAccessibleDescription();
    return bAdded;
}

bool CChromaticityDlgWnd::SetChromaGroupByIndex(int nIndex, SChromaGroupInfo info)
{
    const bool bSet = m_pDiagram->SetChromaGroupByIndex(nIndex, info);
    UpdateAccessibleDescription();
    return bSet;
}

bool CChromaticityDlgWnd::RemoveChromaGroupByIndex(int nIndex)
{
    const bool bRemoved = m_pDiagram->RemoveChromaGroupByIndex(nIndex);
    UpdateAccessibleDescription();
    return bRemoved;
}

void CChromaticityDlgWnd::ReleaseChromaData()
{
    m_pDiagram->ReleaseChromaData();
    UpdateAccessibleDescription();
}

QPointF CChromaticityDlgWnd::ChromaToPixel(CPointEx<float> pt) const
{
    return m_pDiagram->ChromaToPixel(pt);
}

CPointEx<float> CChromaticityDlgWnd::PixelToChroma(QPointF pt) const
{
    return m_pDiagram->PixelToChroma(pt);
}

bool CChromaticityDlgWnd::CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup)
{
    return m_pDiagram->CalcCurrentPoint(pos, pGroup);
}

bool CChromaticityDlgWnd::ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex)
{
    return m_pDiagram->ReCalRGB(pGroup, nPointIndex);
}

bool CChromaticityDlgWnd::ReCalCMY(SChromaGroupInfo* pGroup)
{
    return m_pDiagram->ReCalCMY(pGroup);
}

bool CChromaticityDlgWnd::IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex)
{
    return m_pDiagram->IsPointInRegion(pGroup, nPointIndex);
}

bool CChromaticityDlgWnd::GetWhiteIntersection(SChromaGroupInfo* pGroup, CPointEx<float> pt)
{
    return m_pDiagram->GetWhiteIntersection(pGroup, pt);
}

void CChromaticityDlgWnd::AddFloatExcursion(QPointF& pt, QPointF ptAway)
{
    CChromaDiagram::AddFloatExcursion(pt, ptAway);
}

bool CChromaticityDlgWnd::GetCIEIntersection(const QList<CPointEx<float>>& listPolygon, CPointEx<float> ptA,
    CPointEx<float> ptB, CPointEx<float>& ptOut)
{
    return CChromaDiagram::GetCIEIntersection(listPolygon, ptA, ptB, ptOut);
}

bool CChromaticityDlgWnd::GetNearestPoint(
    CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1, CPointEx<float> ptOther2)
{
    return m_pDiagram->GetNearestPoint(ptWhite, pt, ptOther1, ptOther2);
}

bool CChromaticityDlgWnd::GetNearestPoint2(CPointEx<float> ptWhite, CPointEx<float> pt,
    CPointEx<float> ptOther1, CPointEx<float> ptOther2, CPointEx<float>& ptOut)
{
    return CChromaDiagram::GetNearestPoint2(ptWhite, pt, ptOther1, ptOther2, ptOut);
}

void CChromaticityDlgWnd::GetFeasibleRegionNearstPoint(
    QList<CPointEx<float>>& listRegion, CPointEx<float>& pt)
{
    m_pDiagram->GetFeasibleRegionNearstPoint(listRegion, pt);
}

void CChromaticityDlgWnd::GetFeasibleRegionNearstPoint2(
    QList<CPointEx<float>>& listRegion, CPointEx<float>& pt)
{
    m_pDiagram->GetFeasibleRegionNearstPoint2(listRegion, pt);
}

void CChromaticityDlgWnd::HitTest(QPoint pos, int& nGroupIndex, int& nPointIndex)
{
    m_pDiagram->HitTest(pos, nGroupIndex, nPointIndex);
}

void CChromaticityDlgWnd::CalcCIEStandardValid()
{
    m_pDiagram->CalcCIEStandardValid();
}

int CChromaticityDlgWnd::CalcRatio()
{
    return m_pDiagram->CalcRatio();
}

// ---- Mouse -----------------------------------------------------------------

void CChromaticityDlgWnd::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_pDiagram->Press(RoundedPos(event))) {
        QWidget::mousePressEvent(event);
        return;
    }
    setCursor(m_pDiagram->IsDragging() ? Qt::SizeAllCursor : Qt::ArrowCursor);
    update();
}

void CChromaticityDlgWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = RoundedPos(event);
    if (!(event->buttons() & Qt::LeftButton)) {
        m_pDiagram->Hover(pos);
        setCursor(Qt::ArrowCursor);
        update();
        return;
    }
    if (m_pDiagram->DragTo(pos))
        OfferStep();
}

void CChromaticityDlgWnd::OfferStep()
{
    bool bSuccessed = false;
    emit OnPositionChangeSignal(m_pDiagram->CurGroup(), m_pDiagram->CurPoint(), bSuccessed);
    m_pDiagram->FinishDrag(bSuccessed);
    UpdateAccessibleDescription();
    update();
}

void CChromaticityDlgWnd::mouseReleaseEvent(QMouseEvent*)
{
    m_pDiagram->Release();
    setCursor(Qt::ArrowCursor);
}

void CChromaticityDlgWnd::leaveEvent(QEvent*)
{
    m_pDiagram->Leave();
    update();
}

// ---- Keyboard --------------------------------------------------------------

void CChromaticityDlgWnd::keyPressEvent(QKeyEvent* event)
{
    static const struct
    {
        int nKey;
        float fDx, fDy;
    } arrSteps[] = {{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, 1}, {Qt::Key_Down, 0, -1}};
    const float fStep = event->modifiers() & Qt::ShiftModifier ? 0.01f : 0.001f;
    for (const auto& s : arrSteps) {
        if (event->key() != s.nKey)
            continue;
        if (m_pDiagram->StepSelected(s.fDx * fStep, s.fDy * fStep))
            OfferStep();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CChromaticityDlgWnd::focusNextPrevChild(bool bNext)
{
    const bool bSelected = m_pDiagram->SelectAdjacent(bNext);
    update();
    return bSelected || QWidget::focusNextPrevChild(bNext);
}

// ---- Painting --------------------------------------------------------------

void CChromaticityDlgWnd::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void CChromaticityDlgWnd::RetranslateUi()
{
    setAccessibleName(tr("色度图"));
    UpdateAccessibleDescription();
}

void CChromaticityDlgWnd::UpdateAccessibleDescription()
{
    const SChromaGroupInfo* pOutput = m_pDiagram->GetChromaGroupByIndex(g_nOutputColorSpaceKey);
    const QString strText = pOutput && pOutput->m_bShowNote
        ? CChromaDiagramPainter::NoteText(g_nOutputColorSpaceKey, *pOutput, m_pDiagram->CalcRatio())
        : QString();
    if (strText != accessibleDescription())
        setAccessibleDescription(strText);
}

void CChromaticityDlgWnd::paintEvent(QPaintEvent*)
{
    UpdateAccessibleDescription();
    QPainter painter(this);
    Draw(painter);
}

void CChromaticityDlgWnd::Draw(QPainter& painter)
{
    const QImage* pImage = CurrentGamutImage();
    CChromaDiagramPainter(*m_pDiagram, painter, pImage, pImage == &m_imageOwn ? m_rcOwnImageBounds : QRect())
        .Draw();
}

void CChromaticityDlgWnd::DrawBorder(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawBorder();
}

void CChromaticityDlgWnd::DrawHexCoorDialog(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawHexCoorDialog();
}

void CChromaticityDlgWnd::DrawTipsString(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawTipsString();
}

void CChromaticityDlgWnd::DrawCrossLine(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawCrossLine();
}

void CChromaticityDlgWnd::DrawCCTLine(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawCCTLine();
}

void CChromaticityDlgWnd::DrawCCTLineString(QPainter& painter, float, QPointF pt, int nCCT)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawCCTLineString(pt, nCCT);
}

void CChromaticityDlgWnd::DrawChromTriangle(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawChromTriangle();
}

void CChromaticityDlgWnd::DrawChromNote(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawChromNote();
}

void CChromaticityDlgWnd::DrawCIEStandardShow(QPainter& painter)
{
    CChromaDiagramPainter(*m_pDiagram, painter).DrawCIEStandardShow(geometry());
}
