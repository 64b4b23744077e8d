#include "DialogDriver.h"

#include "CCustomComboBox.h"

namespace DialogDriver {

QStringList MenuTexts(const CCustomComboBox* pCombo)
{
    QStringList list;
    for (int i = 0; i < pCombo->Count(); ++i)
        list << pCombo->ItemAt(i)->text();
    return list;
}

QString CheckedEntry(const QObject& dlg, const char* pszCombo)
{
    const auto* pCombo = Child<CCustomComboBox>(dlg, pszCombo);
    for (int i = 0; i < pCombo->Count(); ++i) {
        if (pCombo->ItemAt(i)->isChecked())
            return pCombo->ItemAt(i)->text();
    }
    return {};
}

bool Choose(const QObject& dlg, const char* pszCombo, const QString& strText)
{
    auto* pCombo = Child<CCustomComboBox>(dlg, pszCombo);
    const int nIndex = MenuTexts(pCombo).indexOf(strText);
    return nIndex >= 0 && pCombo->ActivateIndex(nIndex);
}

void Click(const QObject& dlg, const char* pszButton)
{
    QTest::mouseClick(Child<QPushButton>(dlg, pszButton), Qt::LeftButton);
}

void EndWith(QDialog& dlg, QWidget* pFocus, int nKey)
{
    if (nKey)
        QTest::keyClick(pFocus, Qt::Key(nKey));
    else
        Click(dlg, "cancelButton");
}

bool OkIsDefault(const QDialog& dlg, const QPushButton* pOther)
{
    return Child<QPushButton>(dlg, "okButton")->isDefault() && !pOther->autoDefault() && !pOther->isDefault();
}

} // namespace DialogDriver
