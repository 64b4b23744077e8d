#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// One thing the demo host can open: a dialog (shown modally from its button) or
// a widget embedded in the main window. The gallery shows each entry offscreen.
struct SDemoEntry
{
    QString strName; // button text and gallery file name
    std::function<QWidget*(QWidget* pParent)> fnCreate;
    // Optional: brings a freshly created entry into the state the gallery shows.
    std::function<void(QWidget* pWidget)> fnStage;
    // Optional: what the host reads back through the getters after the dialog closed.
    std::function<QString(QWidget* pWidget)> fnReadBack;
    bool bEmbedded = false; // a widget for the main window, not a dialog
    int nOrder = 100; // position among the buttons and in the gallery
    // Optional: what the host keeps of the getters after an accepted close, as
    // the real host does with the dialogs that write nothing themselves.
    std::function<void(QWidget* pWidget)> fnStore;
};

namespace DemoEntries {
bool Add(const SDemoEntry& entry);
// Sorted by order, then name.
std::vector<SDemoEntry> All();
// Creates the entry without a parent, shows it and brings it into the state
// the gallery shows.
std::unique_ptr<QWidget> OpenStaged(const SDemoEntry& entry);
} // namespace DemoEntries

class CSender;

namespace DemoEntries {
// The first sender of the project that fits, else the current one: never an
// index the project does not have.
int FindSender(const std::function<bool(const CSender&)>& fnFits);
// Creates a dialog while the sender is the current one, and keeps it current
// for as long as the dialog lives.
QWidget* CreateOnSender(int nSenderIndex, const std::function<QWidget*()>& fnCreate);
} // namespace DemoEntries

#define DEMO_ENTRY(id, ...) static const bool s_bDemoEntry_##id = DemoEntries::Add(__VA_ARGS__)
