#include "HostCallLog.h"

#include <QByteArray>

QString SHostCall::ToString() const
{
    QStringList listTexts;
    for (const QVariant& arg : listArgs) {
        if (arg.type() == QVariant::ByteArray)
            listTexts << QString::fromLatin1(arg.toByteArray().toHex(' '));
        else if (arg.type() == QVariant::List)
            listTexts << "[" + arg.toStringList().join(", ") + "]";
        else
            listTexts << arg.toString();
    }
    return strOperation + "(" + listTexts.join(", ") + ")";
}

CHostCallLog& CHostCallLog::Instance()
{
    static CHostCallLog s_log;
    return s_log;
}

void CHostCallLog::Record(const QString& strOperation, const QVariantList& listArgs)
{
    m_vecCalls.append(SHostCall {strOperation, listArgs});
}

void CHostCallLog::Clear()
{
    m_vecCalls.clear();
}

int CHostCallLog::Count(const QString& strOperation) const
{
    int nCount = 0;
    for (const SHostCall& call : m_vecCalls)
        nCount += call.strOperation == strOperation ? 1 : 0;
    return nCount;
}

const SHostCall* CHostCallLog::Last(const QString& strOperation) const
{
    for (int i = m_vecCalls.size() - 1; i >= 0; --i) {
        if (m_vecCalls[i].strOperation == strOperation)
            return &m_vecCalls[i];
    }
    return nullptr;
}

QStringList CHostCallLog::ToStrings() const
{
    QStringList listTexts;
    for (const SHostCall& call : m_vecCalls)
        listTexts << call.ToString();
    return listTexts;
}
