#pragma once

/// @file
/// Convex hull and pulling points into a polygon, in chromaticity coordinates.

#include "SenderModuleDialogExport.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QVector>

/// A planar polygon in chromaticity coordinates: convex hull of a point set and
/// pulling an outside point onto, and a hair inside, the boundary.
class SENDERMODULEDIALOG_EXPORT CPolygon
{
public:
    /// No vertices.
    CPolygon();
    /// The vertices of polygon, in order; the last closes to the first.
    explicit CPolygon(const QPolygonF& polygon);
    /// The outline of rect: five points, the first repeated at the end.
    explicit CPolygon(const QRectF& rect);
    /// n points at the origin (none when n < 1).
    explicit CPolygon(int n);
    /// The points as vertices, and as the input of GrahamScan.
    explicit CPolygon(const QVector<QPointF>& vecPoints);

    /// The vertices.
    const QPolygonF& GetPolygon() const { return m_polygon; }

    /// True when the turn directions never disagree (collinear triples ignored); also below three vertices.
    bool IsConvex() const;
    /// p moved 0.00001 along the line towards ptToward (unchanged when that line is vertical).
    QPointF MakePointCloser(const QPointF& p, const QPointF& ptToward) const;
    /// Moves an outside *pt to the boundary crossed on its way to the vertex centroid, a hair
    /// inside; false when no edge is crossed. For convex polygons.
    bool GetPointCloser2Convex(QPointF* pt) const;
    /// Moves an outside *pt to the nearest vertex or edge foot, a hair inside; always true.
    bool GetPointCloser2Concave(QPointF* pt) const;
    /// GetPointCloser2Convex for a convex polygon, else GetPointCloser2Concave.
    bool GetPointCloser(QPointF* pt) const;
    /// Replaces the vertices by the convex hull of the points given to the constructor,
    /// counter-clockwise (y up), starting at the lowest point; needs three points or more.
    void GrahamScan();

private:
    QPointF VertexCentroid() const;

    QPolygonF m_polygon;
    QVector<QPointF> m_vecScanPoint;
};
