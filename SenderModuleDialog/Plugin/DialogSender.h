#pragma once

class CSender;
class QWidget;

// The sender a dialog edits. When the project has none at its current index
// the user is told so over pParent and null is returned; the dialog then
// offers nothing to confirm and writes nothing.
CSender* RequireCurrentSender(QWidget* pParent);
