#include "GamutImage.h"

#include "LineEx.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// thr[k] is the smallest ratio whose channel is at least k. powf is monotonic
// on [0, 1], so a lookup gives powf's exact truncated results without calling it.
struct SChannelTable
{
    std::array<float, 256> arrThreshold;

    SChannelTable()
    {
        arrThreshold[0] = 0.0f;
        for (int k = 1; k < 256; ++k) {
            uint32_t nLow = 0, nHigh = 0x3f800000u; // bit patterns of 0.0f and 1.0f
            while (nLow < nHigh) {
                const uint32_t nMiddle = nLow + (nHigh - nLow) / 2;
                if (GamutChannelFromRatioReference(FromBits(nMiddle)) >= k)
                    nHigh = nMiddle;
                else
                    nLow = nMiddle + 1;
            }
            arrThreshold[k] = FromBits(nLow);
        }
    }

    static float FromBits(uint32_t nBits)
    {
        float f;
        std::memcpy(&f, &nBits, sizeof f);
        return f;
    }

    int Lookup(float fRatio) const
    {
        int k = std::clamp(int(255.0f * std::sqrt(fRatio)), 0, 255);
        while (k < 255 && fRatio >= arrThreshold[k + 1])
            ++k;
        while (k > 0 && fRatio < arrThreshold[k])
            --k;
        return k;
    }
};

const SChannelTable& ChannelTable()
{
    static const SChannelTable s_table;
    return s_table;
}

// Per-pixel colour with the line values of this row already known.
struct SRowShader
{
    const SGamutFrame& sFrame;
    const SChannelTable& sTable;
    float arrRowTerm[3]; // b · y of each line
    float arrWhiteSide[3]; // a · x + b · y + c at the white point
    float arrNorm[3];

    SRowShader(const SGamutFrame& sGamutFrame, float fY)
        : sFrame(sGamutFrame)
        , sTable(ChannelTable())
    {
        for (int c = 0; c < 3; ++c) {
            const CLineEx& line = sFrame.arrLine[c];
            arrRowTerm[c] = line.b * fY;
            arrWhiteSide[c] = line.a * sFrame.ptWhite.x + line.b * sFrame.ptWhite.y + line.c;
            arrNorm[c] = std::sqrt(line.a * line.a + line.b * line.b);
        }
    }

    QRgb Shade(float fX) const
    {
        int arrChannel[3];
        for (int c = 0; c < 3; ++c) {
            const CLineEx& line = sFrame.arrLine[c];
            // Same operation order as the line kernel, so the results agree bit for bit.
            const float fSide = line.a * fX + arrRowTerm[c] + line.c;
            if (!(arrWhiteSide[c] * fSide > 0.0f)) {
                arrChannel[c] = 0;
                continue;
            }
            const float fDistance = std::fabs(fSide) / arrNorm[c];
            arrChannel[c] = fDistance > sFrame.arrReference[c]
                ? 255
                : sTable.Lookup(fDistance / sFrame.arrReference[c]);
        }
        return qRgb(arrChannel[0], arrChannel[1], arrChannel[2]);
    }
};

// The columns of one row that the even-odd test with vertex tolerance calls
// inside, as the test itself would answer them pixel by pixel.
class CRowSpans
{
public:
    explicit CRowSpans(const SGamutImageInput& sInput)
        : m_pPolygon(sInput.pPolygon)
        , m_nCount(sInput.nPolygonCount)
    {
        m_vecThreshold.reserve(m_nCount);
    }

    void SetRow(float fY, int nLastX)
    {
        m_vecThreshold.clear();
        m_vecVertexX.clear();
        const float fLimit = float(nLastX + 1);
        for (int i = 0, j = m_nCount - 1; i < m_nCount; j = i++) {
            const CPointEx<float>& vi = m_pPolygon[i];
            const CPointEx<float>& vj = m_pPolygon[j];
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
    std::vector<int> m_vecThreshold;
    std::vector<float> m_vecVertexX;
};

void BuildRows(const SGamutImageInput& sInput, const SGamutFrame& sFrame, uchar* pBits, qsizetype nStride,
    int nBlock, int nBlockStep)
{
    constexpr int ROWS_PER_BLOCK = 16;
    CRowSpans spans(sInput);
    for (int nRow0 = sFrame.nFirstY + nBlock * ROWS_PER_BLOCK; nRow0 <= sFrame.nLastY;
         nRow0 += nBlockStep * ROWS_PER_BLOCK) {
        const int nRowEnd = std::min(sFrame.nLastY, nRow0 + ROWS_PER_BLOCK - 1);
        for (int nY = nRow0; nY <= nRowEnd; ++nY) {
            const float fY = float(nY);
            spans.SetRow(fY, sFrame.nLastX);
            const SRowShader shader(sFrame, fY);
            QRgb* pLine = reinterpret_cast<QRgb*>(pBits + nStride * nY);
            spans.ForEachRun(sFrame.nFirstX, sFrame.nLastX, [&](int nFrom, int nTo) {
                for (int nX = nFrom; nX <= nTo; ++nX)
                    pLine[nX] = shader.Shade(float(nX));
            });
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
    return ChannelTable().Lookup(fRatio);
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

QImage BuildGamutImage(const SGamutImageInput& sInput, int nThreads)
{
    QImage image = NewTransparentImage(sInput);
    const SGamutFrame sFrame = CalcGamutFrame(sInput);
    if (!sFrame.bValid || image.isNull())
        return image;

    ChannelTable(); // built once, before the workers share it
    // Detach once here: the workers write disjoint rows through the raw bits.
    uchar* pBits = image.bits();
    const qsizetype nStride = image.bytesPerLine();

    const int nRows = sFrame.nLastY - sFrame.nFirstY + 1;
    if (nThreads <= 0)
        nThreads = int(std::max(1u, std::thread::hardware_concurrency()));
    // Thread start-up outweighs the work on small images.
    nThreads = std::clamp(nThreads, 1, std::max(1, nRows / 64));

    std::vector<std::thread> vecWorkers;
    for (int t = 1; t < nThreads; ++t)
        vecWorkers.emplace_back(BuildRows, std::cref(sInput), std::cref(sFrame), pBits, nStride, t, nThreads);
    BuildRows(sInput, sFrame, pBits, nStride, 0, nThreads);
    for (std::thread& worker : vecWorkers)
        worker.join();
    return image;
}
