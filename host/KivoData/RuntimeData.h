#pragma once

#include "KivoDataExport.h"

#include <QtGlobal>

// The host's current selection in its node tree: eleven 32-bit integers.
struct SNodeSelect
{
    qint32 nValues[11] = {0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

class KIVODATA_EXPORT CRuntimeData
{
public:
    // Largest number of processors, by the sender logic's address state.
    int GetSenderCountLimit(bool bState) const { return bState ? m_nLimitWhenSet : m_nLimitWhenClear; }
    void SetSenderCountLimits(int nWhenClear, int nWhenSet);

    void SetCurSelectNode(SNodeSelect select);
    const SNodeSelect& GetCurSelectNode() const { return m_select; }
    void LoadCurSelectNode(const SNodeSelect& select) { m_select = select; } // project loading, not logged

private:
    int m_nLimitWhenClear = 20;
    int m_nLimitWhenSet = 255;
    SNodeSelect m_select;
};
