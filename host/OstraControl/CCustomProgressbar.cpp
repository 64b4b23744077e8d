#include "CCustomProgressbar.h"

#include "OstraStyle.h"
#include "OstraTheme.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

CCustomProgressbar::CCustomProgressbar(QWidget* pParent, bool bBusy)
    : QDialog(pParent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_pTextLabel(new QLabel(this))
    , m_pBar(new QProgressBar(this))
{
    OstraTheme::ApplyWindowLook(this);
    setWindowModality(Qt::WindowModal);
    setFixedSize(280, 72);

    m_pTextLabel->setAlignment(Qt::AlignCenter);
    m_pTextLabel->setStyleSheet(
        GetFontStyleSheet(g_labelNoFrameStyle, QStringLiteral("QLabel"), OstraTheme::g_nTextPixelSize));
    m_pBar->setRange(0, bBusy ? 0 : 100);
    m_pBar->setValue(0);
    m_pBar->setTextVisible(!bBusy);
    m_pBar->setFixedHeight(16);
    m_pBar->setStyleSheet(
        QStringLiteral("QProgressBar { color: #e6e6e6; background-color: #1e1f22; border: 1px solid #4a4d52;"
                       " border-radius: 3px; text-align: center; }\n"
                       "QProgressBar::chunk { background-color: #2f8cff; border-radius: 2px; }"));

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(16, 10, 16, 14);
    pLayout->setSpacing(8);
    pLayout->addWidget(m_pTextLabel);
    pLayout->addWidget(m_pBar);
}

CCustomProgressbar::~CCustomProgressbar() = default;

void CCustomProgressbar::SetText(const QString& strText)
{
    m_pTextLabel->setText(strText);
}

QString CCustomProgressbar::Text() const
{
    return m_pTextLabel->text();
}

void CCustomProgressbar::setValue(int nValue)
{
    if (m_pBar->maximum() > 0)
        m_pBar->setValue(std::clamp(nValue, 0, 100));
    // Callers wait by blocking the GUI thread between steps; without this
    // the window would neither appear nor move until they finish.
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int CCustomProgressbar::value() const
{
    return m_pBar->maximum() == 0 ? 0 : m_pBar->value();
}

void CCustomProgressbar::showEvent(QShowEvent* pEvent)
{
    QWidget* pOver = parentWidget() ? parentWidget()->window() : nullptr;
    if (pOver)
        move(pOver->frameGeometry().center() - rect().center());
    QDialog::showEvent(pEvent);
}
