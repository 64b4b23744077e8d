#pragma once

#include <QValidator>

// Lets through only text that can still become a dotted IPv4 address:
// digits and dots, at most four groups, each a number of at most three
// digits up to 255. Leading zeros stay as typed and read as decimal.
// A digit typed after a full three-digit group starts the next group; any
// other keystroke that cannot belong to an address is refused and leaves the
// text as it was. Surrounding and inner white space of pasted text is dropped.
class CIPv4Validator : public QValidator
{
    Q_OBJECT

public:
    explicit CIPv4Validator(QObject* pParent = nullptr);

    State validate(QString& strInput, int& nPos) const override;

    // Classifies without changing the text: Acceptable for four complete
    // groups, Intermediate for a beginning of one (the empty text included).
    static State Classify(const QString& strText);
};
