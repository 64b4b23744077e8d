#pragma once

#include "ChromaGroupInfo.h"
#include "ColorStandardType.h"
#include "PointEx.h"
#include "SenderModuleDialogExport.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>

class CChromaDiagram;
class CChromaGamutThread;
class QPainter;
struct SChromaWndBitmap;

// CIE 1931 xy diagram on which the user drags the points of colour groups.
// The editor itself is CChromaDiagram; the widget turns mouse events into its
// protocol, offers every drag step to the host through OnPositionChangeSignal,
// keeps the gamut images and paints. The editor, the worker and the slots stay
// behind pointers so that a host needs none of their headers.
class SENDERMODULEDIALOG_EXPORT CChromaticityDlgWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int WND_BITMAP_NUM = 5;

    explicit CChromaticityDlgWnd(QWidget* parent = nullptr);
    ~CChromaticityDlgWnd() override;

    CChromaGamutThread* GamutThread() const { return m_pGamutThread; }
    // The slot of window type 0–4.
    const SChromaWndBitmap& WndBitmap(int nType) const;

    // Sizes and settings.
    void SetSize(int nWidth, int nHeight); // both must exceed 100
    void SetWndType(int nType);
    void SetWndData(int nType, int nWidth, int nHeight);
    void GetWndData(int nType, int& nWidth, int& nHeight) const;
    void InitialWndBitMap() { }
    void SetBackgroundColor(QColor clrBackground);
    void SetGridLineAlpha(int nAlpha);
    void SetNearstPoint(QPointF ptNearest);
    void ShowCIEStandard(int nGroup, enColorStandard enStandard, bool bShow);

    // Groups. Pointers stay valid until their key is removed or released.
    SChromaGroupInfo* GetChromaGroupByIndex(int nIndex) const;
    bool AddChromaGroupByIndex(int nIndex, SChromaGroupInfo info);
    bool SetChromaGroupByIndex(int nIndex, SChromaGroupInfo info);
    bool RemoveChromaGroupByIndex(int nIndex);
    void ReleaseChromaData();

    static CPointEx<float> QPointFToCPointF(QPointF pt) { return CPointEx<float>::FromQPointF(pt); }
    static QPointF CPointFToQPointF(CPointEx<float> pt) { return pt.ToQPointF(); }
    QPointF ChromaToPixel(CPointEx<float> pt) const;
    CPointEx<float> PixelToChroma(QPointF pt) const;

    // Recalculation after a point has changed.
    bool CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup);
    bool ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex);
    bool ReCalCMY(SChromaGroupInfo* pGroup);
    bool IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex);
    bool GetWhiteIntersection(SChromaGroupInfo* pGroup, CPointEx<float> pt);

    // Searches; GetNearestPoint leaves its result as the nearest point.
    static void AddFloatExcursion(QPointF& pt, QPointF ptAway);
    static bool GetCIEIntersection(const QList<CPointEx<float>>& listPolygon, CPointEx<float> ptA,
        CPointEx<float> ptB, CPointEx<float>& ptOut);
    bool GetNearestPoint(
        CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1, CPointEx<float> ptOther2);
    static bool GetNearestPoint2(CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1,
        CPointEx<float> ptOther2, CPointEx<float>& ptOut);
    void GetFeasibleRegionNearstPoint(QList<CPointEx<float>>& listRegion, CPointEx<float>& pt);
    void GetFeasibleRegionNearstPoint2(QList<CPointEx<float>>& listRegion, CPointEx<float>& pt);

    void HitTest(QPoint pos, int& nGroupIndex, int& nPointIndex);

    // Colour standards and coverage ratio.
    void CalcCIEStandardValid();
    int CalcRatio();
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
    friend struct SChromaWndAccess;

    const QImage* CurrentGamutImage();

    std::unique_ptr<CChromaDiagram> m_pDiagram;
    // The worker is a child object; the widget stops it before freeing the slots.
    CChromaGamutThread* m_pGamutThread = nullptr;
    // The widget's own gamut image (window type −1), rebuilt after a size change.
    QImage m_imageOwn;
    QRect m_rcOwnImageBounds;
    bool m_bOwnImageStale = true;
    std::unique_ptr<SChromaWndBitmap[]> m_pWndBitmap;
};
