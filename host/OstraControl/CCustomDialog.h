#pragma once

#include "OstraControlExport.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QPushButton;

// Base of every host dialog: a dark window of fixed look. With bFrameless the
// window draws no system title bar.
//
// Keys and repeated presses, once a dialog names its buttons (SetDialogButtons):
// - OK is the default button: Enter anywhere but on another push button
//   presses it. No other push button of the dialog becomes default, and a
//   CCustomComboBox never does, named or not.
// - Escape and the window's close box press Cancel, so they give exactly
//   Cancel's result and write what Cancel writes.
// For every dialog, named buttons or not:
// - finished() is emitted once per showing: done() after the dialog finished
//   does nothing.
// - An action run through RunConfirm or RunCancel does nothing while a
//   confirming action runs (its message boxes and progress included) or after
//   the dialog finished; Escape and the close box do nothing then either.
// - Shown again, the dialog starts afresh: OK and Cancel act once more.
// Every dialog confirms and cancels through these two, so none keeps a flag
// of its own.
class OSTRACONTROL_EXPORT CCustomDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CCustomDialog(QWidget* pParent = nullptr, bool bFrameless = false);
    ~CCustomDialog() override;

    bool IsFrameless() const { return m_bFrameless; }

    void SetDialogButtons(QPushButton* pOkButton, QPushButton* pCancelButton);

    // True while a confirming action runs and after the dialog finished.
    bool IsActionBlocked() const { return m_bConfirming || m_bFinished; }

    void done(int nResult) override;
    void reject() override;

protected:
    // Runs the OK path once at a time: fnWork returns true when the dialog may
    // close accepted, which it then does (done(1), close()). Nothing runs
    // while blocked.
    void RunConfirm(const std::function<bool()>& fnWork);
    // Closes with nResult (done(nResult), close()) unless blocked.
    void RunCancel(int nResult = Rejected);

    void showEvent(QShowEvent* pEvent) override;

private:
    void UpdateDefaultButtons();

    bool m_bFrameless;
    bool m_bConfirming = false;
    bool m_bFinished = false;
    bool m_bRejecting = false;
    QPointer<QPushButton> m_pOkButton;
    QPointer<QPushButton> m_pCancelButton;
};
