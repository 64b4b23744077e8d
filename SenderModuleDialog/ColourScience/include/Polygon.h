#pragma once

#include "SenderModuleDialogExport.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QVector>

// A planar polygon in chromaticity coordinates: convex hull of a point set and
// pulling an outside point onto, and a hair inside, the boundary.
class SENDERMODULEDIALOG_EXPORT CPolygon
{
public:
    CPolygon();
    explicit CPolygon(const QPolygonF& polygon);
    // The closed outline: five points, the first repeated at the end.
    explicit CPolygon(const QRectF& rect);
    // n points at the origin.
    explicit CPolygon(int n);
    // Also the input of GrahamScan.
    explicit CPolygon(const QVector<QPointF>& vecPoints);

    const QPolygonF& GetPolygon() const { return m_polygon; }

    // Turn directions never disagree; collinear triples are ignored.
    bool IsConvex() const;
    // p moved 0.00001 along the line towards ptToward (unchanged when that line is vertical).
    QPointF MakePointCloser(const QPointF& p, const QPointF& ptToward) const;
    // Moves an outside *pt to the boundary crossed on its way to the centroid;
    // false when no edge is crossed.
    bool GetPointCloser2Convex(QPointF* pt) const;
    // Moves an outside *pt to the nearest vertex or edge foot; always true.
    bool GetPointCloser2Concave(QPointF* pt) const;
    bool GetPointCloser(QPointF* pt) const;
    // Replaces the vertices by their convex hull, counter-clockwise (y up),
    // starting at the lowest point.
    void GrahamScan();

private:
    QPointF VertexCentroid() const;

    QPolygonF m_polygon;
    QVector<QPointF> m_vecScanPoint;
};
