#include "CCustomSwitchButton.h"

#include "OstraTheme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

namespace {
constexpr int g_nAnimationMs = 120;
constexpr qreal g_dKnobInset = 2.0;
} // namespace

CCustomSwitchButton::CCustomSwitchButton(QWidget* pParent)
    : QWidget(pParent)
    , m_pAnimation(new QVariantAnimation(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pAnimation->setDuration(g_nAnimationMs);
    m_pAnimation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_pAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_dKnobPos = value.toReal();
        update();
    });
}

CCustomSwitchButton::~CCustomSwitchButton() = default;

void CCustomSwitchButton::setOpen(bool bOpen, bool bAnimated)
{
    m_bOpen = bOpen;
    m_pAnimation->stop();
    const qreal dTarget = bOpen ? 1.0 : 0.0;
    if (bAnimated && isVisible() && m_dKnobPos != dTarget) {
        m_pAnimation->setStartValue(m_dKnobPos);
        m_pAnimation->setEndValue(dTarget);
        m_pAnimation->start();
    } else {
        m_dKnobPos = dTarget;
        update();
    }
}

QSize CCustomSwitchButton::sizeHint() const
{
    return QSize(44, 22);
}

void CCustomSwitchButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF rcTrack = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal dRadius = rcTrack.height() / 2.0;
    QColor colTrack = m_bOpen ? QColor(OstraTheme::g_rgbAccent) : QColor(OstraTheme::g_rgbBorder);
    QColor colKnob(OstraTheme::g_rgbText);
    if (!isEnabled()) {
        colTrack = colTrack.darker(160);
        colKnob = QColor(OstraTheme::g_rgbTextDisabled);
    }
    painter.setPen(hasFocus() ? QPen(QColor(OstraTheme::g_rgbText), 1.0) : Qt::NoPen);
    painter.setBrush(colTrack);
    painter.drawRoundedRect(rcTrack, dRadius, dRadius);

    const qreal dKnob = rcTrack.height() - 2 * g_dKnobInset;
    const qreal dTravel = rcTrack.width() - dKnob - 2 * g_dKnobInset;
    const QRectF rcKnob(
        rcTrack.left() + g_dKnobInset + dTravel * m_dKnobPos, rcTrack.top() + g_dKnobInset, dKnob, dKnob);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colKnob);
    painter.drawEllipse(rcKnob);
}

void CCustomSwitchButton::mousePressEvent(QMouseEvent* pEvent)
{
    m_bPressed = pEvent->button() == Qt::LeftButton;
    pEvent->accept();
}

void CCustomSwitchButton::mouseReleaseEvent(QMouseEvent* pEvent)
{
    // Like a button: releasing outside the switch cancels the click.
    const bool bClick = m_bPressed && pEvent->button() == Qt::LeftButton && rect().contains(pEvent->pos());
    m_bPressed = false;
    pEvent->accept();
    if (bClick)
        Toggle();
}

void CCustomSwitchButton::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Space || pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        Toggle();
        pEvent->accept();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}

void CCustomSwitchButton::Toggle()
{
    setOpen(!m_bOpen, true);
    emit checked(m_bOpen);
}
