#include "CCustomMessageBox.h"

#include "CMessageBoxAnswers.h"
#include "OstraStyle.h"
#include "OstraTheme.h"

#include <QAbstractButton>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <climits>

namespace {

struct SButtonInfo
{
    int nButton;
    QMessageBox::StandardButton nStandard;
    int nAnswer;
    const char* pszText;
};

// In the order the buttons appear; the last offered of No and Cancel is
// the cautious fallback for focus and for closing the box.
const SButtonInfo g_arrButtons[] = {
    {CCustomMessageBox::ButtonOk, QMessageBox::Ok, CCustomMessageBox::AnswerOk,
        QT_TRANSLATE_NOOP("CCustomMessageBox", "确定")},
    {CCustomMessageBox::ButtonYes, QMessageBox::Yes, CCustomMessageBox::AnswerYes,
        QT_TRANSLATE_NOOP("CCustomMessageBox", "是")},
    {CCustomMessageBox::ButtonNo, QMessageBox::No, CCustomMessageBox::AnswerNo,
        QT_TRANSLATE_NOOP("CCustomMessageBox", "否")},
    {CCustomMessageBox::ButtonCancel, QMessageBox::Cancel, CCustomMessageBox::AnswerCancel,
        QT_TRANSLATE_NOOP("CCustomMessageBox", "取消")},
};

int ShowBox(QWidget* pParent, QMessageBox::Icon nIcon, const QString& strText, int nButtons,
    int nDefaultButton, int nTimeoutMs)
{
    if ((nButtons & CCustomMessageBox::ButtonMask) == 0)
        nButtons = CCustomMessageBox::ButtonOk;

    QMessageBox box(nIcon, CCustomMessageBox::tr("提示"), strText, QMessageBox::NoButton, pParent);
    box.setPalette(OstraTheme::DarkPalette());
    box.setStyleSheet(
        GetFontStyleSheet(g_labelNoFrameStyle, QStringLiteral("QLabel"), OstraTheme::g_nTextPixelSize)
        + QLatin1Char('\n')
        + GetFontStyleSheet(g_pushButtonStyle, QStringLiteral("QPushButton"), OstraTheme::g_nTextPixelSize)
        + QStringLiteral("\nQPushButton { min-width: 72px; min-height: 24px; }"));

    QPushButton* pDefault = nullptr;
    QPushButton* pCautious = nullptr;
    QPushButton* pFirst = nullptr;
    QHash<QAbstractButton*, int> mapAnswers;
    for (const SButtonInfo& sInfo : g_arrButtons) {
        if (!(nButtons & sInfo.nButton))
            continue;
        QPushButton* pButton = box.addButton(sInfo.nStandard);
        pButton->setText(CCustomMessageBox::tr(sInfo.pszText));
        mapAnswers.insert(pButton, sInfo.nAnswer);
        if (!pFirst)
            pFirst = pButton;
        if (sInfo.nButton == nDefaultButton)
            pDefault = pButton;
        if (sInfo.nButton & (CCustomMessageBox::ButtonNo | CCustomMessageBox::ButtonCancel))
            pCautious = pButton;
    }
    if (!pDefault)
        pDefault = pCautious ? pCautious : pFirst;
    box.setDefaultButton(pDefault);
    box.setEscapeButton(pCautious ? pCautious : pDefault);

    if (nTimeoutMs > 0 && nTimeoutMs < INT_MAX)
        QTimer::singleShot(nTimeoutMs, pDefault, &QPushButton::click);

    box.exec();
    QAbstractButton* pClicked = box.clickedButton();
    return mapAnswers.value(pClicked ? pClicked : box.escapeButton(), CCustomMessageBox::AnswerNo);
}

} // namespace

int CCustomMessageBox::information(
    QWidget* pParent, const QString& strText, int nButtons, int nDefaultButton, int nTimeoutMs)
{
    if (CMessageBoxAnswers::IsInstalled())
        return CMessageBoxAnswers::Answer(CMessageBoxAnswers::KindInformation, strText, nButtons);
    return ShowBox(pParent, QMessageBox::Information, strText, nButtons, nDefaultButton, nTimeoutMs);
}

int CCustomMessageBox::question(QWidget* pParent, const QString& strText, int nButtons, int nDefaultButton)
{
    if (CMessageBoxAnswers::IsInstalled())
        return CMessageBoxAnswers::Answer(CMessageBoxAnswers::KindQuestion, strText, nButtons);
    return ShowBox(pParent, QMessageBox::Question, strText, nButtons, nDefaultButton, 0);
}
