#pragma once

#include <QValidator>

// Lets through only text that can still become a dotted IPv4 address:
// digits and dots, at most four groups, each a number of at most three
// digits up to 255 without a leading zero (which would read as octal).
// A digit typed after a full group ("192", "0") starts the next group.
// Surrounding and inner white space of pasted text is dropped.
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
