#pragma once

#include "PointEx.h"

#include <QImage>
#include <QPointF>
#include <QVector>

#include <functional>

// The colour-filled gamut image of the chromaticity diagram: white at the
// equal-energy point, running to full red, green and blue at the locus's
// extreme corners. Colours use the image's own mapping of the locus hull; the
// in-locus test uses the widget's polygon (in widget pixels), so the filled
// area matches the outline the widget draws.
struct SGamutImageInput
{
    int nWidth = 0;
    int nHeight = 0;
    const QVector<QPointF>* pHull = nullptr; // locus hull in chromaticity
    const CPointEx<float>* pPolygon = nullptr; // widget's locus polygon
    int nPolygonCount = 0;
};

// The locus as an image build needs it, held by value (the vectors are shared,
// not copied) so that a build on another thread reads its own copy.
struct SGamutLocus
{
    QVector<QPointF> vecHull; // chromaticity
    QVector<CPointEx<float>> vecPolygon; // widget pixels

    SGamutImageInput Input(int nWidth, int nHeight) const
    {
        return SGamutImageInput {nWidth, nHeight, &vecHull, vecPolygon.constData(), vecPolygon.size()};
    }
};

// One pixel at a time, exactly as the colour rule reads; the reference the
// fast build is checked against.
QImage BuildGamutImageReference(const SGamutImageInput& sInput);

// Asked between rows; true abandons the build.
using GamutCancel = std::function<bool()>;

// Byte-identical to the reference: spans per row from the polygon's edges,
// per-row constants hoisted, rows split across nThreads (0 = one per core).
// A null image when fnCancelled answered true.
QImage BuildGamutImage(const SGamutImageInput& sInput, int nThreads = 0, const GamutCancel& fnCancelled = {});

// The channel value for d / dc in [0, 1]: (int)(255 · (d / dc)^0.5) with the
// power in single precision. Exposed for tests of the lookup that replaces powf.
int GamutChannelFromRatio(float fRatio);
int GamutChannelFromRatioReference(float fRatio);
