#include "ChromaDiagram.h"
#include "ChromaFixture.h"

#include <QtTest>

#include <cstring>
#include <random>

using namespace ChromaFixture;
using Point = CPointEx<float>;

// Random drags through the mouse protocol, the host accepting every step:
// after each step every coordinate is a number in [0, 1], every colour point
// lies in the locus and the white point in its triangle. A group that starts
// with its white point on an edge may instead stay exactly as it was.
class TestChromaProperty : public QObject
{
    Q_OBJECT

private slots:
    void randomDragsStayMeaningful()
    {
        m_diagram.SetSize(800, 600);
        for (int g = 0; g < 1000; ++g) {
            // Every fourth group has its white point on a vertical edge.
            const SChromaGroupInfo info = g % 4 == 3 ? WhiteOnVerticalEdge() : RandomValidGroup();
            QVERIFY(IsMeaningful(info) || g % 4 == 3);
            m_diagram.ReleaseChromaData();
            m_diagram.AddChromaGroupByIndex(0, info);
            const SChromaGroupInfo* pGroup = m_diagram.GetChromaGroupByIndex(0);
            for (int d = 0; d < 4; ++d) {
                const int nPoint = Below(4);
                QVERIFY(m_diagram.Press(m_diagram.ChromaToPixel(pGroup->m_ptColor[nPoint]).toPoint()));
                for (int m = 0; m < 4; ++m) {
                    // Margins included, so that drags leave the diagram too. y is drawn
                    // first, in its own step: argument order is up to the compiler.
                    const int nY = Below(600);
                    if (m_diagram.DragTo(QPoint(Below(800), nY)))
                        m_diagram.FinishDrag(true);
                    QVERIFY2(IsMeaningful(*pGroup)
                            || std::memcmp(pGroup->m_ptColor, info.m_ptColor, sizeof info.m_ptColor) == 0,
                        qPrintable(QString("group %1, drag %2").arg(g).arg(d)));
                }
                m_diagram.Release();
            }
        }
    }

private:
    // Uniform in [fLow, fHigh), the same on every standard library.
    float Uniform(float fLow, float fHigh)
    {
        return fLow + (fHigh - fLow) * float(m_engine() / 4294967296.0);
    }
    int Below(int nCount) { return int(m_engine() % unsigned(nCount)); }

    // Three primaries in the locus spanning a real triangle, white at random weights inside.
    SChromaGroupInfo RandomValidGroup()
    {
        SChromaGroupInfo info;
        Point* pt = info.m_ptColor;
        do {
            for (int i = 0; i < 3; ++i) {
                do
                    pt[i] = {Uniform(0.0f, 0.75f), Uniform(0.0f, 0.85f)};
                while (!m_diagram.IsInLocus(pt[i]));
            }
        } while (
            std::abs((pt[1].x - pt[0].x) * (pt[2].y - pt[0].y) - (pt[2].x - pt[0].x) * (pt[1].y - pt[0].y))
            <= 0.01f);
        const float fW[3] = {Uniform(0.1f, 1.0f), Uniform(0.1f, 1.0f), Uniform(0.1f, 1.0f)};
        const float fSum = fW[0] + fW[1] + fW[2];
        pt[3] = {(fW[0] * pt[0].x + fW[1] * pt[1].x + fW[2] * pt[2].x) / fSum,
            (fW[0] * pt[0].y + fW[1] * pt[1].y + fW[2] * pt[2].y) / fSum};
        return info;
    }

    bool IsMeaningful(const SChromaGroupInfo& info) const
    {
        for (int i = 0; i < 4; ++i) {
            const Point& pt = info.m_ptColor[i];
            if (!(pt.x >= 0 && pt.x <= 1 && pt.y >= 0 && pt.y <= 1) || (i < 3 && !m_diagram.IsInLocus(pt)))
                return false; // false for NaN too
        }
        return IsWhiteInside(info);
    }

    std::mt19937 m_engine {20261205};
    CChromaDiagram m_diagram;
};

QTEST_GUILESS_MAIN(TestChromaProperty)
#include "tst_chroma_property.moc"
