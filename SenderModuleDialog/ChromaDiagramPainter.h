#pragma once

#include "PointEx.h"

#include <QColor>
#include <QPointF>

class CChromaticityDlgWnd;
class QPainter;
class QImage;
struct SChromaGroupInfo;

// One paint of the chromaticity diagram: each step reads the widget's state
// and draws onto the painter it was given.
class CChromaDiagramPainter
{
public:
    CChromaDiagramPainter(CChromaticityDlgWnd& wnd, QPainter& painter);

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
    void DrawCIEStandardShow();

    // Line colour of the nIndex-th visible group drawn without a colour of its own.
    static QColor DefaultLineColor(int nIndex);
    // The text of a group's legend entry; nRatio < 0 means no coverage figure.
    static QString NoteText(const SChromaGroupInfo& sGroup, int nRatio);

private:
    // The selected point's chromaticity, when a selected group still exists.
    bool SelectedPoint(CPointEx<float>& pt) const;
    const QImage* CurrentGamutImage();
    void DrawGroup(const SChromaGroupInfo& sGroup, const QColor& clrLine);

    CChromaticityDlgWnd& m_wnd;
    QPainter& m_painter;
};
