#include "CChromaticityDlgWnd.h"

#include "ChromaDiagram.h"
#include "ChromaDiagramPainter.h"
#include "GamutSlots.h"

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
    m_pGamutThread = new CChromaGamutThread(this);
    m_pGamutThread->SetJob(GamutLocus(*m_pDiagram), m_pWndBitmap.get(), WND_BITMAP_NUM);
    connect(m_pGamutThread, &CChromaGamutThread::RunOver, this, &CChromaticityDlgWnd::OnGamutThreadRunOver);
    // A paint that gave up waiting for a slot gets its image on the next frame.
    connect(m_pGamutThread, &CChromaGamutThread::RunOver, this, QOverload<>::of(&QWidget::update));
}

CChromaticityDlgWnd::~CChromaticityDlgWnd()
{
    // The worker writes the slots freed below.
    StopGamutThread(m_pGamutThread);
    for (int nType = 0; nType < WND_BITMAP_NUM; ++nType)
        delete m_pWndBitmap[nType].m_pImage;
}

void CChromaticityDlgWnd::SetSize(int nWidth, int nHeight)
{
    // The worker builds from the mapped locus; let a running one finish first.
    StopGamutThread(m_pGamutThread);
    m_pDiagram->SetSize(nWidth, nHeight);
    m_pGamutThread->SetJob(GamutLocus(*m_pDiagram), m_pWndBitmap.get(), WND_BITMAP_NUM);
    m_bOwnImageStale = true;
}

void CChromaticityDlgWnd::SetWndData(int nType, int nWidth, int nHeight)
{
    // The worker reads the slot sizes; let a running one finish before they change.
    StopGamutThread(m_pGamutThread);
    if (nType >= 0 && nType < WND_BITMAP_NUM) {
        SChromaWndBitmap& sBitmap = m_pWndBitmap[nType];
        sBitmap.m_nType = nType;
        sBitmap.m_nWidth = nWidth;
        sBitmap.m_nHeight = nHeight;
    }
    GetChromaticityBmp(nType);
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
        // A slot the worker may be writing is rebuilt here only after it is done.
        StopGamutThread(m_pGamutThread);
        BuildSlotImage(m_pWndBitmap[nType], GamutLocus(*m_pDiagram));
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
        return AcquireSlotImage(m_pWndBitmap[nType], m_pGamutThread, g_ulSlotWaitMs);
    return nullptr;
}

void CChromaticityDlgWnd::OnGamutThreadRunOver()
{
    StopGamutThread(m_pGamutThread);
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
    return m_pDiagram->AddChromaGroupByIndex(nIndex, info);
}

bool CChromaticityDlgWnd::SetChromaGroupByIndex(int nIndex, SChromaGroupInfo info)
{
    return m_pDiagram->SetChromaGroupByIndex(nIndex, info);
}

bool CChromaticityDlgWnd::RemoveChromaGroupByIndex(int nIndex)
{
    return m_pDiagram->RemoveChromaGroupByIndex(nIndex);
}

void CChromaticityDlgWnd::ReleaseChromaData()
{
    m_pDiagram->ReleaseChromaData();
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
    if (!m_pDiagram->DragTo(pos))
        return;
    bool bSuccessed = false;
    emit OnPositionChangeSignal(m_pDiagram->CurGroup(), m_pDiagram->CurPoint(), bSuccessed);
    m_pDiagram->FinishDrag(bSuccessed);
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

// ---- Painting --------------------------------------------------------------

void CChromaticityDlgWnd::paintEvent(QPaintEvent*)
{
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
