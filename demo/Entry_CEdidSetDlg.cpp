#include "DemoEntry.h"

#include "CCustomComboBox.h"
#include "CEdidSetDlg.h"
#include "KivoData.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QInputDialog>

namespace {
struct SInputChoice
{
    int nSender;
    int nInputId;
};

// The dialog edits an input of the current sender; the sender is switched for
// as long as the dialog lives.
QWidget* CreateFor(QWidget* pParent, const SInputChoice& sChoice)
{
    return DemoEntries::CreateOnSender(
        sChoice.nSender, [pParent, sChoice] { return new CEdidSetDlg(pParent, sChoice.nInputId, false); });
}

// Every input of every sender in the project; the first one when nobody is
// there to choose (the gallery) or the choice is cancelled.
QWidget* CreateForChosenInput(QWidget* pParent)
{
    CProjectData* pProject = GetProjectData();
    QStringList listNames;
    QVector<SInputChoice> vecChoices;
    for (int nSender = 0; nSender < pProject->GetSenderCount(); ++nSender) {
        const CSender* pSender = pProject->GetSender(nSender);
        for (const SVideoInputState& input : pSender->Device().vecInputs) {
            listNames << QString("%1: %2 (input %3, model %4)")
                             .arg(pSender->GetName(), input.strName)
                             .arg(input.nId)
                             .arg(pSender->Device().nModelCode);
            vecChoices.append({nSender, input.nId});
        }
    }
    if (vecChoices.isEmpty())
        vecChoices.append({pProject->GetCurSenderIndex(), 16});
    int nChosen = 0;
    if (pParent && listNames.size() > 1) {
        // The chosen row, not its text: two inputs may read alike.
        QInputDialog dialog(pParent);
        dialog.setWindowTitle(QCoreApplication::translate("SDemoEntry", "EDID settings"));
        dialog.setLabelText(QCoreApplication::translate("SDemoEntry", "Sender input:"));
        dialog.setComboBoxItems(listNames);
        dialog.setComboBoxEditable(false);
        const auto* pList = dialog.findChild<QComboBox*>();
        nChosen = dialog.exec() == QDialog::Accepted && pList ? qMax(0, pList->currentIndex()) : 0;
    }
    return CreateFor(pParent, vecChoices.at(nChosen));
}

QString ReadBack(QWidget* pWidget)
{
    return QString("IsSetSuccessed() = %1")
        .arg(static_cast<CEdidSetDlg*>(pWidget)->IsSetSuccessed() ? "true" : "false");
}

// A custom size beyond the input's clock limit, so the message row shows.
void StageOversize(QWidget* pWidget)
{
    if (auto* pResolution = pWidget->findChild<CCustomComboBox*>("resolutionCombo"))
        pResolution->ActivateIndex(0);
    if (auto* pWidth = pWidget->findChild<QDoubleSpinBox*>("widthSpin"))
        pWidth->setValue(3840);
    if (auto* pHeight = pWidget->findChild<QDoubleSpinBox*>("heightSpin"))
        pHeight->setValue(2160);
}
} // namespace

DEMO_ENTRY(EdidSettings,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "EDID settings"), CreateForChosenInput, nullptr, ReadBack,
        false, 10, nullptr});

DEMO_ENTRY(EdidSettingsOversize,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "EDID settings - custom size over the limit"),
        [](QWidget* pParent) {
            return CreateFor(pParent, {0, 17});
        },
        StageOversize, ReadBack, false, 11, nullptr});

DEMO_ENTRY(EdidSettingsFibre,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "EDID settings - fibre input 132"),
        [](QWidget* pParent) {
            return CreateFor(pParent, {1, 132});
        },
        nullptr, ReadBack, false, 12, nullptr});
