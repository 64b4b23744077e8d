#pragma once

#include <QCoreApplication>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QWidget;

// How the address rules talk to the user: a notice, and a question whose
// answer lets the user override the host's check (only answer 2 goes on).
class IAddressMessages
{
public:
    virtual ~IAddressMessages();
    virtual void Inform(const QString& strText) = 0;
    virtual int Ask(const QString& strText) = 0;
};

// The dialogs' messages: the host's message boxes over the given parent.
class CMessageBoxMessages : public IAddressMessages
{
public:
    explicit CMessageBoxMessages(QWidget* pParent);
    void Inform(const QString& strText) override;
    int Ask(const QString& strText) override;

private:
    QWidget* m_pParent;
};

// Where a suggested address is sought: next to the computer address whose
// subnet a sender reports, or simply the computer's last address.
enum enLocalPick
{
    LocalPickSenderSubnet,
    LocalPickLast,
};

// Addresses the host's specified list holds.
constexpr int g_nSpecifiedCapacity = 255;

// The processor dialogs' rules around the host's address check: screening
// typed addresses, suggesting free ones next to this computer, and adding
// runs of consecutive addresses to the host's specified list. Addresses are
// values with the first octet most significant.
class CAddressRules
{
    Q_DECLARE_TR_FUNCTIONS(CAddressRules)

public:
    using LocalAddressSource = std::function<QList<QHostAddress>()>;

    // Without a source, the process-wide default is used (see below).
    explicit CAddressRules(IAddressMessages* pMessages, LocalAddressSource localSource = {});

    // The computer's own addresses for every rule object made without a source
    // of its own; an empty source restores QNetworkInterface::allAddresses().
    static void SetDefaultLocalAddressSource(LocalAddressSource localSource);

    // Text <-> value. Only four complete decimal groups are an address
    // (leading zeros read as decimal); other text gives 0 and IsAddressText false.
    static bool IsAddressText(const QString& strText);
    static quint32 TextToValue(const QString& strText);
    static QString ValueToText(quint32 uAddress);
    // Stored entries read "address(name)".
    static QString EntryAddress(const QString& strEntry);
    static QString EntryName(const QString& strEntry);
    // An entry with an empty name gets "IP<last octet>"; others stay as they are.
    static QString WithDefaultName(const QString& strEntry);
    static QString MessageForCode(unsigned long ulCode);

    // One typed address; text that is no complete address is refused before
    // the host is asked. An in-use answer passes when the text equals
    // strOwnAddress (the entry being modified; empty: no exception).
    bool ScreenAddress(const QString& strText, const QString& strOwnAddress = QString()) const;
    // Several typed addresses checked together; one message at most. Rows
    // that are no complete address, or two rows of one address however
    // spelt, are refused before the host is asked.
    bool ScreenRows(const QStringList& listTexts) const;
    // The host's code for every row of the last ScreenRows (0: accepted).
    const QVector<unsigned long>& RowCodes() const { return m_vecRowCodes; }

    quint32 PickLocalAddress(enLocalPick nRule) const;
    // One text per row, empty for a row whose search gave up.
    QStringList SuggestAddresses(quint32 uBase, int nRows) const;
    // First free address above uBase in its /24 block; empty when none is.
    QString SuggestNextFree(quint32 uBase) const;
    // Adds up to nCount addresses from uStart (itself unscreened) with empty
    // names, then saves the list. Returns how many were added.
    int AddAddressRun(quint32 uStart, int nCount) const;

private:
    bool IsRejected(quint32 uAddress) const;

    IAddressMessages* m_pMessages;
    LocalAddressSource m_localSource;
    mutable QVector<unsigned long> m_vecRowCodes;
};

// A dialog's address rules with the message boxes they speak through; the
// dialogs hold it behind a pointer so that their headers need none of this.
struct SDialogAddressRules
{
    explicit SDialogAddressRules(QWidget* pParent)
        : m_messages(pParent)
        , m_rules(&m_messages)
    {
    }

    CMessageBoxMessages m_messages;
    CAddressRules m_rules;
};

class CCustomSpinBox;
// A count box of the adding dialogs: 1 to nMax starting at nValue. With nMax
// below 1 no count can be chosen (the box holds 0 and is disabled), whatever
// the control would make of reversed bounds. False in that case.
bool SetCountRange(CCustomSpinBox* pBox, int nMax, int nValue);
