#pragma once

#include "ChromaGroupInfo.h"
#include "ColorStandard.h"
#include "PointEx.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QVector>

#include <functional>
#include <memory>

class CCCT2ColorCoord;
class CChromaGamutInterpolation;

// The chromaticity editor without its window: the groups, the selection, the
// mapping between chromaticity and pixels, hit testing, the mouse protocol and
// the corrections that keep every group physically meaningful.
class CChromaDiagram
{
public:
    CChromaDiagram();
    ~CChromaDiagram();
    CChromaDiagram(const CChromaDiagram&) = delete;
    CChromaDiagram& operator=(const CChromaDiagram&) = delete;

    // Sizes and settings.
    void SetSize(int nWidth, int nHeight); // both must exceed 100
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    QRect WndRect() const { return m_rcWnd; }
    float MarginX() const { return m_fMarginX; }
    float MarginY() const { return m_fMarginY; }
    float Scale() const { return m_fScale; }
    void SetWndType(int nType) { m_nWndType = nType; }
    int WndType() const { return m_nWndType; }
    void SetBackgroundColor(QColor clr) { m_clrBackground = clr; }
    QColor BackgroundColor() const { return m_clrBackground; }
    void SetGridLineAlpha(int nAlpha) { m_nGridLineAlpha = nAlpha; }
    int GridLineAlpha() const { return m_nGridLineAlpha; }
    void SetNearstPoint(QPointF pt) { m_ptNearest = pt; }
    QPointF NearestPoint() const { return m_ptNearest; }
    QPointF D65() const { return m_ptD65; }
    void ShowCIEStandard(int nGroup, enColorStandard enStandard, bool bShow);
    bool IsStandardShown() const { return m_bShowStandard; }
    enColorStandard ShownStandard() const { return m_enShowStandard; }
    int StandardGroupIndex() const { return m_nGroupIndex; }

    // Groups. Pointers stay valid until their key is removed or released.
    SChromaGroupInfo* GetChromaGroupByIndex(int nIndex) const;
    bool AddChromaGroupByIndex(int nIndex, const SChromaGroupInfo& info);
    bool SetChromaGroupByIndex(int nIndex, const SChromaGroupInfo& info);
    bool RemoveChromaGroupByIndex(int nIndex);
    void ReleaseChromaData();
    const QMap<int, SChromaGroupInfo*>& Groups() const { return m_mapGroup; }

    // Chromaticity <-> pixels.
    QPointF ChromaToPixel(CPointEx<float> pt) const;
    CPointEx<float> PixelToChroma(QPointF pt) const;
    // The spectral locus: its hull in chromaticity, and mapped to pixels.
    const QVector<QPointF>& LocusHull() const;
    const QVector<QPointF>& LocusPixels() const { return m_vecLocusPixel; }
    const QVector<CPointEx<float>>& LocusPixelsF() const { return m_vecLocusPixelF; }
    const QList<CPointEx<float>>& LocusPoints() const { return m_listLocus; }
    bool IsInLocus(CPointEx<float> pt) const;
    const CCCT2ColorCoord& CCT() const { return *m_pCCT; }

    // Recalculation after a point has changed.
    bool CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup);
    bool ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex);
    bool ReCalCMY(SChromaGroupInfo* pGroup);
    bool IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex) const;
    bool GetWhiteIntersection(SChromaGroupInfo* pGroup, CPointEx<float> pt);

    // Searches; GetNearestPoint leaves its result in NearestPoint().
    static void AddFloatExcursion(QPointF& pt, QPointF ptAway);
    static bool GetCIEIntersection(const QList<CPointEx<float>>& listPolygon, CPointEx<float> ptA,
        CPointEx<float> ptB, CPointEx<float>& ptOut);
    bool GetNearestPoint(
        CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1, CPointEx<float> ptOther2);
    static bool GetNearestPoint2(CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1,
        CPointEx<float> ptOther2, CPointEx<float>& ptOut);
    void GetFeasibleRegionNearstPoint(const QList<CPointEx<float>>& listRegion, CPointEx<float>& pt) const;
    void GetFeasibleRegionNearstPoint2(const QList<CPointEx<float>>& listRegion, CPointEx<float>& pt) const;

    // Mouse protocol. Positions are whole widget pixels.
    void HitTest(QPoint pos, int& nGroupIndex, int& nPointIndex);
    // True when a point was hit and is now selected.
    bool Press(QPoint pos);
    void Hover(QPoint pos);
    // True when the selected point was moved and the host has to be asked.
    bool DragTo(QPoint pos);
    // The host's answer to the step DragTo made.
    void FinishDrag(bool bAccepted);
    void Release();
    void Leave();
    // Keyboard editing. The movable points of the visible groups, in key order
    // and points 0–3 within a group: the one after (or before) the selected
    // point becomes selected, as if the mouse hovered it. False past either
    // end, with nothing selected then.
    bool SelectAdjacent(bool bForward);
    // True when the selected point was moved by (fDx, fDy) through the drag's
    // correction and the host has to be asked; FinishDrag takes its answer.
    bool StepSelected(float fDx, float fDy);
    int CurGroup() const { return m_nCurGroup; }
    int CurPoint() const { return m_nCurPoint; }
    bool CanMove() const { return m_bCanMove; }
    bool IsPressed() const { return m_bPressed; }
    bool IsDragging() const { return m_bDragging; }
    bool IsHitWhite() const { return m_bHitWhite; }
    // Null while the mouse is away: nothing may follow it then.
    const QPoint* Mouse() const { return m_bMouseInside ? &m_ptMouse : nullptr; }
    // The selected point, when its group still exists.
    bool SelectedPoint(CPointEx<float>& pt) const;

    // Colour standards and coverage.
    void CalcCIEStandardValid();
    const SChromaGroupInfo* StandardGroup(int& nKeyNum) const;
    int CalcRatio() const;

    // The host's static pixel set, kept in pixels; nothing draws it.
    bool SetStaticPixels(const QPointF* pPoints, int nCount, const uchar arrColor[4]);
    const QVector<QPointF>& StaticPixels() const { return m_vecStaticPixel; }

private:
    using RegionTest = std::function<bool(CPointEx<float>)>;
    bool MoveSelectedTo(QPointF pos);
    void MapLocusToScreen();
    bool ApplyColourPoint(SChromaGroupInfo& group, int nPoint, CPointEx<float> pt, CPointEx<float> ptAnchor);
    bool ApplyWhitePoint(
        SChromaGroupInfo& group, CPointEx<float> pt, CPointEx<float> ptAnchor, bool bSnapToVertex);
    static bool Settle(CPointEx<float> ptNudged, CPointEx<float> ptRaw, CPointEx<float> ptAnchor,
        const RegionTest& fnInside, CPointEx<float>& ptOut);
    bool FeasibleRegionCrossing(
        const QList<CPointEx<float>>& listRegion, bool bFromCentroid, CPointEx<float>& pt) const;

    std::unique_ptr<CCCT2ColorCoord> m_pCCT;
    std::unique_ptr<CChromaGamutInterpolation> m_pGamutInterp;

    QMap<int, SChromaGroupInfo*> m_mapGroup;
    int m_nCurGroup = -1;
    int m_nCurPoint = -1;
    bool m_bCanMove = true;
    bool m_bPressed = false;
    bool m_bDragging = false;
    bool m_bHitWhite = false;
    bool m_bMouseInside = false;
    QPoint m_ptMouse;
    QPointF m_ptNearest;
    QPointF m_ptD65;

    int m_nWidth = 0;
    int m_nHeight = 0;
    QRect m_rcWnd;
    float m_fMarginX = 25.0f;
    float m_fMarginY = 25.0f;
    float m_fScale = 500.0f;

    QColor m_clrBackground = QColor(50, 50, 50);
    int m_nGridLineAlpha = 120;
    int m_nWndType = -1;
    enColorStandard m_enShowStandard = enStandardSRGB;
    int m_nGroupIndex = 0;
    bool m_bShowStandard = false;

    QList<CPointEx<float>> m_listLocus; // the hull in single precision
    QVector<QPointF> m_vecLocusPixel;
    QVector<CPointEx<float>> m_vecLocusPixelF;

    QVector<QPointF> m_vecStaticPixel;
    uchar m_ucPixelColor[4] = {0, 0, 0, 0};
};
