#pragma once

#include "OstraControlExport.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// Modal message boxes of the host. Button sets and the default button are
// masks of enButton; the result is an enAnswer.
class OSTRACONTROL_EXPORT CCustomMessageBox
{
    Q_DECLARE_TR_FUNCTIONS(CCustomMessageBox)

public:
    enum enButton
    {
        ButtonOk = 0x1,
        ButtonYes = 0x2,
        ButtonNo = 0x4,
        ButtonCancel = 0x8,
        ButtonMask = 0xf,
    };
    enum enAnswer
    {
        AnswerOk = 1,
        AnswerYes = 2,
        AnswerNo = 3,
        AnswerCancel = 4,
    };

    // One-button notice. nTimeoutMs closes the box by itself after that many
    // milliseconds (as if confirmed); 0, a negative value or INT_MAX waits.
    static int information(QWidget* pParent, const QString& strText, int nButtons = ButtonOk,
        int nDefaultButton = ButtonOk, int nTimeoutMs = 2147483647);

    // Question. A default button that is not offered gives the focus to the
    // most cautious button shown (Cancel, else No); closing the box answers
    // as that button would.
    static int question(QWidget* pParent, const QString& strText, int nButtons = ButtonYes | ButtonNo,
        int nDefaultButton = ButtonNo);
};
