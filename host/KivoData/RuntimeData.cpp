#include "RuntimeData.h"

#include "HostCallLog.h"

void CRuntimeData::SetSenderCountLimits(int nWhenClear, int nWhenSet)
{
    m_nLimitWhenClear = nWhenClear;
    m_nLimitWhenSet = nWhenSet;
}

void CRuntimeData::SetCurSelectNode(SNodeSelect select)
{
    QVariantList listValues;
    for (qint32 nValue : select.nValues)
        listValues << nValue;
    CHostCallLog::Instance().Record("CRuntimeData::SetCurSelectNode", listValues);
    m_select = select;
}
