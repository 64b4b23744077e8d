#pragma once

#include "ChromaGroupInfo.h"
#include "PointEx.h"

#include <QColor>
#include <QPointF>
#include <QRect>

class CChromaDiagram;
class QPainter;
class QImage;

// One paint of the chromaticity diagram: each step reads the editor's state
// and draws onto the painter it was given.
class CChromaDiagramPainter
{
public:
    // pGamutImage: the filled gamut to lay under the chart, or none; outside
    // rcGamutBounds (when not null) it is known to be transparent.
    CChromaDiagramPainter(CChromaDiagram& diagram, QPainter& painter, const QImage* pGamutImage = nullptr,
        const QRect& rcGamutBounds = QRect());

    void Draw();
    void DrawGamutImage();
    void DrawBorder();
    void DrawHexCoorDialog();
    void DrawTipsString();
    void DrawCrossLine();
    void DrawCCTLine();
    void DrawCCTLineString(QPointF pt, int nCCT);
    void DrawChromTriangle();
    void DrawChromNote();
    void DrawFrame();
    // rcGeometry: the widget's geometry, which places the label.
    void DrawCIEStandardShow(const QRect& rcGeometry);

    // Line colour of the nIndex-th visible group drawn without a colour of its own.
    static QColor DefaultLineColor(int nIndex);
    // The legend entry of the group with key nKey; nRatio < 0 means no coverage figure.
    static QString NoteText(int nKey, const SChromaGroupInfo& sGroup, int nRatio);

private:
    void DrawGroup(
        const SChromaGroupInfo& sGroup, const QColor& clrLine, const float arrRadius[g_nChromaPointNum]);

    CChromaDiagram& m_diagram;
    QPainter& m_painter;
    const QImage* m_pGamutImage;
    QRect m_rcGamutBounds;
};
