#include "shell/Registration.h"

#include "data/Documents.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Utility.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

bool refuse(MessageSink& sink, const QString& text) {
    sink.error(text, u"Error"_s);
    return false;
}

// A name as the register keeps it: printable characters only (no line breaks or tabs that would forge lines
// of a listing, no replacement characters left by unreadable input).
bool printableName(const QString& name) {
    if (name.size() > 100)
        return false;
    for (QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 127 || c == QChar::ReplacementCharacter || c.isSurrogate() ||
            c.category() == QChar::Other_Format)
            return false;
    }
    return true;
}

}  // namespace

QString rucFault(const QString& ruc) {
    if (ruc.trimmed().isEmpty())
        return u"Debe ingresar el número de RUC"_s;
    if (ruc.trimmed().size() != 11)
        return u"La longitud del RUC no es válida"_s;
    if (!util::ValidaRuc(ruc.trimmed()))
        return u"El número de RUC no es válido"_s;
    return {};
}

bool registerTaxpayer(Db& db, MessageSink& sink, const Taxpayer& in, const QString& actingUser) {
    Taxpayer t = in;
    t.ruc = t.ruc.trimmed();
    t.apellidoP = t.apellidoP.trimmed();
    t.apellidoM = t.apellidoM.trimmed();
    t.nombre1 = t.nombre1.trimmed();
    t.nombre = t.nombre.simplified();
    t.usuario = t.usuario.trimmed();
    if (t.nombre.isEmpty())
        t.nombre = QStringList{t.apellidoP, t.apellidoM, t.nombre1}.join(u' ').simplified();

    if (const QString fault = rucFault(t.ruc); !fault.isEmpty())
        return refuse(sink, fault);
    if (t.nombre.isEmpty())
        return refuse(sink, u"Debe ingresar los apellidos y nombres o la razón social"_s);
    for (const QString& name : {t.apellidoP, t.apellidoM, t.nombre1, t.nombre}) {
        if (!printableName(name))
            return refuse(sink,
                          u"Los apellidos y nombres admiten como máximo 100 caracteres, sin caracteres de "
                          u"control ni caracteres no válidos"_s);
    }
    if (t.tipoIngreso < 1 || t.tipoIngreso > 9)
        return refuse(sink, u"El tipo de ingreso no es válido"_s);
    if (t.usuario.isEmpty())
        return refuse(sink, u"Debe ingresar el usuario"_s);
    if (db.scalar(u"SELECT count(*) FROM claves WHERE usuario = ?"_s, {t.usuario}).toInt() == 0) {
        return refuse(sink, u"El usuario "_s + echoed(t.usuario) +
                                u" no está registrado: regístrelo antes de asignarle contribuyentes."_s);
    }
    const QString acting = actingUser.trimmed();
    if (documents::userKind(db, acting) != u"0") {
        if (t.usuario != acting)
            return refuse(sink, u"Solo puede registrar contribuyentes a su propio nombre de usuario."_s);
        const QVariant owner =
            db.scalar(u"SELECT usuario FROM cont WHERE tip_doc_d = 6 AND doc_id_d = ?"_s, {t.ruc});
        if (owner.isValid() && owner.toString().trimmed() != acting)
            return refuse(sink, u"El contribuyente "_s + t.ruc + u" está registrado por otro usuario."_s);
    }

    const QVariantList values{t.apellidoP, t.apellidoM, t.nombre1, t.nombre, t.tipoIngreso, t.usuario, t.ruc};
    return db.transaction([&] {
        const bool exists =
            db.scalar(u"SELECT count(*) FROM cont WHERE tip_doc_d = 6 AND doc_id_d = ?"_s, {t.ruc}).toInt() >
            0;
        if (exists) {
            return db.execute(
                u"UPDATE cont SET apellido_p = ?, apellido_m = ?, nombre_1 = ?, nombre = ?, "
                u"tipo_ingreso = ?, usuario = ? WHERE tip_doc_d = 6 AND doc_id_d = ?"_s,
                values);
        }
        return db.execute(
            u"INSERT INTO cont (apellido_p, apellido_m, nombre_1, nombre, tipo_ingreso, usuario, "
            u"doc_id_d, tip_doc_d) VALUES (?, ?, ?, ?, ?, ?, ?, 6)"_s,
            values);
    });
}

bool registerUser(Db& db, MessageSink& sink, const User& in) {
    const QString name = in.usuario.trimmed();
    const QString tipo = in.tipo.trimmed();
    if (name.isEmpty())
        return refuse(sink, u"Debe ingresar el nombre del usuario"_s);
    if (!printableName(name))
        return refuse(
            sink,
            u"El nombre del usuario admite como máximo 100 caracteres, sin caracteres de control ni "
            u"caracteres no válidos"_s);
    if (tipo != u"0" && tipo != u"1")
        return refuse(sink,
                      u"El tipo de usuario debe ser 0 (ve todos los contribuyentes) o 1 (solo los suyos)"_s);
    return db.transaction([&] {
        const bool exists = db.scalar(u"SELECT count(*) FROM claves WHERE usuario = ?"_s, {name}).toInt() > 0;
        if (exists)
            return db.execute(u"UPDATE claves SET tipo = ? WHERE usuario = ?"_s, {tipo, name});
        return db.execute(u"INSERT INTO claves (tipo, usuario) VALUES (?, ?)"_s, {tipo, name});
    });
}

QList<Taxpayer> taxpayers(Db& db, const QString& viewer) {
    QString sql =
        u"SELECT doc_id_d, apellido_p, apellido_m, nombre_1, nombre, tipo_ingreso, usuario FROM cont "
        u"WHERE tip_doc_d = 6"_s;
    QVariantList params;
    if (documents::userKind(db, viewer) != u"0") {
        sql += u" AND usuario = ?"_s;
        params << viewer;
    }
    QList<Taxpayer> out;
    QSqlQuery q = db.select(sql + u" ORDER BY doc_id_d"_s, params);
    while (q.next()) {
        Taxpayer t;
        t.ruc = q.value(u"doc_id_d"_s).toString();
        t.apellidoP = q.value(u"apellido_p"_s).toString();
        t.apellidoM = q.value(u"apellido_m"_s).toString();
        t.nombre1 = q.value(u"nombre_1"_s).toString();
        t.nombre = q.value(u"nombre"_s).toString();
        t.tipoIngreso = q.value(u"tipo_ingreso"_s).toInt();
        t.usuario = q.value(u"usuario"_s).toString();
        out << t;
    }
    return out;
}

bool taxpayerVisible(Db& db, const QString& viewer, const QString& ruc) {
    const QVariant owner =
        db.scalar(u"SELECT usuario FROM cont WHERE tip_doc_d = 6 AND doc_id_d = ?"_s, {ruc.trimmed()});
    if (!owner.isValid())
        return false;
    return documents::userKind(db, viewer) == u"0" || owner.toString().trimmed() == viewer.trimmed();
}

QList<User> users(Db& db) {
    QList<User> out;
    QSqlQuery q = db.select(u"SELECT usuario, tipo FROM claves ORDER BY usuario"_s);
    while (q.next())
        out.append({q.value(u"usuario"_s).toString(), q.value(u"tipo"_s).toString()});
    return out;
}

}  // namespace zem
