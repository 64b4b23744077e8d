#include "CIPv4Validator.h"

namespace {

constexpr int g_nGroupCount = 4;
constexpr int g_nGroupDigits = 3;

bool IsValidGroup(QStringView strGroup)
{
    if (strGroup.isEmpty() || strGroup.size() > g_nGroupDigits)
        return false;
    int nValue = 0;
    for (QChar ch : strGroup) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
        nValue = nValue * 10 + (ch.unicode() - '0');
    }
    if (strGroup.size() > 1 && strGroup.front() == QLatin1Char('0'))
        return false;
    return nValue <= 255;
}

// A group no further digit can extend.
bool IsFullGroup(QStringView strGroup)
{
    return strGroup.size() == g_nGroupDigits
        || (strGroup.size() == 1 && strGroup.front() == QLatin1Char('0'));
}

} // namespace

CIPv4Validator::CIPv4Validator(QObject* pParent)
    : QValidator(pParent)
{
}

QValidator::State CIPv4Validator::Classify(const QString& strText)
{
    if (strText.isEmpty())
        return Intermediate;
    const QStringView strView(strText);
    int nGroups = 0;
    int nStart = 0;
    while (true) {
        int nEnd = strView.indexOf(QLatin1Char('.'), nStart);
        const bool bLast = nEnd < 0;
        if (bLast)
            nEnd = strView.size();
        if (++nGroups > g_nGroupCount)
            return Invalid;
        const QStringView strGroup = strView.mid(nStart, nEnd - nStart);
        // Only the group being typed after a trailing dot may be empty.
        if (bLast && strGroup.isEmpty() && nGroups > 1)
            return Intermediate;
        if (!IsValidGroup(strGroup))
            return Invalid;
        if (bLast)
            return nGroups == g_nGroupCount ? Acceptable : Intermediate;
        nStart = nEnd + 1;
    }
}

QValidator::State CIPv4Validator::validate(QString& strInput, int& nPos) const
{
    for (int i = strInput.size() - 1; i >= 0; --i) {
        if (strInput[i].isSpace()) {
            strInput.remove(i, 1);
            if (i < nPos)
                --nPos;
        }
    }
    const State nState = Classify(strInput);
    if (nState != Invalid)
        return nState;

    // A digit just typed behind a full group opens the next group.
    if (nPos < 2 || nPos > strInput.size() || !strInput[nPos - 1].isDigit())
        return Invalid;
    const int nGroupStart = strInput.lastIndexOf(QLatin1Char('.'), nPos - 2) + 1;
    if (!IsFullGroup(QStringView(strInput).mid(nGroupStart, nPos - 1 - nGroupStart)))
        return Invalid;
    QString strAdvanced = strInput;
    strAdvanced.insert(nPos - 1, QLatin1Char('.'));
    const State nAdvanced = Classify(strAdvanced);
    if (nAdvanced == Invalid)
        return Invalid;
    strInput = strAdvanced;
    ++nPos;
    return nAdvanced;
}
