#pragma once

#include <optional>

#include "declaration/Opening.h"

namespace zem {

struct Session;

// At start-up: the journals of unsaved edits that a crash left behind (EditJournal). For each, the user is
// asked whether to put back the unsaved changes of that declaration (its RUC, name, time and number of
// edits). Yes answers the declaration to open with its journal; No removes the journal. A damaged or
// incomplete journal is reported, renamed aside (".danado") and never used. Nothing stored is changed here.
std::optional<OpenRequest> offerRecovery(Session& session);

}  // namespace zem
