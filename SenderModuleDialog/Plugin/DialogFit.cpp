#include "DialogFit.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLayout>

void FixSizeForText(QWidget* pWidget, int nWidth, int nHeight)
{
    pWidget->ensurePolished();
    int nNeeded = pWidget->sizeHint().width();
    if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget)) {
        // A label's hint counts its margins; its text alone must fit the contents.
        const QMargins margins = pLabel->contentsMargins();
        nNeeded = pLabel->fontMetrics().horizontalAdvance(pLabel->text()) + margins.left() + margins.right()
            + 2 * pLabel->margin();
    }
    pWidget->setFixedSize(qMax(nWidth, nNeeded), nHeight);
}

void FixDialogSize(QDialog* pDialog, const QSize& size)
{
    int nWidth = size.width();
    if (QLayout* pLayout = pDialog->layout()) {
        pLayout->activate();
        nWidth = qMax(nWidth, pLayout->minimumSize().width());
    }
    pDialog->setFixedSize(nWidth, size.height());
}
