#pragma once

#include <QString>

#include "declaration/DeclarationKey.h"

namespace zem {

struct Session;

// The title of every message about sending a declaration.
inline constexpr char16_t kSendTitle[] = u"Envío de la declaración";

// Sends a consistent declaration (estado 0) as the host launcher does: in one transaction its header, boxes
// and annex registers are copied to HCAB, HDET and the H tables under the declarant's next sequence (correl),
// with an 8-digit control code, today's date as fec_env and estado 1 in HCAB, every copied row with its check
// code. A declaration that does not exist or is not consistent is refused with a message and nothing is
// written. On success *correl (when given) receives the sequence.
bool sendDeclaration(Session& session, const DeclarationKey& key, QString* correl);

// The declarant's next sequence of sending: one more than the highest numeric correl in HCAB, "1" for the
// first.
QString nextCorrel(Session& session, const QString& ruc);

}  // namespace zem
