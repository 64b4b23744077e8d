#pragma once

#include <QString>
#include <QStringView>

// The one reading of dotted IPv4 text shared by the address editor, the
// plug-in's address rules and the simulated host: four groups of one to three
// decimal digits, each at most 255. Leading zeros are decimal ("010" is 10);
// shortened forms ("10.1"), octal and hex are not addresses, unlike
// QHostAddress, which reads them the way inet_aton does.
namespace IPv4Text {

enum enState
{
    StateInvalid, // no address starts like this
    StatePrefix, // the beginning of an address (the empty text included)
    StateComplete, // four complete groups
};

constexpr int g_nGroupCount = 4;
constexpr int g_nGroupDigits = 3;

// Value of one group, -1 when it is not one to three digits up to 255.
inline int GroupValue(QStringView strGroup)
{
    if (strGroup.isEmpty() || strGroup.size() > g_nGroupDigits)
        return -1;
    int nValue = 0;
    for (QChar ch : strGroup) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return -1;
        nValue = nValue * 10 + (ch.unicode() - '0');
    }
    return nValue <= 255 ? nValue : -1;
}

// Classifies strText; a complete address also gives its value (first octet
// most significant) in *pValue.
inline enState Classify(QStringView strText, quint32* pValue = nullptr)
{
    if (strText.isEmpty())
        return StatePrefix;
    quint32 uValue = 0;
    int nGroups = 0;
    int nStart = 0;
    while (true) {
        int nEnd = strText.indexOf(QLatin1Char('.'), nStart);
        const bool bLast = nEnd < 0;
        if (bLast)
            nEnd = strText.size();
        if (++nGroups > g_nGroupCount)
            return StateInvalid;
        const QStringView strGroup = strText.mid(nStart, nEnd - nStart);
        // Only the group being typed after a trailing dot may be empty.
        if (bLast && strGroup.isEmpty() && nGroups > 1)
            return StatePrefix;
        const int nGroup = GroupValue(strGroup);
        if (nGroup < 0)
            return StateInvalid;
        uValue = (uValue << 8) | static_cast<quint32>(nGroup);
        if (bLast)
            break;
        nStart = nEnd + 1;
    }
    if (nGroups != g_nGroupCount)
        return StatePrefix;
    if (pValue)
        *pValue = uValue;
    return StateComplete;
}

// True for a complete address, whose value goes to *pValue.
inline bool Parse(const QString& strText, quint32* pValue)
{
    return Classify(QStringView(strText), pValue) == StateComplete;
}

} // namespace IPv4Text
