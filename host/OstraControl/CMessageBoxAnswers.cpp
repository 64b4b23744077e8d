#include "CMessageBoxAnswers.h"

#include "CCustomMessageBox.h"

#include <QQueue>

namespace {

struct SAnswerState
{
    bool bInstalled = false;
    QQueue<int> queAnswers;
    int nDefaultAnswer = CCustomMessageBox::AnswerNo;
    QList<CMessageBoxAnswers::SShownMessage> vecShown;
};

SAnswerState& State()
{
    static SAnswerState s_state;
    return s_state;
}

// Answer of a box whose only button is nButton.
int SingleButtonAnswer(int nButtons)
{
    switch (nButtons) {
    case CCustomMessageBox::ButtonYes:
        return CCustomMessageBox::AnswerYes;
    case CCustomMessageBox::ButtonNo:
        return CCustomMessageBox::AnswerNo;
    case CCustomMessageBox::ButtonCancel:
        return CCustomMessageBox::AnswerCancel;
    default:
        return CCustomMessageBox::AnswerOk;
    }
}

} // namespace

void CMessageBoxAnswers::Install()
{
    State().bInstalled = true;
}

void CMessageBoxAnswers::Uninstall()
{
    State() = SAnswerState();
}

bool CMessageBoxAnswers::IsInstalled()
{
    return State().bInstalled;
}

void CMessageBoxAnswers::Enqueue(int nAnswer)
{
    State().queAnswers.enqueue(nAnswer);
}

int CMessageBoxAnswers::PendingCount()
{
    return State().queAnswers.size();
}

void CMessageBoxAnswers::SetDefaultAnswer(int nAnswer)
{
    State().nDefaultAnswer = nAnswer;
}

int CMessageBoxAnswers::DefaultAnswer()
{
    return State().nDefaultAnswer;
}

QList<CMessageBoxAnswers::SShownMessage> CMessageBoxAnswers::Shown()
{
    return State().vecShown;
}

QStringList CMessageBoxAnswers::ShownTexts()
{
    QStringList vecTexts;
    for (const SShownMessage& sMessage : State().vecShown)
        vecTexts << sMessage.strText;
    return vecTexts;
}

void CMessageBoxAnswers::ClearShown()
{
    State().vecShown.clear();
}

int CMessageBoxAnswers::Answer(enKind nKind, const QString& strText, int nButtons)
{
    SAnswerState& sState = State();
    const int nOffered = nButtons & CCustomMessageBox::ButtonMask;
    const bool bChoice = (nOffered & (nOffered - 1)) != 0;
    int nAnswer = SingleButtonAnswer(nOffered);
    if (bChoice)
        nAnswer = sState.queAnswers.isEmpty() ? sState.nDefaultAnswer : sState.queAnswers.dequeue();
    sState.vecShown.append({nKind, strText, nAnswer});
    return nAnswer;
}
