#pragma once

#include "ChromaDiagram.h"
#include "ChromaGamutThread.h"
#include "SenderModuleDialogExport.h"

#include <QImage>
#include <QWidget>

class QPainter;

// CIE 1931 xy diagram on which the user drags the points of colour groups.
// The editor itself is CChromaDiagram; the widget turns mouse events into its
// protocol, offers every drag step to the host through OnPositionChangeSignal,
// keeps the gamut images and paints.
class SENDERMODULEDIALOG_EXPORT CChromaticityDlgWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int WND_BITMAP_NUM = 5;

    explicit CChromaticityDlgWnd(QWidget* parent = nullptr);
    ~CChromaticityDlgWnd() override;

    CChromaDiagram& Diagram() { return m_diagram; }
    const CChromaDiagram& Diagram() const { return m_diagram; }
    CChromaGamutThread* GamutThread() const { return m_pGamutThread; }
    // The slot of window type 0–4.
    const SChromaWndBitmap& WndBitmap(int nType) const { return m_sWndBitmap[nType]; }

    // Sizes and settings.
    void SetSize(int nWidth, int nHeight); // both must exceed 100
    void SetWndType(int nType) { m_diagram.SetWndType(nType); }
    void SetWndData(int nType, int nWidth, int nHeight);
    void GetWndData(int nType, int& nWidth, int& nHeight) const;
    void InitialWndBitMap() { }
    void SetBackgroundColor(QColor clrBackground);
    void SetGridLineAlpha(int nAlpha) { m_diagram.SetGridLineAlpha(nAlpha); }
    void SetNearstPoint(QPointF ptNearest) { m_diagram.SetNearstPoint(ptNearest); }
    void ShowCIEStandard(int nGroup, enColorStandard enStandard, bool bShow)
    {
        m_diagram.ShowCIEStandard(nGroup, enStandard, bShow);
    }

    // Groups. Pointers stay valid until their key is removed or released.
    SChromaGroupInfo* GetChromaGroupByIndex(int nIndex) const
    {
        return m_diagram.GetChromaGroupByIndex(nIndex);
    }
    bool AddChromaGroupByIndex(int nIndex, SChromaGroupInfo info)
    {
        return m_diagram.AddChromaGroupByIndex(nIndex, info);
    }
    bool SetChromaGroupByIndex(int nIndex, SChromaGroupInfo info)
    {
        return m_diagram.SetChromaGroupByIndex(nIndex, info);
    }
    bool RemoveChromaGroupByIndex(int nIndex) { return m_diagram.RemoveChromaGroupByIndex(nIndex); }
    void ReleaseChromaData() { m_diagram.ReleaseChromaData(); }

    static CPointEx<float> QPointFToCPointF(QPointF pt) { return CPointEx<float>::FromQPointF(pt); }
    static QPointF CPointFToQPointF(CPointEx<float> pt) { return pt.ToQPointF(); }
    QPointF ChromaToPixel(CPointEx<float> pt) const { return m_diagram.ChromaToPixel(pt); }
    CPointEx<float> PixelToChroma(QPointF pt) const { return m_diagram.PixelToChroma(pt); }

    // Recalculation after a point has changed.
    bool CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup)
    {
        return m_diagram.CalcCurrentPoint(pos, pGroup);
    }
    bool ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex)
    {
        return m_diagram.ReCalRGB(pGroup, nPointIndex);
    }
    bool ReCalCMY(SChromaGroupInfo* pGroup) { return m_diagram.ReCalCMY(pGroup); }
    bool IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex)
    {
        return m_diagram.IsPointInRegion(pGroup, nPointIndex);
    }
    bool GetWhiteIntersection(SChromaGroupInfo* pGroup, CPointEx<float> pt)
    {
        return m_diagram.GetWhiteIntersection(pGroup, pt);
    }

    // Searches; GetNearestPoint leaves its result as the nearest point.
    static void AddFloatExcursion(QPointF& pt, QPointF ptAway)
    {
        CChromaDiagram::AddFloatExcursion(pt, ptAway);
    }
    static bool GetCIEIntersection(const QList<CPointEx<float>>& listPolygon, CPointEx<float> ptA,
        CPointEx<float> ptB, CPointEx<float>& ptOut)
    {
        return CChromaDiagram::GetCIEIntersection(listPolygon, ptA, ptB, ptOut);
    }
    bool GetNearestPoint(
        CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1, CPointEx<float> ptOther2)
    {
        return m_diagram.GetNearestPoint(ptWhite, pt, ptOther1, ptOther2);
    }
    static bool GetNearestPoint2(CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1,
        CPointEx<float> ptOther2, CPointEx<float>& ptOut)
    {
        return CChromaDiagram::GetNearestPoint2(ptWhite, pt, ptOther1, ptOther2, ptOut);
    }
    void GetFeasibleRegionNearstPoint(QList<CPointEx<float>>& listRegion, CPointEx<float>& pt)
    {
        m_diagram.GetFeasibleRegionNearstPoint(listRegion, pt);
    }
    void GetFeasibleRegionNearstPoint2(QList<CPointEx<float>>& listRegion, CPointEx<float>& pt)
    {
        m_diagram.GetFeasibleRegionNearstPoint2(listRegion, pt);
    }

    void HitTest(QPoint pos, int& nGroupIndex, int& nPointIndex)
    {
        m_diagram.HitTest(pos, nGroupIndex, nPointIndex);
    }

    // Colour standards and coverage ratio.
    void CalcCIEStandardValid() { m_diagram.CalcCIEStandardValid(); }
    int CalcRatio() { return m_diagram.CalcRatio(); }
    void DrawCIEStandardShow(QPainter& painter);

    // Painting and gamut images.
    void Draw(QPainter& painter);
    void GetChromaticityBmp(int nType);
    bool DrawStaticPiexl(
        QPointF* pPoints, int nCount, uchar ucColor0, uchar ucColor1, uchar ucColor2, uchar ucColor3);
    void DrawBorder(QPainter& painter);
    void DrawHexCoorDialog(QPainter& painter);
    void DrawTipsString(QPainter& painter);
    void DrawCrossLine(QPainter& painter);
    void DrawCCTLine(QPainter& painter);
    void DrawCCTLineString(QPainter& painter, float fUnused, QPointF pt, int nCCT);
    void DrawChromTriangle(QPainter& painter);
    void DrawChromNote(QPainter& painter);

signals:
    // Emitted synchronously during a drag; set bSuccessed to keep the new position.
    void OnPositionChangeSignal(int nGroupIndex, int nPointIndex, bool& bSuccessed);

public slots:
    void OnGamutThreadRunOver();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    SGamutLocus GamutLocus() const;
    const QImage* CurrentGamutImage();

    CChromaDiagram m_diagram;
    CChromaGamutThread* m_pGamutThread = nullptr;
    // The widget's own gamut image (window type −1), rebuilt after a size change.
    QImage m_imageOwn;
    QRect m_rcOwnImageBounds;
    bool m_bOwnImageStale = true;
    SChromaWndBitmap m_sWndBitmap[WND_BITMAP_NUM];
};
