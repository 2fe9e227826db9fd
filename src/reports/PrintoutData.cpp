#include "reports/PrintoutData.h"

#include <QSqlQuery>

#include "data/Catalogue.h"
#include "data/Format.h"
#include "declaration/StoredDeclaration.h"
#include "startup/Database.h"

namespace zem::reports {

using namespace Qt::StringLiterals;

std::optional<PrintoutData> CargarCasillas(Db& db, const DeclarationKey& key) {
    const StoredDeclaration stored = readStoredDeclaration(db, key);
    if (!stored.exists)
        return std::nullopt;
    PrintoutData d;
    d.key = key;
    for (const auto& [casilla, valor] : stored.boxes) {
        const int box = casilla.trimmed().toInt();
        if (box > 0 && box <= 999 && box != 721 && box != 722)
            d.boxes.insert(box, valor);
    }
    for (const auto& [column, value] : stored.header) {
        const QString c = column.toLower();
        QString* field = c == u"efectivo"    ? &d.efectivo
                         : c == u"cheque"    ? &d.cheque
                         : c == u"nrocheque" ? &d.nrocheque
                         : c == u"bcolibrad" ? &d.bcolibrad
                         : c == u"rectifica" ? &d.rectifica
                         : c == u"norden"    ? &d.norden
                         : c == u"control"   ? &d.control
                                             : nullptr;
        if (field)
            *field = value.trimmed();
    }
    d.nombre = db.scalar(u"SELECT nombre FROM cont WHERE tip_doc_d = 6 AND doc_id_d = ?"_s, {key.ruc})
                   .toString()
                   .trimmed();
    d.deductionCeiling = QString::number(24 * Val(catalogue::uit(db, key.periodo)), 'f', 0);
    return d;
}

const QList<AnnexGroup>& annexGroups() {
    static const QList<AnnexGroup> groups = [] {
        auto l = [](const QString& box, const QString& title, const QString& table) {
            return Listing{box, title, table, box};
        };
        const QString retcab = u"F0482RETCAB"_s, detrta = u"F0480DETRTA"_s, normas = u"F0480NORMAS"_s;
        const QString deuda = u"Determinación de la deuda - Casilla "_s;
        return QList<AnnexGroup>{
            {u"Primera categoría"_s, {}},
            {u"Segunda categoría"_s, {l(u"106"_s, u"Segunda Categoría - Casilla 106"_s, detrta)}},
            {u"Cuarta y Quinta categorìa"_s,
             {l(u"107"_s, u"Cuarta Categoría - Casilla 107"_s, u"F0480RETDET"_s),
              l(u"108"_s, u"Cuarta Categoría - Casilla 108"_s, detrta),
              l(u"111"_s, u"Quinta Categoría - Casilla 111"_s, detrta)}},
            {u"Renta Imponible"_s,
             {l(u"522"_s, u"Renta Imponible - Casilla 522"_s, retcab),
              l(u"519"_s, u"Renta Imponible - Casilla 519"_s, retcab),
              l(u"117"_s, u"Renta Imponible - Casilla 117"_s, retcab)}},
            {u"Determinación de la deuda"_s,
             {l(u"122"_s, u"Determinación de la deuda- Casilla 122"_s, u"F0480FEXT"_s),
              l(u"124"_s, deuda + u"124"_s, normas), l(u"133"_s, deuda + u"133"_s, u"F0480PAGOS"_s),
              l(u"529"_s, deuda + u"529"_s, u"F0480PAGOS"_s), l(u"127"_s, deuda + u"127"_s, u"F0480PAGCTA"_s),
              l(u"129"_s, deuda + u"129"_s, detrta), l(u"130"_s, deuda + u"130"_s, detrta),
              l(u"131"_s, deuda + u"131"_s, detrta), l(u"132"_s, deuda + u"132"_s, normas)}},
            {u"Rentas exoneradas e Inafectas"_s,
             {Listing{u"200"_s, {}, {}, {}}, l(u"539"_s, u"Otras rentas exoneradas - Casilla 539"_s, normas),
              l(u"540"_s, u"Otras rentas inafectas - Casilla 540"_s, normas)}},
            {u"Condóminos"_s,
             {Listing{u"CONDOMINOS"_s, u"Información complementaria - Condóminos"_s, u"F0480CONDOMI"_s, {}}}},
            {u"Fideicomisos"_s,
             {Listing{
                 u"FIDEICOMISOS"_s, u"Información complementaria - Fideicomisos"_s, u"F0480FIDEI"_s, {}}}},
            {u"Dividendos Percibidos"_s,
             {Listing{u"DIVIDENDOS"_s, u"DIVIDENDOS PERCIBIDO"_s, u"F0476DIVIDEND"_s, {}}}},
        };
    }();
    return groups;
}

QStringList allListingKeys() {
    QStringList keys;
    for (const AnnexGroup& g : annexGroups()) {
        for (const Listing& l : g.listings)
            keys.append(l.key);
    }
    return keys;
}

}  // namespace zem::reports
