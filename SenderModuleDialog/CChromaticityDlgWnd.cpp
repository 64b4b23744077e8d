#include "CChromaticityDlgWnd.h"

#include "ChromaDiagramPainter.h"

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

} // namespace

CChromaticityDlgWnd::CChromaticityDlgWnd(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    m_pGamutThread = new CChromaGamutThread(this);
    m_pGamutThread->SetJob(GamutLocus(), m_sWndBitmap, WND_BITMAP_NUM);
    connect(m_pGamutThread, &CChromaGamutThread::RunOver, this, &CChromaticityDlgWnd::OnGamutThreadRunOver);
    // A paint that gave up waiting for a slot gets its image on the next frame.
    connect(m_pGamutThread, &CChromaGamutThread::RunOver, this, QOverload<>::of(&QWidget::update));
}

CChromaticityDlgWnd::~CChromaticityDlgWnd()
{
    // The worker writes the slots freed below.
    StopGamutThread(m_pGamutThread);
    for (SChromaWndBitmap& sBitmap : m_sWndBitmap)
        delete sBitmap.m_pImage;
}

SGamutLocus CChromaticityDlgWnd::GamutLocus() const
{
    return SGamutLocus {m_diagram.LocusHull(), m_diagram.LocusPixelsF()};
}

void CChromaticityDlgWnd::SetSize(int nWidth, int nHeight)
{
    // The worker builds from the mapped locus; let a running one finish first.
    StopGamutThread(m_pGamutThread);
    m_diagram.SetSize(nWidth, nHeight);
    m_pGamutThread->SetJob(GamutLocus(), m_sWndBitmap, WND_BITMAP_NUM);
    m_bOwnImageStale = true;
}

void CChromaticityDlgWnd::SetWndData(int nType, int nWidth, int nHeight)
{
    // The worker reads the slot sizes; let a running one finish before they change.
    StopGamutThread(m_pGamutThread);
    if (nType >= 0 && nType < WND_BITMAP_NUM) {
        SChromaWndBitmap& sBitmap = m_sWndBitmap[nType];
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
    nWidth = m_sWndBitmap[nType].m_nWidth;
    nHeight = m_sWndBitmap[nType].m_nHeight;
}

void CChromaticityDlgWnd::SetBackgroundColor(QColor clrBackground)
{
    m_diagram.SetBackgroundColor(clrBackground);
    update();
}

void CChromaticityDlgWnd::GetChromaticityBmp(int nType)
{
    if (nType == -1) {
        m_imageOwn = BuildGamutImage(GamutLocus().Input(m_diagram.Width(), m_diagram.Height()));
        // Only pixels inside the locus polygon are coloured.
        m_rcOwnImageBounds
            = QPolygonF(m_diagram.LocusPixels()).boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
        m_bOwnImageStale = false;
    } else if (nType >= 0 && nType < WND_BITMAP_NUM) {
        // A slot the worker may be writing is rebuilt here only after it is done.
        StopGamutThread(m_pGamutThread);
        BuildSlotImage(m_sWndBitmap[nType], GamutLocus());
    }
}

const QImage* CChromaticityDlgWnd::CurrentGamutImage()
{
    const int nType = m_diagram.WndType();
    if (nType == -1) {
        // An image of a widget that has no size yet would stay empty.
        if (m_bOwnImageStale && m_diagram.Width() > 0 && m_diagram.Height() > 0)
            GetChromaticityBmp(-1);
        return &m_imageOwn;
    }
    if (nType >= 0 && nType < WND_BITMAP_NUM)
        return AcquireSlotImage(m_sWndBitmap[nType], m_pGamutThread, g_ulSlotWaitMs);
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
    return m_diagram.SetStaticPixels(pPoints, nCount, arrColor);
}

// ---- Mouse -----------------------------------------------------------------

void CChromaticityDlgWnd::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_diagram.Press(RoundedPos(event))) {
        QWidget::mousePressEvent(event);
        return;
    }
    setCursor(m_diagram.IsDragging() ? Qt::SizeAllCursor : Qt::ArrowCursor);
    update();
}

void CChromaticityDlgWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = RoundedPos(event);
    if (!(event->buttons() & Qt::LeftButton)) {
        m_diagram.Hover(pos);
        setCursor(Qt::ArrowCursor);
        update();
        return;
    }
    if (!m_diagram.DragTo(pos))
        return;
    bool bSuccessed = false;
    emit OnPositionChangeSignal(m_diagram.CurGroup(), m_diagram.CurPoint(), bSuccessed);
    m_diagram.FinishDrag(bSuccessed);
    update();
}

void CChromaticityDlgWnd::mouseReleaseEvent(QMouseEvent*)
{
    m_diagram.Release();
    setCursor(Qt::ArrowCursor);
}

void CChromaticityDlgWnd::leaveEvent(QEvent*)
{
    m_diagram.Leave();
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
    CChromaDiagramPainter(m_diagram, painter, pImage, pImage == &m_imageOwn ? m_rcOwnImageBounds : QRect())
        .Draw();
}

void CChromaticityDlgWnd::DrawBorder(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawBorder();
}

void CChromaticityDlgWnd::DrawHexCoorDialog(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawHexCoorDialog();
}

void CChromaticityDlgWnd::DrawTipsString(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawTipsString();
}

void CChromaticityDlgWnd::DrawCrossLine(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawCrossLine();
}

void CChromaticityDlgWnd::DrawCCTLine(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawCCTLine();
}

void CChromaticityDlgWnd::DrawCCTLineString(QPainter& painter, float, QPointF pt, int nCCT)
{
    CChromaDiagramPainter(m_diagram, painter).DrawCCTLineString(pt, nCCT);
}

void CChromaticityDlgWnd::DrawChromTriangle(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawChromTriangle();
}

void CChromaticityDlgWnd::DrawChromNote(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawChromNote();
}

void CChromaticityDlgWnd::DrawCIEStandardShow(QPainter& painter)
{
    CChromaDiagramPainter(m_diagram, painter).DrawCIEStandardShow(geometry());
}
