#pragma once

/// @file
/// The spectral locus of the CIE 1931 standard observer.

#include "PointEx.h"
#include "SenderModuleDialogExport.h"

#include <QList>
#include <QPointF>
#include <QVector>

/// The boundary of all real colours in the CIE 1931 xy diagram: the spectral
/// locus closed by the line of purples, reduced to its convex hull.
class SENDERMODULEDIALOG_EXPORT CChromaGamutInterpolation
{
public:
    /// Builds the hull from the standard observer table.
    CChromaGamutInterpolation();

    /// Hull vertices as CIE 1931 (x, y), counter-clockwise (y up), starting at the lowest one; the
    /// closing edge back to the first vertex is implicit.
    const QVector<QPointF>& GetQPointFData() const { return m_vecCIEPolygon; }
    /// The same vertices in single precision, rebuilt on each call.
    QList<CPointEx<float>>& GetData();
    /// True inside the hull, or within 0.0001 of a vertex in both x and y. Allocates nothing.
    bool IsPointInCIEPolygon(QPointF pt) const;

private:
    QVector<QPointF> m_vecCIEPolygon;
    QList<CPointEx<float>> m_listCIEPolygon;
};
