#pragma once

namespace zem {

class FeederRegistry;

// Registers the list windows of the annex registers for the boxes they feed; the declaration window opens
// them through the registry, modally, and they write their boxes when the user leaves them.
void registerAnnexWindows(FeederRegistry& registry);

}  // namespace zem
