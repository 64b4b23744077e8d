#pragma once

#include "OstraControlExport.h"

#include <QLineEdit>

// IPv4 address editor. Typing is limited to what can still become a dotted
// address (digits and dots, at most four groups of at most three digits, each
// at most 255); a fourth digit in a full group moves on to the next group.
// text() is exactly what stands in the editor, empty when nothing was typed.
class OSTRACONTROL_EXPORT CCustomIPEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CCustomIPEdit(QWidget* pParent = nullptr);
    ~CCustomIPEdit() override;

    // True when the text is a complete address of four groups.
    bool IsComplete() const;
};
