#pragma once

#include <QString>

namespace zem {

struct Session;

// Sends the declaration in preparation of the RUC for the session's form and year: it must exist and be
// consistent (estado 0); it is then copied to the sent tables with the next sequence. Refusals and failures
// are shown through the session's sink; on success *correl gets the sequence of the sending.
bool sendByRuc(Session& session, const QString& ruc, QString* correl = nullptr);

}  // namespace zem
