#include "CIPv4Validator.h"

#include "Common/IPv4Text.h"

CIPv4Validator::CIPv4Validator(QObject* pParent)
    : QValidator(pParent)
{
}

QValidator::State CIPv4Validator::Classify(const QString& strText)
{
    switch (IPv4Text::Classify(QStringView(strText))) {
    case IPv4Text::StateComplete:
        return Acceptable;
    case IPv4Text::StatePrefix:
        return Intermediate;
    case IPv4Text::StateInvalid:
        break;
    }
    return Invalid;
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

    // A digit just typed behind a full group of three digits opens the next group.
    if (nPos < 2 || nPos > strInput.size() || !strInput[nPos - 1].isDigit())
        return Invalid;
    const int nGroupStart = strInput.lastIndexOf(QLatin1Char('.'), nPos - 2) + 1;
    if (nPos - 1 - nGroupStart != IPv4Text::g_nGroupDigits)
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
