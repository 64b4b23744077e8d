#pragma once

#include "KivoDataExport.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

// One write, send or notification the plug-in made to the host. Queries are not
// logged: the log answers "what did the plug-in change?".
struct SHostCall
{
    QString strOperation;
    QVariantList listArgs;

    QString ToString() const; // "Operation(arg1, arg2)"
};

// Process-wide record of host calls, read and cleared by tests and the demo host.
class KIVODATA_EXPORT CHostCallLog
{
public:
    static CHostCallLog& Instance();

    void Record(const QString& strOperation, const QVariantList& listArgs = {});
    void Clear();

    const QVector<SHostCall>& Calls() const { return m_vecCalls; }
    bool IsEmpty() const { return m_vecCalls.isEmpty(); }
    int Count(const QString& strOperation) const;
    // The most recent call of that operation; null when there was none.
    const SHostCall* Last(const QString& strOperation) const;
    QStringList ToStrings() const;

private:
    CHostCallLog() = default;
    QVector<SHostCall> m_vecCalls;
};
