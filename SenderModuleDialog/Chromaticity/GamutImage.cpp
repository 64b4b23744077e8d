#include "GamutImage.h"

#include "LineEx.h"

#include <Common/Assert.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

namespace {

// Lines and references of one build, in the image's own mapping.
struct SGamutFrame
{
    bool bValid = false;
    CPointEx<float> ptWhite;
    CLineEx arrLine[3]; // opposite red, green, blue
    float arrReference[3] = {};
    // Pixel rows and columns inside the mapped hull's bounding box (inclusive).
    int nFirstX = 0, nLastX = -1, nFirstY = 0, nLastY = -1;
};

SGamutFrame CalcGamutFrame(const SGamutImageInput& sInput)
{
    SGamutFrame sFrame;
    const int nWidth = sInput.nWidth, nHeight = sInput.nHeight;
    if (nWidth <= 0 || nHeight <= 0 || !sInput.pHull || sInput.pHull->isEmpty() || !sInput.pPolygon
        || sInput.nPolygonCount < 1)
        return sFrame;

    // Whole-pixel margins and a whole-number scale, unlike the widget's mapping.
    const int nMarginX = nWidth / 30;
    const int nMarginY = nHeight / 30;
    const int nScale
        = int(std::min(float(nHeight - 2 * nMarginY) / 0.9f, float(nWidth - 2 * nMarginX) / 0.8f));
    const auto Map = [&](double dX, double dY) {
        return CPointEx<float>(float(dX * nScale + nMarginX), float((nHeight - nMarginY) - nScale * dY));
    };

    const QVector<QPointF>& vecHull = *sInput.pHull;
    CPointEx<float> ptRed = Map(vecHull[0].x(), vecHull[0].y());
    CPointEx<float> ptGreen = ptRed, ptBlue = ptRed;
    float fMinX = ptRed.x, fMaxX = ptRed.x, fMinY = ptRed.y, fMaxY = ptRed.y;
    for (const QPointF& ptHull : vecHull) {
        const CPointEx<float> pt = Map(ptHull.x(), ptHull.y());
        if (pt.x > ptRed.x)
            ptRed = pt;
        if (pt.y < ptGreen.y)
            ptGreen = pt;
        if (pt.y - pt.x > ptBlue.y - ptBlue.x)
            ptBlue = pt;
        fMinX = std::min(fMinX, pt.x);
        fMaxX = std::max(fMaxX, pt.x);
        fMinY = std::min(fMinY, pt.y);
        fMaxY = std::max(fMaxY, pt.y);
    }
    sFrame.ptWhite = Map(1.0 / 3.0, 1.0 / 3.0);
    sFrame.arrLine[0] = LineThroughPoints(ptGreen, ptBlue);
    sFrame.arrLine[1] = LineThroughPoints(ptRed, ptBlue);
    sFrame.arrLine[2] = LineThroughPoints(ptRed, ptGreen);
    for (int c = 0; c < 3; ++c) {
        sFrame.arrReference[c] = PointLineDistance(sFrame.arrLine[c], sFrame.ptWhite);
        // A hull too small to span a triangle has no colours to give.
        if (!(sFrame.arrReference[c] > 0.0f) || !std::isfinite(sFrame.arrReference[c]))
            return sFrame;
    }

    // Pixels run 0 … size − 1; the box's edges count as inside.
    sFrame.nFirstX = std::max(0, int(std::ceil(fMinX)));
    sFrame.nLastX = std::min(nWidth - 1, int(std::floor(fMaxX)));
    sFrame.nFirstY = std::max(0, int(std::ceil(fMinY)));
    sFrame.nLastY = std::min(nHeight - 1, int(std::floor(fMaxY)));
    sFrame.bValid = true;
    return sFrame;
}

QImage NewTransparentImage(const SGamutImageInput& sInput)
{
    if (sInput.nWidth <= 0 || sInput.nHeight <= 0)
        return QImage();
    QImage image(sInput.nWidth, sInput.nHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The channel of a ratio in [0, 1] by table instead of powf. Ratios are
// bucketed by their top 16 bits (exponent and 7 mantissa bits): within one
// bucket the square root grows by less than 1/255 of its value, so the channel
// steps at most once, at a threshold found by bisection against powf itself.
// powf is monotonic on [0, 1], which makes the table exact.
struct SChannelTable
{
    struct SBucket
    {
        int nChannel; // at the bucket's first ratio
        float fStep; // the first ratio of the bucket with nChannel + 1, or infinity
    };
    static constexpr int BUCKET_SHIFT = 16;
    std::vector<SBucket> vecBucket;

    SChannelTable()
        : vecBucket((BitsOf(1.0f) >> BUCKET_SHIFT) + 1, SBucket {0, std::numeric_limits<float>::infinity()})
    {
        std::array<uint32_t, 256> arrStep; // arrStep[k]: bits of the smallest ratio with channel k
        arrStep[0] = 0;
        for (int k = 1; k < 256; ++k) {
            uint32_t nLow = arrStep[k - 1], nHigh = BitsOf(1.0f);
            while (nLow < nHigh) {
                const uint32_t nMiddle = nLow + (nHigh - nLow) / 2;
                if (GamutChannelFromRatioReference(FromBits(nMiddle)) >= k)
                    nHigh = nMiddle;
                else
                    nLow = nMiddle + 1;
            }
            arrStep[k] = nLow;
        }
        int k = 0;
        for (uint32_t nBucket = 0; nBucket < vecBucket.size(); ++nBucket) {
            const uint32_t nFirst = nBucket << BUCKET_SHIFT;
            while (k < 255 && arrStep[k + 1] <= nFirst)
                ++k;
            SBucket& sBucket = vecBucket[nBucket];
            sBucket.nChannel = k;
            if (k < 255 && arrStep[k + 1] >> BUCKET_SHIFT == nBucket) {
                sBucket.fStep = FromBits(arrStep[k + 1]);
                SENDER_ASSERT(k + 2 > 255 || arrStep[k + 2] >> BUCKET_SHIFT != nBucket);
            }
        }
    }

    static float FromBits(uint32_t nBits)
    {
        float f;
        std::memcpy(&f, &nBits, sizeof f);
        return f;
    }

    static uint32_t BitsOf(float f)
    {
        uint32_t nBits;
        std::memcpy(&nBits, &f, sizeof nBits);
        return nBits;
    }

    int Lookup(float fRatio) const
    {
        const SBucket& sBucket = vecBucket[BitsOf(fRatio) >> BUCKET_SHIFT];
        return sBucket.nChannel + (fRatio >= sBucket.fStep);
    }
};

const SChannelTable& ChannelTable()
{
    static const SChannelTable s_table;
    return s_table;
}

// Colours runs of one row. Each channel's ratio d / dc is computed for a block
// of pixels first (a loop the compiler turns into vector code), then looked up.
class CRowShader
{
public:
    CRowShader(const SGamutFrame& sFrame, float fY)
        : m_sTable(ChannelTable())
    {
        for (int c = 0; c < 3; ++c) {
            const CLineEx& line = sFrame.arrLine[c];
            m_arrA[c] = line.a;
            m_arrC[c] = line.c;
            m_arrRowTerm[c] = line.b * fY;
            m_arrWhiteSide[c] = line.a * sFrame.ptWhite.x + line.b * sFrame.ptWhite.y + line.c;
            m_arrNorm[c] = std::sqrt(line.a * line.a + line.b * line.b);
            m_arrReference[c] = sFrame.arrReference[c];
        }
    }

    void ShadeRun(int nFrom, int nTo, QRgb* pLine)
    {
        for (int nX0 = nFrom; nX0 <= nTo; nX0 += BLOCK) {
            for (int c = 0; c < 3; ++c)
                CalcRatios(c, nX0);
            const int nCount = std::min(BLOCK, nTo - nX0 + 1);
            for (int i = 0; i < nCount; ++i) {
                pLine[nX0 + i] = qRgb(m_sTable.Lookup(m_arrRatio[0][i]), m_sTable.Lookup(m_arrRatio[1][i]),
                    m_sTable.Lookup(m_arrRatio[2][i]));
            }
        }
    }

private:
    static constexpr int BLOCK = 64;

    // A whole block every time, past the run's end too: a fixed trip count vectorises.
    void CalcRatios(int c, int nX0)
    {
        const float fA = m_arrA[c], fC = m_arrC[c], fRowTerm = m_arrRowTerm[c];
        const float fWhiteSide = m_arrWhiteSide[c], fNorm = m_arrNorm[c], fReference = m_arrReference[c];
        float* pRatio = m_arrRatio[c];
        for (int i = 0; i < BLOCK; ++i) {
            // Same operations in the same order as the line kernel, so the
            // results agree bit for bit. Beyond the reference distance the
            // channel is full, which the ratio 1 gives too.
            const float fSide = fA * float(nX0 + i) + fRowTerm + fC;
            const float fDistance = std::fabs(fSide) / fNorm;
            const float fRatio = std::min(fDistance / fReference, 1.0f);
            pRatio[i] = fWhiteSide * fSide > 0.0f ? fRatio : 0.0f;
        }
    }

    const SChannelTable& m_sTable;
    float m_arrA[3], m_arrC[3], m_arrRowTerm[3], m_arrWhiteSide[3], m_arrNorm[3], m_arrReference[3];
    float m_arrRatio[3][BLOCK];
};

// For each row of the box, the polygon vertices i whose edge (i − 1, i) or
// whose own position may matter to that row, in ascending order: a walk over
// all vertices on every row would cost more than the row's pixels.
struct SRowVertices
{
    int nFirstY = 0;
    std::vector<int> vecStart; // row r − nFirstY: vecIndex[vecStart[r] … vecStart[r + 1])
    std::vector<int> vecIndex;

    SRowVertices(const SGamutImageInput& sInput, int nFirstRow, int nLastRow)
        : nFirstY(nFirstRow)
        , vecStart(size_t(std::max(0, nLastRow - nFirstRow + 1)) + 1, 0)
    {
        const int nCount = sInput.nPolygonCount;
        std::vector<std::pair<int, int>> vecRange(size_t(std::max(0, nCount)), {0, -1});
        for (int i = 0, j = nCount - 1; i < nCount; j = i++) {
            const float fYi = sInput.pPolygon[i].y, fYj = sInput.pPolygon[j].y;
            // Edge rows lie in (lower end, upper end]; a vertex counts within
            // the tolerance of its row. One row more on each side is plenty.
            const float fLow = std::floor(std::min(fYi, fYj)), fHigh = std::floor(std::max(fYi, fYj)) + 1.0f;
            if (!(fLow <= float(nLastRow)) || !(fHigh >= float(nFirstRow)))
                continue; // also for coordinates that are no number
            vecRange[i] = {int(std::max(fLow, float(nFirstRow))), int(std::min(fHigh, float(nLastRow)))};
            for (int r = vecRange[i].first; r <= vecRange[i].second; ++r)
                ++vecStart[size_t(r - nFirstRow) + 1];
        }
        for (size_t r = 1; r < vecStart.size(); ++r)
            vecStart[r] += vecStart[r - 1];
        vecIndex.resize(size_t(vecStart.back()));
        std::vector<int> vecFill(vecStart.begin(), vecStart.end() - 1);
        for (int i = 0; i < nCount; ++i) {
            for (int r = vecRange[i].first; r <= vecRange[i].second; ++r)
                vecIndex[size_t(vecFill[size_t(r - nFirstRow)]++)] = i;
        }
    }
};

// The columns of one row that the even-odd test with vertex tolerance calls
// inside, as the test itself would answer them pixel by pixel.
class CRowSpans
{
public:
    CRowSpans(const SGamutImageInput& sInput, const SRowVertices& sRows)
        : m_pPolygon(sInput.pPolygon)
        , m_nCount(sInput.nPolygonCount)
        , m_sRows(sRows)
    {
        m_vecThreshold.reserve(m_nCount);
    }

    void SetRow(int nY, int nLastX)
    {
        const float fY = float(nY);
        m_vecThreshold.clear();
        m_vecVertexX.clear();
        const float fLimit = float(nLastX + 1);
        const size_t nRow = size_t(nY - m_sRows.nFirstY);
        for (int k = m_sRows.vecStart[nRow]; k < m_sRows.vecStart[nRow + 1]; ++k) {
            const int i = m_sRows.vecIndex[size_t(k)];
            const CPointEx<float>& vi = m_pPolygon[i];
            const CPointEx<float>& vj = m_pPolygon[i == 0 ? m_nCount - 1 : i - 1];
            if (std::fabs(fY - vi.y) < g_fVertexTolerance)
                m_vecVertexX.push_back(vi.x);
            if (!((fY > vi.y && vj.y >= fY) || (fY > vj.y && vi.y >= fY)))
                continue;
            const float fEdgeX = vi.x + (fY - vi.y) / (vj.y - vi.y) * (vj.x - vi.x);
            // The edge flips the parity for x > fEdgeX and x ≥ the lower end.
            const float fAbove = std::min(std::floor(fEdgeX) + 1.0f, fLimit);
            const float fFrom = std::min(std::ceil(std::min(vi.x, vj.x)), fLimit);
            m_vecThreshold.push_back(int(std::max(std::max(fAbove, fFrom), -1.0f)));
        }
        std::sort(m_vecThreshold.begin(), m_vecThreshold.end());
    }

    // Calls fn(first, last) for each inside run within [nFirstX, nLastX].
    template <typename Fn> void ForEachRun(int nFirstX, int nLastX, Fn fn) const
    {
        const int nThresholds = int(m_vecThreshold.size());
        for (int k = 0; k < nThresholds; k += 2) {
            const int nFrom = std::max(nFirstX, m_vecThreshold[k]);
            const int nTo = std::min(nLastX, k + 1 < nThresholds ? m_vecThreshold[k + 1] - 1 : nLastX);
            if (nFrom <= nTo)
                fn(nFrom, nTo);
        }
        // Pixels within the tolerance of a vertex count even outside the rule.
        for (float fVertexX : m_vecVertexX) {
            const int nX = int(std::lround(fVertexX));
            if (nX >= nFirstX && nX <= nLastX && std::fabs(float(nX) - fVertexX) < g_fVertexTolerance
                && !InRun(nX))
                fn(nX, nX);
        }
    }

private:
    bool InRun(int nX) const
    {
        const auto it = std::upper_bound(m_vecThreshold.begin(), m_vecThreshold.end(), nX);
        return (it - m_vecThreshold.begin()) % 2 == 1;
    }

    const CPointEx<float>* m_pPolygon;
    int m_nCount;
    const SRowVertices& m_sRows;
    std::vector<int> m_vecThreshold;
    std::vector<float> m_vecVertexX;
};

// Every row of the image in blocks of rows, block nBlock, nBlock + nBlockStep, …
// Each row is cleared to transparent while it is hot in the cache and then
// coloured, so that no pixel crosses the memory bus twice.
void BuildRows(const SGamutImageInput& sInput, const SGamutFrame& sFrame, const SRowVertices& sRows,
    uchar* pBits, qsizetype nStride, int nBlock, int nBlockStep, const GamutCancel& fnCancelled,
    std::atomic<bool>& bCancelled)
{
    constexpr int ROWS_PER_BLOCK = 16;
    const size_t nRowBytes = size_t(sInput.nWidth) * sizeof(QRgb);
    CRowSpans spans(sInput, sRows);
    for (int nRow0 = nBlock * ROWS_PER_BLOCK; nRow0 < sInput.nHeight; nRow0 += nBlockStep * ROWS_PER_BLOCK) {
        const int nRowEnd = std::min(sInput.nHeight - 1, nRow0 + ROWS_PER_BLOCK - 1);
        for (int nY = nRow0; nY <= nRowEnd; ++nY) {
            if (fnCancelled && (bCancelled.load(std::memory_order_relaxed) || fnCancelled())) {
                bCancelled.store(true, std::memory_order_relaxed);
                return;
            }
            QRgb* pLine = reinterpret_cast<QRgb*>(pBits + nStride * nY);
            std::memset(pLine, 0, nRowBytes);
            if (!sFrame.bValid || nY < sFrame.nFirstY || nY > sFrame.nLastY)
                continue;
            spans.SetRow(nY, sFrame.nLastX);
            CRowShader shader(sFrame, float(nY));
            spans.ForEachRun(sFrame.nFirstX, sFrame.nLastX,
                [&](int nFrom, int nTo) { shader.ShadeRun(nFrom, nTo, pLine); });
        }
    }
}

} // namespace

int GamutChannelFromRatioReference(float fRatio)
{
    return int(255.0f * std::pow(fRatio, 0.5f));
}

int GamutChannelFromRatio(float fRatio)
{
    return ChannelTable().Lookup(std::clamp(fRatio, 0.0f, 1.0f));
}

QImage BuildGamutImageReference(const SGamutImageInput& sInput)
{
    QImage image = NewTransparentImage(sInput);
    const SGamutFrame sFrame = CalcGamutFrame(sInput);
    if (!sFrame.bValid || image.isNull())
        return image;

    for (int nY = sFrame.nFirstY; nY <= sFrame.nLastY; ++nY) {
        QRgb* pLine = reinterpret_cast<QRgb*>(image.scanLine(nY));
        for (int nX = sFrame.nFirstX; nX <= sFrame.nLastX; ++nX) {
            const CPointEx<float> pt {float(nX), float(nY)};
            if (!IsPointInPolygon(pt, sInput.pPolygon, sInput.nPolygonCount))
                continue;
            int arrChannel[3];
            for (int c = 0; c < 3; ++c) {
                const CLineEx& line = sFrame.arrLine[c];
                if (!SameSideOfLine(line, pt, sFrame.ptWhite)) {
                    arrChannel[c] = 0;
                    continue;
                }
                const float fDistance = PointLineDistance(line, pt);
                const float fReference = sFrame.arrReference[c];
                arrChannel[c]
                    = fDistance > fReference ? 255 : GamutChannelFromRatioReference(fDistance / fReference);
            }
            pLine[nX] = qRgb(arrChannel[0], arrChannel[1], arrChannel[2]);
        }
    }
    return image;
}

QImage BuildGamutImage(const SGamutImageInput& sInput, int nThreads, const GamutCancel& fnCancelled)
{
    if (sInput.nWidth <= 0 || sInput.nHeight <= 0)
        return QImage();
    // Left unfilled: the rows clear themselves.
    QImage image(sInput.nWidth, sInput.nHeight, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const SGamutFrame sFrame = CalcGamutFrame(sInput);
    ChannelTable(); // built once, before the workers share it
    // Detach once here: the workers write disjoint rows through the raw bits.
    uchar* pBits = image.bits();
    const qsizetype nStride = image.bytesPerLine();

    if (nThreads <= 0)
        nThreads = int(std::max(1u, std::thread::hardware_concurrency()));
    // Thread start-up outweighs the work on small images.
    nThreads = std::clamp(nThreads, 1, std::max(1, sInput.nHeight / 64));

    const SRowVertices sRows(sInput, sFrame.nFirstY, sFrame.bValid ? sFrame.nLastY : sFrame.nFirstY - 1);
    std::atomic<bool> bCancelled {false};
    std::vector<std::thread> vecWorkers;
    for (int t = 1; t < nThreads; ++t) {
        vecWorkers.emplace_back(BuildRows, std::cref(sInput), std::cref(sFrame), std::cref(sRows), pBits,
            nStride, t, nThreads, std::cref(fnCancelled), std::ref(bCancelled));
    }
    BuildRows(sInput, sFrame, sRows, pBits, nStride, 0, nThreads, fnCancelled, bCancelled);
    for (std::thread& worker : vecWorkers)
        worker.join();
    return bCancelled.load() ? QImage() : image;
}
