#include "CCustomComboBox.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

CCustomComboBox::CCustomComboBox(QWidget* pParent)
    : QPushButton(pParent)
{
    // A box that only opens its menu must never take Enter from the dialog's OK.
    setAutoDefault(false);
    setDefault(false);
}

CCustomComboBox::~CCustomComboBox() = default;

void CCustomComboBox::SetMenu(QMenu* pMenu, bool bMatchWidth, bool bCheckable, bool bShowText)
{
    if (m_pMenu)
        disconnect(m_pMenu, nullptr, this, nullptr);
    m_pMenu = pMenu;
    m_bMatchWidth = bMatchWidth;
    m_bCheckable = bCheckable;
    m_bShowText = bShowText;
    m_nCurrentIndex = -1;
    setMenu(pMenu);
    if (!pMenu)
        return;
    connect(pMenu, &QMenu::triggered, this, &CCustomComboBox::OnMenuTriggered);
    connect(pMenu, &QMenu::aboutToShow, this, &CCustomComboBox::OnMenuAboutToShow);
}

bool CCustomComboBox::SetItemChecked(int nIndex)
{
    if (!ItemAt(nIndex))
        return false;
    MarkCurrent(nIndex);
    return true;
}

bool CCustomComboBox::ActivateIndex(int nIndex)
{
    QAction* pAction = ItemAt(nIndex);
    if (!pAction || !pAction->isEnabled() || !pAction->isVisible() || !isEnabled())
        return false;
    // The menu relays its entries' triggers, so its own listeners hear this too.
    pAction->trigger();
    return true;
}

QString CCustomComboBox::CurrentText() const
{
    const QAction* pAction = ItemAt(m_nCurrentIndex);
    return pAction ? pAction->text() : QString();
}

int CCustomComboBox::Count() const
{
    if (!m_pMenu)
        return 0;
    const QList<QAction*> vecActions = m_pMenu->actions();
    return static_cast<int>(std::count_if(
        vecActions.begin(), vecActions.end(), [](QAction* pAction) { return !pAction->isSeparator(); }));
}

QAction* CCustomComboBox::ItemAt(int nIndex) const
{
    if (!m_pMenu || nIndex < 0)
        return nullptr;
    for (QAction* pAction : m_pMenu->actions()) {
        if (pAction->isSeparator())
            continue;
        if (nIndex-- == 0)
            return pAction;
    }
    return nullptr;
}

int CCustomComboBox::IndexOf(const QAction* pAction) const
{
    if (!m_pMenu)
        return -1;
    int nIndex = 0;
    for (const QAction* pEntry : m_pMenu->actions()) {
        if (pEntry->isSeparator())
            continue;
        if (pEntry == pAction)
            return nIndex;
        ++nIndex;
    }
    return -1;
}

void CCustomComboBox::MarkCurrent(int nIndex)
{
    m_nCurrentIndex = nIndex;
    UpdateCheckMarks();
    if (m_bShowText)
        setText(ItemAt(nIndex)->text());
}

void CCustomComboBox::UpdateCheckMarks()
{
    if (!m_bCheckable)
        return;
    int nEntry = 0;
    for (QAction* pAction : m_pMenu->actions()) {
        if (pAction->isSeparator())
            continue;
        pAction->setCheckable(true);
        pAction->setChecked(nEntry++ == m_nCurrentIndex);
    }
}

void CCustomComboBox::OnMenuTriggered(QAction* pAction)
{
    // Entries of a submenu arrive here too; they are not positions of this box.
    const int nIndex = IndexOf(pAction);
    if (nIndex < 0)
        return;
    MarkCurrent(nIndex);
    emit Activated(nIndex);
}

void CCustomComboBox::OnMenuAboutToShow()
{
    if (m_bMatchWidth)
        m_pMenu->setMinimumWidth(width());
    // Entries added since the last choice get their check box too; the
    // button text stays, the caller may have set its own.
    UpdateCheckMarks();
}
