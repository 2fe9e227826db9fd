#include "reports/PrintChoice.h"

namespace zem::reports {

PrintoutChoice printoutChoice(PrintOption option, const QList<int>& tickedGroups) {
    PrintoutChoice choice;
    choice.declaracion = option != PrintOption::Anexos;
    if (!withAnnexes(option))
        return choice;
    const QList<AnnexGroup>& groups = annexGroups();
    for (const int g : tickedGroups) {
        if (g < 0 || g >= groups.size())
            continue;
        for (const Listing& l : groups[g].listings)
            choice.listings.insert(l.key);
    }
    return choice;
}

}  // namespace zem::reports
