#include "ChromaGamutInterpolation.h"

#include "CIE1931Observer.h"
#include "LineEx.h"
#include "Polygon.h"

#include <Common/Assert.h>
#include <Maths/Matrix>

#include <array>

namespace {
// Chromaticity of one observer row, or false when the row has no meaningful one.
bool RowChromaticity(const double* pRow, float& fX, float& fY)
{
    const float fTristimulusX = float(pRow[1]), fTristimulusY = float(pRow[2]),
                fTristimulusZ = float(pRow[3]);
    if (!(fTristimulusX >= 0.0f) || !(fTristimulusY > 0.0f) || !(fTristimulusZ >= 0.0f))
        return false;
    const float fSum = fTristimulusX + fTristimulusY + fTristimulusZ;
    const float x = fTristimulusX / fSum;
    if (!(x >= 0.0f && x < 1.0f))
        return false;
    const float y = fTristimulusY / fSum;
    if (!(double(y) > 0.00001 && y <= 1.0f))
        return false;
    fX = x;
    fY = y;
    return true;
}
} // namespace

CChromaGamutInterpolation::CChromaGamutInterpolation()
{
    CMatrix<double> matrix(g_nCIE1931ObserverRows, g_nCIE1931ObserverCols);
    FillCIE1931Observer(matrix);

    // A rejected row repeats the previous point, so every wavelength keeps a slot.
    QVector<QPointF> vecLocus;
    vecLocus.reserve(g_nCIE1931ObserverRows);
    float fX = 0.0f, fY = 0.0f;
    for (int nRow = 0; nRow < g_nCIE1931ObserverRows; ++nRow) {
        RowChromaticity(matrix[nRow], fX, fY);
        vecLocus.append(QPointF(fX, fY));
    }

    CPolygon hull(vecLocus);
    hull.GrahamScan();
    m_vecCIEPolygon = hull.GetPolygon();
}

QList<CPointEx<float>>& CChromaGamutInterpolation::GetData()
{
    m_listCIEPolygon.clear();
    m_listCIEPolygon.reserve(m_vecCIEPolygon.size());
    for (const QPointF& pt : m_vecCIEPolygon)
        m_listCIEPolygon.append(CPointEx<float>::FromQPointF(pt));
    return m_listCIEPolygon;
}

bool CChromaGamutInterpolation::IsPointInCIEPolygon(QPointF pt) const
{
    // Called on every mouse move: the float copy lives on the stack. A hull
    // never has more vertices than the locus has points.
    std::array<CPointEx<float>, g_nCIE1931ObserverRows> arrVertices;
    const int nCount = m_vecCIEPolygon.size();
    SENDER_ASSERT(nCount <= g_nCIE1931ObserverRows);
    for (int i = 0; i < nCount; ++i)
        arrVertices[i] = CPointEx<float>::FromQPointF(m_vecCIEPolygon[i]);
    return IsPointInPolygon(CPointEx<float>::FromQPointF(pt), arrVertices.data(), nCount);
}
