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

/// CIE 1931 xy chromaticity diagram on which the user drags the points of colour groups.
///
/// The host embeds it, sets its size, window type, colours and groups, and
/// answers every drag step through OnPositionChangeSignal. The widget owns a
/// copy of every group, its colour-science objects, the gamut images and the
/// worker that renders them; the editor behind it stays out of this header.
///
/// Keyboard: Tab focuses the diagram; Tab and Shift+Tab inside it then select
/// the next or previous movable point (visible groups in key order, points
/// 0–3), and leave it past the last or first one. The arrow keys move the
/// selected point by 0.001 in x or y, by 0.01 with Shift, each step corrected
/// and offered to the host exactly as a drag step is.
class SENDERMODULEDIALOG_EXPORT CChromaticityDlgWnd : public QWidget
{
    Q_OBJECT

public:
    /// Number of host window types with a gamut bitmap slot (types 0 to 4).
    static constexpr int WND_BITMAP_NUM = 5;

    /// Builds the colour-science objects, the locus and the worker; SetSize must follow before painting.
    explicit CChromaticityDlgWnd(QWidget* parent = nullptr);
    /// Stops the worker and frees the groups and every gamut image.
    ~CChromaticityDlgWnd() override;

    /// The worker that renders the slot images of window types 0 to 4 when the host starts it; owned by the
    /// widget.
    CChromaGamutThread* GamutThread() const { return m_pGamutThread; }
    /// The gamut bitmap slot of window type nType, 0 to 4 (not checked).
    const SChromaWndBitmap& WndBitmap(int nType) const;

    // Sizes and settings.
    /// Sets the widget size in pixels (both above 100, asserted) and maps the locus into it: margins width /
    /// 30 + 10 and height / 30 + 10, scale min((height − 2·marginY) / 0.9, (width − 2·marginX) / 0.8) pixels
    /// per unit.
    void SetSize(int nWidth, int nHeight); // both must exceed 100
    /// Chooses the gamut image painted: −1 the widget's own, 0 to 4 that slot's; nothing else changes.
    void SetWndType(int nType);
    /// For type 0 to 4 stores the slot's size in pixels; then renders that type's gamut image synchronously.
    void SetWndData(int nType, int nWidth, int nHeight);
    /// Writes the size of slot nType (0 to 4) into nWidth and nHeight; other types leave them untouched.
    void GetWndData(int nType, int& nWidth, int& nHeight) const;
    /// Does nothing; kept for hosts that call it.
    void InitialWndBitMap() { }
    /// Sets the background colour and repaints.
    void SetBackgroundColor(QColor clrBackground);
    /// Sets the alpha (0 to 255) of the 0.1 grid lines; no repaint.
    void SetGridLineAlpha(int nAlpha);
    /// Sets the chromaticity (x, y) a rejected colour point is put back to (see OnPositionChangeSignal).
    void SetNearstPoint(QPointF ptNearest);
    /// Chooses the group (0: the lowest key) compared with the standard gamuts, the standard to show and
    /// whether to show it; no repaint.
    void ShowCIEStandard(int nGroup, enColorStandard enStandard, bool bShow);

    // Groups. Pointers stay valid until their key is removed or released.
    /// The widget's record of group key nIndex, or null for a negative or absent key; valid until the key is
    /// removed or released.
    SChromaGroupInfo* GetChromaGroupByIndex(int nIndex) const;
    /// Stores a copy of info under key nIndex (its m_nIndex forced to the key); false for a negative or
    /// existing key.
    bool AddChromaGroupByIndex(int nIndex, SChromaGroupInfo info);
    /// Replaces the record of key nIndex by a copy of info (pointers stay valid), or adds it; false for a
    /// negative key.
    bool SetChromaGroupByIndex(int nIndex, SChromaGroupInfo info);
    /// Frees the record of key nIndex; false for a negative or absent key.
    bool RemoveChromaGroupByIndex(int nIndex);
    /// Frees every group record.
    void ReleaseChromaData();

    /// The point with each coordinate rounded to float.
    static CPointEx<float> QPointFToCPointF(QPointF pt) { return CPointEx<float>::FromQPointF(pt); }
    /// The point in double precision.
    static QPointF CPointFToQPointF(CPointEx<float> pt) { return pt.ToQPointF(); }
    /// Widget pixel of chromaticity pt: (x·scale + marginX, (height − marginY) − y·scale).
    QPointF ChromaToPixel(CPointEx<float> pt) const;
    /// Chromaticity (x, y) of widget pixel pt; the inverse of ChromaToPixel.
    CPointEx<float> PixelToChroma(QPointF pt) const;

    // Recalculation after a point has changed.
    /// Moves the selected point of pGroup to widget pixel pos, pulled into the locus and kept consistent with
    /// the white point; false when it stays.
    bool CalcCurrentPoint(QPointF pos, SChromaGroupInfo* pGroup);
    /// After primary nPointIndex (0 to 3) of pGroup moved: clamps negative coordinates to 0 and pulls the
    /// point back until the white point lies in the triangle; false when nothing could be fixed.
    bool ReCalRGB(SChromaGroupInfo* pGroup, int nPointIndex);
    /// Recomputes the secondaries of pGroup (each the midpoint of the edge opposite its primary) inside the
    /// locus; false, the group unchanged, when the white point is outside the locus.
    bool ReCalCMY(SChromaGroupInfo* pGroup);
    /// True when point nPointIndex (0 to 3) of pGroup lies in the locus and the white point in the triangle
    /// of the colour points.
    bool IsPointInRegion(SChromaGroupInfo* pGroup, int nPointIndex);
    /// Nearest point of the colour triangle of pGroup to pt, 0.0001 inside, left as the nearest point; false
    /// for a null or degenerate triangle.
    bool GetWhiteIntersection(SChromaGroupInfo* pGroup, CPointEx<float> pt);

    // Searches; GetNearestPoint leaves its result as the nearest point.
    /// Moves pt 0.0001 away from ptAway along the line through both; a vertical pair does not move.
    static void AddFloatExcursion(QPointF& pt, QPointF ptAway);
    /// Where segment ptA–ptB crosses the boundary of listPolygon (the highest crossed edge wins), 0.0001 back
    /// towards ptA, into ptOut; false when no edge is crossed or the polygon has fewer than 3 points.
    static bool GetCIEIntersection(const QList<CPointEx<float>>& listPolygon, CPointEx<float> ptA,
        CPointEx<float> ptB, CPointEx<float>& ptOut);
    /// Moves colour point pt along the white point's angle bisector until ptWhite lies on the triangle edge,
    /// pulled into the locus and 0.0001 further; the result is left as the nearest point (see
    /// SetNearstPoint). False, nothing written, when the lines are parallel.
    bool GetNearestPoint(
        CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1, CPointEx<float> ptOther2);
    /// As GetNearestPoint without the locus step, and the result written to ptOut instead of the nearest
    /// point; reads no widget state.
    static bool GetNearestPoint2(CPointEx<float> ptWhite, CPointEx<float> pt, CPointEx<float> ptOther1,
        CPointEx<float> ptOther2, CPointEx<float>& ptOut);
    /// During a drag of a colour point: pt becomes where the segment from the group's white point to that
    /// point leaves listRegion, just inside; otherwise pt stays.
    void GetFeasibleRegionNearstPoint(QList<CPointEx<float>>& listRegion, CPointEx<float>& pt);
    /// As GetFeasibleRegionNearstPoint with the centroid of listRegion instead of the white point.
    void GetFeasibleRegionNearstPoint2(QList<CPointEx<float>>& listRegion, CPointEx<float>& pt);

    /// The group key and point index (0 to 3) of the marker under widget pixel pos, −1 and −1 for none; the
    /// last movable one wins among overlapping markers.
    void HitTest(QPoint pos, int& nGroupIndex, int& nPointIndex);

    // Colour standards and coverage ratio.
    /// Sets the shown standard to the one the compared group matches exactly, or none.
    void CalcCIEStandardValid();
    /// Share of the output colour space (key 512) that the screen colour space (key 768) covers, in whole
    /// percent 0 to 100; −1 when either is missing or hidden.
    int CalcRatio();
    /// Draws the name of the matched standard with a connecting line; the host may call it with its own
    /// painter.
    void DrawCIEStandardShow(QPainter& painter);

    // Painting and gamut images.
    /// Paints the whole diagram: background, gamut image, locus, grid, read-out, crosshair, daylight locus,
    /// groups and legend.
    void Draw(QPainter& painter);
    /// Renders the gamut image of window type nType (−1 the widget's own, 0 to 4 a slot) and marks a slot
    /// ready; other types build nothing.
    void GetChromaticityBmp(int nType);
    /// Stores nCount chromaticities (as widget pixels) with four colour bytes, replacing an earlier set;
    /// false for a null array or a negative count. Painting does not draw them.
    bool DrawStaticPiexl(
        QPointF* pPoints, int nCount, uchar ucColor0, uchar ucColor1, uchar ucColor2, uchar ucColor3);
    /// Draws the spectral-locus outline.
    void DrawBorder(QPainter& painter);
    /// Draws the 0.1 grid with its axis labels.
    void DrawHexCoorDialog(QPainter& painter);
    /// Draws the x and y read-out of the selected point, or of the mouse, when it lies in the locus.
    void DrawTipsString(QPainter& painter);
    /// Draws the crosshair at the mouse, or at the selected movable point, when the mouse lies in the locus.
    void DrawCrossLine(QPainter& painter);
    /// Draws the daylight locus from 4000 K to 15000 K with ticks at 4000, 6500 and 12000 K.
    void DrawCCTLine(QPainter& painter);
    /// Draws the temperature label nCCT (in K) beside widget pixel pt; fUnused is ignored.
    void DrawCCTLineString(QPainter& painter, float fUnused, QPointF pt, int nCCT);
    /// Draws the triangle and markers of every visible group.
    void DrawChromTriangle(QPainter& painter);
    /// Draws the legend of the groups that show a note, with the coverage ratio for key 512.
    void DrawChromNote(QPainter& painter);

signals:
    /// Emitted synchronously during a drag after point nPointIndex (0 to 3) of group nGroupIndex
    /// moved; bSuccessed arrives false, and the host sets it true to keep the position (connect
    /// directly, not queued). A rejected colour point goes to the point set by SetNearstPoint.
    void OnPositionChangeSignal(int nGroupIndex, int nPointIndex, bool& bSuccessed);

public slots:
    /// Stops the worker and waits for it; connected to its RunOver.
    void OnGamutThreadRunOver();

protected:
    /// Paints with Draw.
    void paintEvent(QPaintEvent* event) override;
    /// Selects the marker under the mouse; a movable one starts a drag.
    void mousePressEvent(QMouseEvent* event) override;
    /// Drags the selected point, asking the host through OnPositionChangeSignal, or tracks the hover.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Ends a drag.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Forgets the hovered point when the mouse leaves.
    void leaveEvent(QEvent* event) override;
    /// Tab/Shift+Tab select the next or previous movable point; arrows move it (Shift: 10×).
    void keyPressEvent(QKeyEvent* event) override;
    /// Keeps Tab inside the diagram while a movable point is left to select.
    bool focusNextPrevChild(bool bNext) override;
    /// Translates the accessible name when the language changes.
    void changeEvent(QEvent* event) override;

private:
    friend struct SChromaWndAccess;

    const QImage* CurrentGamutImage();
    // The host is asked about the step the editor has just made.
    void OfferStep();
    void RetranslateUi();
    // The legend's coverage sentence, for screen readers.
    void UpdateAccessibleDescription();

    std::unique_ptr<CChromaDiagram> m_pDiagram;
    // The worker is a child object; the widget stops it before freeing the slots.
    CChromaGamutThread* m_pGamutThread = nullptr;
    // The widget's own gamut image (window type −1), rebuilt after a size change.
    QImage m_imageOwn;
    QRect m_rcOwnImageBounds;
    bool m_bOwnImageStale = true;
    std::unique_ptr<SChromaWndBitmap[]> m_pWndBitmap;
};
