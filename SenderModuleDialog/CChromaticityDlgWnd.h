#pragma once

#include "ChromaGroupInfo.h"
#include "ColorStandard.h"
#include "PointEx.h"
#include "SenderModuleDialogExport.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QWidget>

#include <atomic>

class QImage;
class QPainter;
class CCCT2ColorCoord;
class CChromaGamutInterpolation;
class CChromaGamutThread;
class CChromaticityDlgWnd;

// One pre-rendered gamut image per host window type 0–4. The worker thread
// writes the image and then publishes it through m_bReady.
struct SChromaWndBitmap
{
    int m_nType = -1;
    int m_nWidth = 0;
    int m_nHeight = 0;
    QImage* m_pImage = nullptr;
    std::atomic<bool> m_bReady {false};
};

// Painting, the gamut images, the colour standards and the worker thread live
// in their own units (ChromaDiagramPainter, GamutImage, ColorStandard,
// ChromaGamutThread). The widget's members of that work forward to these
// functions one for one; they reach the widget's state as friends.
namespace ChromaPaint {
void Draw(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawBorder(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawHexCoorDialog(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawTipsString(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawCrossLine(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawCCTLine(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawCCTLineString(CChromaticityDlgWnd& wnd, QPainter& painter, float fUnused, QPointF pt, int nCCT);
void DrawChromTriangle(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawChromNote(CChromaticityDlgWnd& wnd, QPainter& painter);
void DrawCIEStandardShow(CChromaticityDlgWnd& wnd, QPainter& painter);
// Builds the image of window type nType (−1: the widget's own) and marks a slot ready.
void GetChromaticityBmp(CChromaticityDlgWnd& wnd, int nType);
void CalcCIEStandardValid(CChromaticityDlgWnd& wnd);
int CalcRatio(CChromaticityDlgWnd& wnd);
// Creates the worker as a child of wnd, hands it wnd and connects its RunOver
// to wnd's OnGamutThreadRunOver.
CChromaGamutThread* CreateGamutThread(CChromaticityDlgWnd& wnd);
// quit() and then wait() without a time limit; a null thread is ignored.
void StopGamutThread(CChromaGamutThread* pThread);
} // namespace ChromaPaint

// CIE 1931 xy diagram on which the user drags the points of colour groups.
// Every drag step is corrected to stay physically meaningful and offered to
// the host through OnPositionChangeSignal.
class SENDERMODULEDIALOG_EXPORT CChromaticityDlgWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int WND_BITMAP_NUM = 5;

    explicit CChromaticityDlgWnd(QWidget* parent = nullptr);
    ~CChromaticityDlgWnd() override;

    // Sizes and settings.
    void SetSize(int nWidth, int nHeight); // both must exceed 100
    void SetWndType(int nType);
    void SetWndData(int nType, int nWidth, int nHeight);
    void GetWndData(int nType, int& nWidth, int& nHeight) const;
    void InitialWndBitMap();
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

    static CPointEx<float> QPointFToCPointF(QPointF pt);
    static QPointF CPointFToQPointF(CPointEx<float> pt);

    // Chromaticity ↔ widget pixels.
    QPointF ChromaToPixel(CPointEx<float> pt) const;
    CPointEx<float> PixelToChroma(QPointF pt) const;

    // Recalculation after a point has changed.
    bool CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup);
    bool ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex);
    bool ReCalCMY(SChromaGroupInfo* pGroup);
    bool IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex);
    bool GetWhiteIntersection(SChromaGroupInfo* pGroup, CPointEx<float> pt);

    // Searches; GetNearestPoint leaves its result in m_ptNearest.
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

    // Selection and mouse state.
    QMap<int, SChromaGroupInfo*> m_mapGroup;
    int m_nCurGroup = -1;
    int m_nCurPoint = -1;
    bool m_bCanMove = true;
    bool m_bPressed = false;
    bool m_bDragging = false;
    bool m_bHitWhite = false;
    QPoint m_ptMouse;
    QPointF m_ptNearest;
    QPointF m_ptD65;

    // Mapping.
    int m_nWidth = 0;
    int m_nHeight = 0;
    QRect m_rcWnd;
    float m_fMarginX = 25.0f;
    float m_fMarginY = 25.0f;
    float m_fScale = 500.0f;

    // Settings.
    QColor m_clrBackground = QColor(50, 50, 50);
    int m_nGridLineAlpha = 120;
    int m_nWndType = -1;
    enColorStandard m_enShowStandard = enStandardSRGB;
    int m_nGroupIndex = 0;
    bool m_bShowStandard = false;

    // Spectral locus in widget pixels, one entry per hull vertex.
    int m_nCIEScreenPtsNum = 0;
    QPointF* m_pCIEScreenPts = nullptr;
    CPointEx<float>* m_pCIEScreenPtsF = nullptr;

    CChromaGamutInterpolation* m_pGamutInterp = nullptr;
    CCCT2ColorCoord* m_pCCT = nullptr;
    CChromaGamutThread* m_pGamutThread = nullptr;

    // Gamut images: the widget's own (window type −1) and one per window type 0–4.
    QImage* m_pGamutImage = nullptr;
    SChromaWndBitmap m_sWndBitmap[WND_BITMAP_NUM];

    // Drawing state.
    bool m_bFirstPaint = true;
    float m_fNoteFactor = 1.0f;
    float m_fPointRadius[g_nChromaPointNum] = {0.0f, 0.0f, 0.0f, 0.0f};
    // Static pixel set kept for the host; the paint sequence does not draw it.
    bool m_bStaticPixel = false;
    int m_nStaticPixelNum = 0;
    QPointF* m_pStaticPixels = nullptr;
    uchar m_ucPixelColor[4] = {0, 0, 0, 0};

private:
    const QList<CPointEx<float>>& LocusPoints() const;
    bool IsInLocus(CPointEx<float> pt) const;
    void MapLocusToScreen();
    SChromaGroupInfo* StoreGroupCopy(int nIndex, const SChromaGroupInfo& info);
    void GetFeasibleRegionCrossing(
        const QList<CPointEx<float>>& listRegion, bool bFromCentroid, CPointEx<float>& pt);

    friend class CChromaDiagramPainter;
    friend class CChromaGamutThread;
    friend void ChromaPaint::Draw(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawBorder(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawHexCoorDialog(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawTipsString(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawCrossLine(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawCCTLine(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawCCTLineString(CChromaticityDlgWnd&, QPainter&, float, QPointF, int);
    friend void ChromaPaint::DrawChromTriangle(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawChromNote(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::DrawCIEStandardShow(CChromaticityDlgWnd&, QPainter&);
    friend void ChromaPaint::GetChromaticityBmp(CChromaticityDlgWnd&, int);
    friend void ChromaPaint::CalcCIEStandardValid(CChromaticityDlgWnd&);
    friend int ChromaPaint::CalcRatio(CChromaticityDlgWnd&);
    friend CChromaGamutThread* ChromaPaint::CreateGamutThread(CChromaticityDlgWnd&);
};
