#pragma once

#include <QList>
#include <QString>

namespace zem {

class Db;
class MessageSink;

// A taxpayer of the contributor register CONT (document type 6, the RUC).
struct Taxpayer {
    QString ruc;
    QString apellidoP;
    QString apellidoM;
    QString nombre1;
    QString nombre;       // full name or business name; built from the surnames and names when left empty
    int tipoIngreso = 2;  // 2: the taxpayers of this module
    QString usuario;      // the launcher user who registers the taxpayer
};

// A user of the launcher (CLAVES): tipo "0" sees every taxpayer, "1" only its own.
struct User {
    QString usuario;
    QString tipo = QStringLiteral("1");
};

// The launcher's message for a malformed RUC: none given, not 11 characters, or a wrong check digit; "" for a
// well-formed RUC.
QString rucFault(const QString& ruc);

// Registers a taxpayer or updates the one with that RUC. Refuses with a Spanish message (title "Error") and
// writes nothing when the RUC fails ValidaRuc, the name is missing or holds control characters, unreadable
// characters or more than 100 characters, the income kind is not 1 to 9 or the user
// is missing.
bool registerTaxpayer(Db& db, MessageSink& sink, const Taxpayer& taxpayer);

// Registers a user or changes its kind. Refuses an empty name or a kind other than "0" and "1".
bool registerUser(Db& db, MessageSink& sink, const User& user);

// Every registered taxpayer of type 6 and every user, by RUC and by name.
QList<Taxpayer> taxpayers(Db& db);
QList<User> users(Db& db);

}  // namespace zem
