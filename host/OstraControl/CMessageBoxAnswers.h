#pragma once

#include "OstraControlExport.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers message boxes without a person, for tests and scripted runs. While
// installed, no box is shown: every box is recorded, boxes offering a choice
// (more than one button) take the next queued answer, or the default answer
// when the queue is empty; one-button boxes answer with their button.
// GUI thread only.
class OSTRACONTROL_EXPORT CMessageBoxAnswers
{
public:
    enum enKind
    {
        KindInformation,
        KindQuestion,
    };
    struct SShownMessage
    {
        enKind nKind;
        QString strText;
        int nAnswer;
    };

    static void Install();
    static void Uninstall(); // also forgets queue, record and default
    static bool IsInstalled();

    static void Enqueue(int nAnswer);
    static int PendingCount();
    // Answer for a choice when the queue is empty; No (3) unless set.
    static void SetDefaultAnswer(int nAnswer);
    static int DefaultAnswer();

    static QList<SShownMessage> Shown();
    static QStringList ShownTexts();
    static void ClearShown();

    // Called by CCustomMessageBox: records the box and gives its answer.
    static int Answer(enKind nKind, const QString& strText, int nButtons);
};
