#pragma once

#include <QString>

namespace zem {

struct DeclarationRow;
struct Session;

// Sends the declaration in preparation of the RUC for the session's form and year: the taxpayer must be one
// the session's user may see, and the declaration must exist and be consistent (estado 0); it is then copied
// to the sent tables with the next sequence. Refusals and failures are shown through the session's sink; on
// success *correl gets the sequence of the sending.
bool sendByRuc(Session& session, const QString& ruc, QString* correl = nullptr);

// The question asked before a listed declaration is sent, naming its RUC and its taxpayer.
QString sendQuestion(const DeclarationRow& row);

// Sends the declaration of a row of the list in preparation once the user confirms the question (Yes/No, No
// by default); answering No sends nothing. The same rules as sendByRuc.
bool sendListed(Session& session, const DeclarationRow& row, QString* correl = nullptr);

}  // namespace zem
