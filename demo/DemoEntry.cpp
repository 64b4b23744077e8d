#include "DemoEntry.h"

#include <algorithm>

namespace DemoEntries {
static std::vector<SDemoEntry>& Table()
{
    static std::vector<SDemoEntry> s_vecEntries;
    return s_vecEntries;
}

bool Add(const SDemoEntry& entry)
{
    Table().push_back(entry);
    return true;
}

std::vector<SDemoEntry> All()
{
    std::vector<SDemoEntry> vecEntries = Table();
    std::stable_sort(vecEntries.begin(), vecEntries.end(), [](const SDemoEntry& a, const SDemoEntry& b) {
        return a.nOrder != b.nOrder ? a.nOrder < b.nOrder : a.strName < b.strName;
    });
    return vecEntries;
}
} // namespace DemoEntries
