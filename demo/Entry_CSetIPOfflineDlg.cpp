#include "DemoEntry.h"

#include "AddressRules.h"
#include "CSetIPOfflineDlg.h"
#include "KivoData.h"

namespace {
// Suggestions are made next to the computer the project describes, the same
// addresses the host's check treats as this computer's.
const bool s_bLocalSource = [] {
    CAddressRules::SetDefaultLocalAddressSource([] { return GetConfigData()->LocalAddresses(); });
    return true;
}();

struct SMode
{
    const char* pszName;
    int nIndex;
    int nCount;
    bool bSet;
    bool bSpecified;
};

QString ReadBack(QWidget* pWidget)
{
    return QString("GetResetStr() = \"%1\"").arg(static_cast<CSetIPOfflineDlg*>(pWidget)->GetResetStr());
}

// A modified entry stays in the host's working list until the host saves it.
void Store(QWidget*)
{
    GetConfigData()->SpecifiedIPsSave();
}

SDemoEntry Entry(const SMode& sMode, int nOrder)
{
    return SDemoEntry {sMode.pszName,
        [sMode](QWidget* pParent) {
            return new CSetIPOfflineDlg(sMode.nIndex, sMode.nCount, sMode.bSet, sMode.bSpecified, pParent);
        },
        nullptr, ReadBack, false, nOrder, Store};
}
} // namespace

DEMO_ENTRY(
    OfflineBatch, Entry({QT_TRANSLATE_NOOP("SDemoEntry", "Offline IP - batch add"), 0, -1, true, true}, 50));
DEMO_ENTRY(OfflineBatchFromEntry,
    Entry({QT_TRANSLATE_NOOP("SDemoEntry", "Offline IP - batch add from entry"), 1, -1, false, true}, 51));
DEMO_ENTRY(OfflineSetOne,
    Entry({QT_TRANSLATE_NOOP("SDemoEntry", "Offline IP - set 1 processor"), 3, 1, true, true}, 52));
DEMO_ENTRY(OfflineSetTwo,
    Entry({QT_TRANSLATE_NOOP("SDemoEntry", "Offline IP - set 2 processors"), 3, 2, true, true}, 53));
DEMO_ENTRY(OfflineSetMany,
    Entry({QT_TRANSLATE_NOOP("SDemoEntry", "Offline IP - set 6 processors"), 3, 6, true, true}, 54));
DEMO_ENTRY(OfflineModify,
    Entry({QT_TRANSLATE_NOOP("SDemoEntry", "Offline IP - modify specified"), 0, 0, false, true}, 55));
DEMO_ENTRY(OfflineModifyCurrent,
    Entry({QT_TRANSLATE_NOOP("SDemoEntry", "Offline IP - modify current set"), 1, 0, false, false}, 56));
