#include "ChromaDiagramPainter.h"

#include "CCT2ColorCoord.h"
#include "ChromaDiagram.h"
#include "LineEx.h"

#include <Common/Assert.h>
#include <OstraStyle.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Past Qt 5's scale of 0 to 99, which keeps only 7 bits: 128 would wrap to
// QFont::Thin. Such weights are drawn bold.
constexpr int g_nTextWeight = 128;

const QColor g_arrDefaultLineColor[] = {
    QColor(255, 0, 0),
    QColor(0, 255, 0),
    QColor(0, 0, 255),
    QColor(255, 255, 0),
    QColor(0, 255, 255),
    QColor(165, 42, 42),
    QColor(255, 0, 255),
    QColor(255, 153, 0),
    QColor(138, 43, 226),
};
constexpr int g_nDefaultLineColorNum = int(sizeof g_arrDefaultLineColor / sizeof g_arrDefaultLineColor[0]);

// Spacing factor of the legend.
constexpr float g_fNoteFactor = 1.0f;

// Daylight locus and the temperatures that get a tick and a label.
constexpr int g_nCCTFirst = 4000;
constexpr int g_nCCTLast = 15000;
constexpr int g_nCCTStep = 10;
constexpr int g_arrCCTTick[] = {4000, 6500, 12000};

QPen SolidPen(const QColor& clr, qreal dWidth, Qt::PenStyle enStyle = Qt::SolidLine)
{
    return QPen(QBrush(clr), dWidth, enStyle, Qt::SquareCap, Qt::BevelJoin);
}

QFont TextFont(int nPointSize, int nWeight)
{
    QFont font(GetFontFamily());
    font.setPointSize(std::max(1, nPointSize));
    if (nWeight >= 0)
        font.setWeight(nWeight > 99 ? int(QFont::Bold) : nWeight);
    return font;
}

// The rectangle of a marker of radius fRadius around pt, in whole pixels.
QRect MarkerRect(QPointF pt, float fRadius)
{
    return QRect(int(pt.x() - fRadius), int(pt.y() - fRadius), int(2 * fRadius), int(2 * fRadius));
}

} // namespace

CChromaDiagramPainter::CChromaDiagramPainter(
    CChromaDiagram& diagram, QPainter& painter, const QImage* pGamutImage, const QRect& rcGamutBounds)
    : m_diagram(diagram)
    , m_painter(painter)
    , m_pGamutImage(pGamutImage)
    , m_rcGamutBounds(rcGamutBounds)
{
}

void CChromaDiagramPainter::Draw()
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QBrush(m_diagram.BackgroundColor()));
    m_painter.drawRect(m_diagram.WndRect());
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    DrawGamutImage();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    m_painter.setRenderHint(QPainter::NonCosmeticDefaultPen, true);
    QT_WARNING_POP
    DrawBorder();
    DrawHexCoorDialog();
    DrawTipsString();
    DrawCrossLine();
    DrawCCTLine();
    DrawChromTriangle();
    DrawChromNote();
    DrawFrame();
}

void CChromaDiagramPainter::DrawGamutImage()
{
    const QImage* pImage = m_pGamutImage;
    if (!pImage || pImage->isNull())
        return; // a missing image is drawn as a fully transparent one
    // Only the part under the widget is drawn; what lies beyond the image is
    // transparent. Every pixel is opaque or fully transparent, so the bits are
    // already premultiplied and can be blended without a conversion.
    QRect rcSource = QRect(0, 0, m_diagram.WndRect().width(), m_diagram.WndRect().height()) & pImage->rect();
    // Blending the transparent rest would change nothing but the time it takes.
    if (!m_rcGamutBounds.isNull())
        rcSource &= m_rcGamutBounds;
    if (rcSource.isEmpty())
        return;
    const QImage imageView(pImage->constBits(), pImage->width(), pImage->height(), pImage->bytesPerLine(),
        QImage::Format_ARGB32_Premultiplied);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawImage(rcSource.topLeft(), imageView, rcSource);
}

void CChromaDiagramPainter::DrawBorder()
{
    m_painter.setPen(SolidPen(QColor(200, 200, 200), 2.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolygon(
        m_diagram.LocusPixels().constData(), m_diagram.LocusPixels().size(), Qt::OddEvenFill);
}

void CChromaDiagramPainter::DrawHexCoorDialog()
{
    QFont font = m_painter.font();
    font.setPixelSize(10);
    font.setFamily(GetFontFamily());
    m_painter.setFont(font);

    const float fScale = m_diagram.Scale();
    const float fMarginX = m_diagram.MarginX();
    const float fBottom = float(m_diagram.Height()) - m_diagram.MarginY();
    // An alpha above 255 makes an invalid colour, as the host asked for.
    const QPen penGrid = SolidPen(QColor(255, 255, 255, m_diagram.GridLineAlpha()), 1.0);
    const QPen penLabel = SolidPen(QColor(255, 255, 255, 120), 1.0);

    for (int i = 0; i <= 9; ++i) {
        const float fY = fBottom - fScale * float(i) / 10.0f;
        m_painter.setPen(penGrid);
        m_painter.drawLine(QLineF(fMarginX, fY, fMarginX + 0.8f * fScale, fY));
        m_painter.setPen(penLabel);
        m_painter.drawText(
            QPointF(fMarginX - fScale / 30.0f, fY - fScale / 50.0f + 10.0f), QString(".%1").arg(i));
    }
    for (int j = 0; j <= 8; ++j) {
        const float fX = fScale * float(j) / 10.0f + fMarginX;
        m_painter.setPen(penGrid);
        m_painter.drawLine(QLineF(fX, fBottom, fX, fBottom - 0.9f * fScale));
        m_painter.setPen(penLabel);
        m_painter.drawText(
            QPointF(fX - fScale / 50.0f, float(m_diagram.Height()) - 0.5f * m_diagram.MarginY()),
            QString(".%1").arg(j));
    }
}

void CChromaDiagramPainter::DrawTipsString()
{
    const QPoint* pMouse = m_diagram.Mouse();
    if (!pMouse)
        return; // it follows the mouse, which has left
    CPointEx<float> pt;
    if (!m_diagram.SelectedPoint(pt))
        pt = m_diagram.PixelToChroma(QPointF(*pMouse));
    pt.x = std::max(pt.x, 0.0f);
    pt.y = std::max(pt.y, 0.0f);
    if (!m_diagram.IsInLocus(pt))
        return;

    const int nFontSize = int(m_diagram.Scale() / 40.0f);
    m_painter.setFont(TextFont(nFontSize, g_nTextWeight));
    m_painter.setPen(SolidPen(Qt::yellow, 1.0));
    const QRect& rc = m_diagram.WndRect();
    const qreal dLeft = 3 * (rc.right() / 4);
    const qreal dTop = 5 * (rc.bottom() / 6);
    const qreal dWidth = m_diagram.Scale() / 5.0f;
    const qreal dHeight = 1.5 * nFontSize;
    m_painter.drawText(QRectF(dLeft, dTop, dWidth, dHeight), Qt::AlignCenter,
        QString("x : %1").arg(double(pt.x), 0, 'f', 4));
    m_painter.drawText(QRectF(dLeft, dTop + 2 * nFontSize, dWidth, dHeight), Qt::AlignCenter,
        QString("y : %1").arg(double(pt.y), 0, 'f', 4));
}

void CChromaDiagramPainter::DrawCrossLine()
{
    const QPoint* pMouse = m_diagram.Mouse();
    if (!pMouse)
        return;
    const QPoint ptMouse = *pMouse;
    const CPointEx<float> ptMouseF(float(ptMouse.x()), float(ptMouse.y()));
    if (!IsPointInPolygon(ptMouseF, m_diagram.LocusPixelsF().constData(), m_diagram.LocusPixelsF().size()))
        return;

    QPoint pt = ptMouse;
    CPointEx<float> ptSelected;
    if (m_diagram.CanMove() && m_diagram.SelectedPoint(ptSelected)) {
        const QPointF ptPixel = m_diagram.ChromaToPixel(ptSelected);
        pt = QPoint(int(ptPixel.x()), int(ptPixel.y()));
    }
    m_painter.setPen(SolidPen(QColor(255, 240, 240, 240), 1.0));
    m_painter.drawLine(QPoint(0, pt.y()), QPoint(m_diagram.WndRect().width(), pt.y()));
    m_painter.drawLine(QPoint(pt.x(), 0), QPoint(pt.x(), m_diagram.WndRect().height()));
}

void CChromaDiagramPainter::DrawCCTLine()
{
    const auto CCTPixel = [this](int nCCT) {
        QPointF pt;
        m_diagram.CCT().CCTtoColorCoord(float(nCCT), &pt, false);
        return m_diagram.ChromaToPixel(CPointEx<float>::FromQPointF(pt));
    };

    QPainterPath path;
    path.moveTo(CCTPixel(g_nCCTFirst));
    for (int nCCT = g_nCCTFirst + g_nCCTStep; nCCT <= g_nCCTLast; nCCT += g_nCCTStep)
        path.lineTo(CCTPixel(nCCT));
    m_painter.setPen(SolidPen(Qt::black, 1.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);

    for (int nCCT : g_arrCCTTick) {
        const QPointF pt = CCTPixel(nCCT);
        const QPointF ptNext = CCTPixel(nCCT + g_nCCTStep);
        // The tick leans along the normal of the locus at pt.
        const float fSlope = -float(pt.x() - ptNext.x()) / float(pt.y() - ptNext.y());
        const float fNorm = std::sqrt(fSlope * fSlope + 1.0f);
        m_painter.setPen(QPen(Qt::black));
        m_painter.drawLine(pt, QPointF(pt.x() - 5.0f / (fNorm * fNorm), pt.y() - 5.0f / fNorm));
        DrawCCTLineString(pt, nCCT);
    }
}

void CChromaDiagramPainter::DrawCCTLineString(QPointF pt, int nCCT)
{
    const int nFontSize = int(m_diagram.Scale() / 50.0f);
    m_painter.setFont(TextFont(nFontSize, -1));
    m_painter.setPen(QPen(Qt::black));
    const QString strText = QString::number(nCCT);
    // The box of four by two font sizes is too small where points are larger
    // than pixels; it grows to the text, so that nothing is cut off.
    const QFontMetricsF metrics(m_painter.font());
    const qreal dWidth = std::max(
        {4.0 * nFontSize, metrics.horizontalAdvance(strText), metrics.boundingRect(strText).right()});
    const qreal dHeight = std::max(2.0 * nFontSize, metrics.height());
    m_painter.drawText(
        QRectF(pt.x() + nFontSize / 2.0, pt.y(), std::ceil(dWidth), std::ceil(dHeight)), strText);
}

QColor CChromaDiagramPainter::DefaultLineColor(int nIndex)
{
    SENDER_ASSERT(nIndex >= 0);
    if (nIndex < g_nDefaultLineColorNum)
        return g_arrDefaultLineColor[nIndex];
    // Beyond the table: hues a golden angle apart never repeat and stay far
    // from their neighbours; the two saturation levels set them off the table.
    const int nExtra = nIndex - g_nDefaultLineColorNum;
    const int nHue = int(std::fmod(15.0 + nExtra * 137.50776, 360.0));
    return QColor::fromHsv(nHue, nExtra % 2 == 0 ? 150 : 220, 255);
}

void CChromaDiagramPainter::DrawChromTriangle()
{
    int nDrawn = 0;
    for (auto it = m_diagram.Groups().cbegin(); it != m_diagram.Groups().cend(); ++it) {
        SChromaGroupInfo* pGroup = it.value();
        if (!pGroup)
            break;
        if (!pGroup->m_bVisible)
            continue;

        const float fRadius = m_diagram.Scale() / 100.0f;
        const bool bEnlarged
            = it.key() == m_diagram.CurGroup() && m_diagram.IsPressed() && m_diagram.IsDragging();
        float arrRadius[g_nChromaPointNum];
        for (int k = 0; k < g_nChromaPointNum; ++k) {
            arrRadius[k] = bEnlarged && k == m_diagram.CurPoint() ? 1.5f * fRadius : fRadius;
            if (!pGroup->m_bMovable[k])
                arrRadius[k] *= 0.8f;
        }

        if (!pGroup->m_bCustomColor) {
            const QColor clr = DefaultLineColor(nDrawn);
            pGroup->m_ucLineRed = uchar(clr.red());
            pGroup->m_ucLineGreen = uchar(clr.green());
            pGroup->m_ucLineBlue = uchar(clr.blue());
        }
        DrawGroup(
            *pGroup, QColor(pGroup->m_ucLineRed, pGroup->m_ucLineGreen, pGroup->m_ucLineBlue), arrRadius);
        ++nDrawn;
    }
}

void CChromaDiagramPainter::DrawGroup(
    const SChromaGroupInfo& sGroup, const QColor& clrLine, const float arrRadius[g_nChromaPointNum])
{
    QPointF arrPixel[g_nChromaPointNum];
    for (int k = 0; k < g_nChromaPointNum; ++k)
        arrPixel[k] = m_diagram.ChromaToPixel(sGroup.m_ptColor[k]);

    m_painter.setPen(SolidPen(clrLine, sGroup.m_fLineWidth, Qt::PenStyle(sGroup.m_nLineStyle)));
    QPointF arrVertex[3] = {arrPixel[0], arrPixel[1], arrPixel[2]};
    if (!sGroup.m_bRGBMode) {
        // Secondaries are the midpoints of the edges opposite the primaries.
        arrVertex[0] = arrPixel[1] + arrPixel[2] - arrPixel[0];
        arrVertex[1] = arrPixel[0] + arrPixel[2] - arrPixel[1];
        arrVertex[2] = arrPixel[0] + arrPixel[1] - arrPixel[2];
    }
    for (int k = 0; k < 3; ++k)
        m_painter.drawLine(arrVertex[k], arrVertex[(k + 1) % 3]);

    static const QColor s_arrPrimary[3] = {Qt::red, Qt::green, Qt::blue};
    static const QColor s_arrSecondary[3] = {Qt::cyan, Qt::magenta, Qt::yellow};
    const QPen penMovable = SolidPen(Qt::white, 2.0);
    const QPen penFixed = SolidPen(Qt::lightGray, 2.0);
    for (int k = 0; k < 3; ++k) {
        if (!sGroup.m_bShowPoint[k])
            continue;
        m_painter.setPen(sGroup.m_bMovable[k] ? penMovable : penFixed);
        m_painter.setBrush(sGroup.m_bRGBMode ? s_arrPrimary[k] : s_arrSecondary[k]);
        m_painter.drawEllipse(MarkerRect(arrPixel[k], arrRadius[k]));
    }

    if (sGroup.m_bShowWhite) {
        const float fRadius = arrRadius[g_nWhitePoint];
        const QPointF pt = arrPixel[g_nWhitePoint];
        m_painter.setPen(SolidPen(Qt::white, 3.0));
        m_painter.setBrush(clrLine);
        m_painter.drawEllipse(MarkerRect(pt, fRadius + 1.0f));
        const float fInner = fRadius - 1.0f;
        m_painter.setPen(SolidPen(Qt::white, 1.0));
        m_painter.setBrush(Qt::white);
        m_painter.drawEllipse(
            QRect(int(pt.x() - fInner / 2.0f), int(pt.y() - fInner / 2.0f), int(fInner), int(fInner)));
    }
    m_painter.setBrush(Qt::NoBrush);
}

QString CChromaDiagramPainter::NoteText(int nKey, const SChromaGroupInfo& sGroup, int nRatio)
{
    // The widget's texts, translated in its context.
    if (nKey == g_nOutputColorSpaceKey) {
        const QString strTitle = QCoreApplication::translate("CChromaticityDlgWnd", "输出颜色空间");
        if (nRatio < 0)
            return strTitle;
        return QString("%1, %2% %3")
            .arg(strTitle)
            .arg(nRatio)
            .arg(QCoreApplication::translate("CChromaticityDlgWnd", "被覆盖"));
    }
    if (nKey == g_nScreenColorSpaceKey)
        return QCoreApplication::translate("CChromaticityDlgWnd", "屏幕颜色空间（校正后）");
    return sGroup.m_strName;
}

void CChromaDiagramPainter::DrawChromNote()
{
    struct SNote
    {
        const SChromaGroupInfo* pGroup;
        QString strText;
    };
    QVector<SNote> vecNote;
    const QMap<int, SChromaGroupInfo*>& mapGroup = m_diagram.Groups();
    for (auto it = mapGroup.cbegin(); it != mapGroup.cend(); ++it) {
        const SChromaGroupInfo* pGroup = it.value();
        if (pGroup && pGroup->m_bShowNote) {
            const int nRatio = it.key() == g_nOutputColorSpaceKey ? m_diagram.CalcRatio() : -1;
            vecNote.append({pGroup, NoteText(it.key(), *pGroup, nRatio)});
        }
    }
    if (vecNote.isEmpty())
        return;

    const int nFontSize = int(m_diagram.Scale() / 50.0f);
    m_painter.setFont(TextFont(nFontSize, g_nTextWeight));
    const QFontMetrics metrics(m_painter.font());
    int nTextWidth = 0;
    for (const SNote& sNote : qAsConst(vecNote))
        nTextWidth = std::max(nTextWidth, metrics.boundingRect(sNote.strText).width());

    const float fFactor = g_fNoteFactor;
    const float fX0 = 0.8f * m_diagram.Scale() + m_diagram.MarginX() - float(nTextWidth) - 30.0f * fFactor;
    float fY = float((m_diagram.Height() - 1) / 6);
    for (const SNote& sNote : qAsConst(vecNote)) {
        m_painter.setPen(SolidPen(Qt::white, 1.0));
        m_painter.drawText(QPointF(fX0 + 20.0f * fFactor, fY + 5.0f * fFactor), sNote.strText);

        const SChromaGroupInfo& sGroup = *sNote.pGroup;
        QPen pen = SolidPen(QColor(sGroup.m_ucLineRed, sGroup.m_ucLineGreen, sGroup.m_ucLineBlue), 2.0);
        if (sGroup.m_ucLineRed >= 1 && sGroup.m_ucLineRed <= 254)
            pen.setDashPattern({2.0, 2.0});
        m_painter.setPen(pen);
        m_painter.drawLine(
            QPoint(int(fX0 - 15.0f * fFactor), int(fY)), QPoint(int(fX0 + 15.0f * fFactor), int(fY)));
        fY += float(nFontSize) + 10.0f * fFactor;
    }
}

void CChromaDiagramPainter::DrawFrame()
{
    m_painter.setPen(SolidPen(Qt::black, 1.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(m_diagram.WndRect());
}

void CChromaDiagramPainter::DrawCIEStandardShow(const QRect& rcGeometry)
{
    if (!m_diagram.IsStandardShown())
        return;
    const int nFontSize = int(m_diagram.Scale() / 30.0f);
    m_painter.setFont(TextFont(nFontSize, g_nTextWeight));
    m_diagram.CalcCIEStandardValid();
    if (!IsColorStandard(m_diagram.ShownStandard()))
        return;
    int nKeyNum = -1;
    const SChromaGroupInfo* pGroup = m_diagram.StandardGroup(nKeyNum);
    // Without a group to compare the name would be a guess: draw nothing.
    if (!pGroup)
        return;
    // The label must belong to the group the host named.
    if (nKeyNum != m_diagram.StandardGroupIndex())
        SenderAssert::Fail("keyNum == m_nGroupIndex", __FILE__, __LINE__);

    const int nW = rcGeometry.right() - rcGeometry.left();
    const int nH = rcGeometry.bottom() - rcGeometry.top();
    const QPointF ptBox(2 * (nW / 3), 2 * (nH / 9));
    m_painter.setPen(QPen(Qt::red));
    m_painter.drawText(QRectF(ptBox.x(), ptBox.y() + nFontSize / 2.0, m_diagram.Scale() / 5.0f, nFontSize),
        QString::fromLatin1(ColorStandardGamut(m_diagram.ShownStandard()).pszName));

    const QPointF ptMid
        = (m_diagram.ChromaToPixel(pGroup->m_ptColor[0]) + m_diagram.ChromaToPixel(pGroup->m_ptColor[1]))
        / 2.0;
    m_painter.setPen(SolidPen(Qt::blue, 1.5));
    m_painter.drawLine(ptMid, QPointF(ptBox.x(), ptBox.y() + nFontSize));
}
