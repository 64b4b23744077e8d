#pragma once

#include "DemoEntry.h"

#include <QMainWindow>

class QPlainTextEdit;

class CDemoMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CDemoMainWindow(QWidget* pParent = nullptr);

private:
    void OpenDialog(const SDemoEntry& entry);
    void ReportHostCalls();
    void ResetProject();

    QPlainTextEdit* m_pReport = nullptr;
};
