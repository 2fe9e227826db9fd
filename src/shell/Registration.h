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

// Registers a taxpayer or updates the one with that RUC, on behalf of the acting user (the user of the
// settings). Refuses with a Spanish message (title "Error") and writes nothing when the RUC fails ValidaRuc,
// the name is missing or holds control characters, unreadable characters or more than 100 characters, the
// income kind is not 1 to 9, the user is missing or not registered in CLAVES, or the acting user is not of
// kind "0" and the taxpayer would belong to another user (the new registration, or the one already stored
// under the RUC).
bool registerTaxpayer(Db& db, MessageSink& sink, const Taxpayer& taxpayer, const QString& actingUser);

// Registers a user or changes its kind. Refuses an empty name or a kind other than "0" and "1".
bool registerUser(Db& db, MessageSink& sink, const User& user);

// The registered taxpayers of type 6 the user may see, by RUC: every one for a user of kind "0", else the
// user's own.
QList<Taxpayer> taxpayers(Db& db, const QString& viewer);
// True when the viewer may see and act on the taxpayer: a user of kind "0", or the user who registered it.
bool taxpayerVisible(Db& db, const QString& viewer, const QString& ruc);
// Every user, by name.
QList<User> users(Db& db);

}  // namespace zem
