#pragma once

#include "OstraControlExport.h"

#include <QMenu>
#include <QPointer>
#include <QPushButton>

class QAction;

// A button that shows the current entry's text and opens a QMenu of entries.
// Entry positions count the menu's actions in order, separators excluded.
// The menu stays owned by whoever created it. The box is never a dialog's
// default button: Enter on it goes to the dialog.
class OSTRACONTROL_EXPORT CCustomComboBox : public QPushButton
{
    Q_OBJECT

public:
    explicit CCustomComboBox(QWidget* pParent = nullptr);
    ~CCustomComboBox() override;

    // bMatchWidth: the menu is at least as wide as the button.
    // bCheckable: the chosen entry carries a check mark (one at a time).
    // bShowText: choosing an entry shows its text on the button.
    void SetMenu(QMenu* pMenu, bool bMatchWidth, bool bCheckable, bool bShowText);
    QMenu* Menu() const { return m_pMenu; }

    // Marks entry nIndex as the current one (check mark, button text) without
    // emitting Activated. False, and nothing changes, for an absent entry.
    bool SetItemChecked(int nIndex);

    // Chooses entry nIndex as a user would from the open menu: the entry and
    // the menu report it as triggered and Activated(nIndex) follows. False,
    // and nothing happens, for an absent, hidden or disabled entry.
    bool ActivateIndex(int nIndex);

    int CurrentIndex() const { return m_nCurrentIndex; }
    // Text of the current entry; empty while none was chosen.
    QString CurrentText() const;
    int Count() const;
    QAction* ItemAt(int nIndex) const;

signals:
    void Activated(int nIndex);

private slots:
    void OnMenuTriggered(QAction* pAction);
    void OnMenuAboutToShow();

private:
    int IndexOf(const QAction* pAction) const;
    void MarkCurrent(int nIndex);
    void UpdateCheckMarks();

    QPointer<QMenu> m_pMenu;
    bool m_bMatchWidth = false;
    bool m_bCheckable = false;
    bool m_bShowText = true;
    int m_nCurrentIndex = -1;
};
