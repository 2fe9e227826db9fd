// Loading the checked records of a package into the working tables (TraDatos, InsertaPadron, GrabarMontos and
// the import marker), all in one transaction.
#include "import/ImportLoad.h"

#include <QHash>
#include <algorithm>
#include <cmath>

#include "data/Catalogue.h"
#include "data/Format.h"
#include "data/SeedCatalogue.h"
#include "declaration/Declaration.h"
#include "declaration/StoreSql.h"
#include "startup/Database.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

const QStringList kImportTables = {u"TMP_F0480PAGOS"_s, u"TMP_F0480DETRTA"_s, u"TMP_F0480RETDET"_s,
                                   u"TMP_F0482RETCAB"_s, u"TMP_F0480PAGCTA"_s};

// Boxes whose agents have lines: the agent's total is the sum of its lines.
const QList<int> kBoxesWithLines = {106, 107, 108, 111, 129, 130, 131};

qint64 toCents(const QString& amount) {
    return std::llround(Val(amount) * 100);
}

// An agent of one box: the header row's key.
QString agentKey(int box, const QString& type, const QString& number) {
    return QString::number(box) + u'|' + type + u'|' + number;
}

struct PackageAgent {
    int box = 0;
    ImportAgent agent;
    qint64 cents = 0;
};

class Loader {
public:
    Loader(Db& db, const ImportRules& rules, ImportTotals* totals, const ImportProgress& progress)
        : db_(db), rules_(rules), totals_(totals), progress_(progress) {}

    bool run(const DeclarationKey& key, const QList<QStringList>& files) {
        if (!readBefore() || !takeBackEarlierImport() || !removeEarlierImport())
            return false;
        for (qsizetype i = 0; i < files.size(); ++i)
            total_ += files[i].size();
        for (qsizetype i = 0; i < files.size(); ++i) {
            if (!loadFile(recordFiles()[i], files[i]))
                return false;
        }
        return InsertaPadron() && GrabarMontos() && markImport(key);
    }

private:
    bool readBefore() {
        for (const QSqlRecord& r :
             store::fetchRecords(db_, u"SELECT casilla, mto_importa FROM TMP_F0482DIFCAS"_s))
            totals_->before.insert(r.value(u"casilla"_s).toString().toInt(),
                                   std::llround(Val(r.value(u"mto_importa"_s).toString())));
        return true;  // a failed read has marked the transaction as failed
    }

    // What an earlier import added to the payers the user typed (agents without lines, whose total cannot be
    // recounted) leaves their totals again, never below zero (the user may have lowered a total since), so
    // that this import adds its amounts to what was typed and not to what was imported before.
    bool takeBackEarlierImport() {
        const QList<QSqlRecord> added =
            store::fetchRecords(db_,
                                u"SELECT i.casilla, i.tip_doc_ret, i.num_doc_ret, i.mto_importa, c.mto_total "
                                "FROM TMP_F0482RETIMP i JOIN TMP_F0482RETCAB c ON c.casilla = i.casilla AND "
                                "c.tip_doc_ret = i.tip_doc_ret AND c.num_doc_ret = i.num_doc_ret "
                                "WHERE c.ind_importa IS NULL OR c.ind_importa <> ?"_s,
                                {u"1"_s});
        store::Prepared update(db_,
                               u"UPDATE TMP_F0482RETCAB SET mto_total = ? "
                               "WHERE casilla = ? AND tip_doc_ret = ? AND num_doc_ret = ?"_s);
        for (const QSqlRecord& r : added) {
            const qint64 typed = std::max<qint64>(0, toCents(r.value(u"mto_total"_s).toString()) -
                                                         toCents(r.value(u"mto_importa"_s).toString()));
            if (!update.exec({centsText(typed), r.value(u"casilla"_s), r.value(u"tip_doc_ret"_s),
                              r.value(u"num_doc_ret"_s)}))
                return false;
        }
        return db_.execute(u"DELETE FROM TMP_F0482RETIMP"_s);
    }

    bool removeEarlierImport() {
        for (const QString& table : kImportTables) {
            if (!db_.execute(u"DELETE FROM "_s + table + u" WHERE ind_importa = ?"_s, {u"1"_s}))
                return false;
        }
        return true;
    }

    bool loadFile(const RecordFile& file, const QStringList& lines) {
        const QString table = importTable(file.kind);
        std::unique_ptr<store::Prepared> insert;
        if (!table.isEmpty())
            insert =
                std::make_unique<store::Prepared>(db_, store::insertSql(table, importColumns(file.kind)));
        for (const QString& line : lines) {
            if (++done_ % 2000 == 0 && progress_)
                progress_(done_, total_);
            const auto record = ValImporta(file, recordFields(line), rules_);
            if (!record)
                continue;
            if (insert && !insert->exec(record->values))
                return false;
            if (file.box == 133) {
                totals_->byBox[100] += record->cents;
                totals_->byBox[133] += record->taxCents;
            } else {
                totals_->byBox[file.box] += record->cents;
            }
            if (record->agent)
                addAgent(file.box, *record->agent, record->cents);
        }
        if (progress_)
            progress_(done_, total_);
        return true;
    }

    void addAgent(int box, const ImportAgent& agent, qint64 cents) {
        const QString k = agentKey(box, agent.type, agent.number);
        auto it = agents_.find(k);
        if (it == agents_.end()) {
            agents_.insert(k, {box, agent, cents});
            order_.append(k);
        } else {
            it->cents += cents;
        }
    }

    // The sums of the lines of every agent of the boxes with lines: the package's lines were added up by
    // agent while loading; the lines the user typed are read here (few, and the imported ones are not read
    // back).
    QHash<QString, qint64> lineSums() {
        QHash<QString, qint64> sums;
        for (auto it = agents_.cbegin(); it != agents_.cend(); ++it) {
            if (kBoxesWithLines.contains(it->box))
                sums.insert(it.key(), it->cents);
        }
        const QVariantList typed = {u"1"_s};
        for (const QSqlRecord& r :
             store::fetchRecords(db_,
                                 u"SELECT casilla, tip_doc_ret, num_ruc, mto_retenido FROM TMP_F0480DETRTA "
                                 "WHERE ind_importa IS NULL OR ind_importa <> ?"_s,
                                 typed))
            sums[agentKey(r.value(u"casilla"_s).toInt(), r.value(u"tip_doc_ret"_s).toString(),
                          r.value(u"num_ruc"_s).toString())] +=
                toCents(r.value(u"mto_retenido"_s).toString());
        for (const QSqlRecord& r :
             store::fetchRecords(db_,
                                 u"SELECT casilla, tip_doc_ret, num_doc_ret, mto_imp_cp FROM TMP_F0480RETDET "
                                 "WHERE ind_importa IS NULL OR ind_importa <> ?"_s,
                                 typed))
            sums[agentKey(r.value(u"casilla"_s).toInt(), r.value(u"tip_doc_ret"_s).toString(),
                          r.value(u"num_doc_ret"_s).toString())] +=
                toCents(r.value(u"mto_imp_cp"_s).toString());
        return sums;
    }

    // Every agent of the package gets its header row: a new one marked imported, or the amount added to the
    // agent the user registered. For agents with lines the header's total is the sum of all its lines, which
    // also corrects a typed agent whose imported lines a second import replaced.
    bool InsertaPadron() {
        const QHash<QString, qint64> sums = lineSums();
        QHash<QString, qint64> present;
        for (const QSqlRecord& r : store::fetchRecords(
                 db_, u"SELECT casilla, tip_doc_ret, num_doc_ret, mto_total FROM TMP_F0482RETCAB"_s)) {
            present.insert(agentKey(r.value(u"casilla"_s).toInt(), r.value(u"tip_doc_ret"_s).toString(),
                                    r.value(u"num_doc_ret"_s).toString()),
                           toCents(r.value(u"mto_total"_s).toString()));
        }
        store::Prepared update(db_,
                               u"UPDATE TMP_F0482RETCAB SET mto_total = ? "
                               "WHERE casilla = ? AND tip_doc_ret = ? AND num_doc_ret = ?"_s);
        store::Prepared insert(
            db_, store::insertSql(u"TMP_F0482RETCAB"_s,
                                  {u"casilla"_s, u"tip_doc_ret"_s, u"num_doc_ret"_s, u"des_razon"_s,
                                   u"des_ape_pat"_s, u"des_ape_mat"_s, u"des_nombres"_s, u"mto_total"_s,
                                   u"fec_donacion"_s, u"ind_importa"_s}));
        store::Prepared added(
            db_, store::insertSql(u"TMP_F0482RETIMP"_s,
                                  {u"casilla"_s, u"tip_doc_ret"_s, u"num_doc_ret"_s, u"mto_importa"_s}));
        // Typed agents whose lines changed.
        for (auto it = present.cbegin(); it != present.cend(); ++it) {
            const QStringList k = it.key().split(u'|');
            if (!kBoxesWithLines.contains(k[0].toInt()))
                continue;
            const qint64 sum = sums.value(it.key());
            if (sum != it.value() && !update.exec({centsText(sum), k[0], k[1], k[2]}))
                return false;
        }
        for (const QString& k : order_) {
            const PackageAgent& a = agents_[k];
            const bool withLines = kBoxesWithLines.contains(a.box);
            const QString box = QString::number(a.box);
            if (present.contains(k)) {
                // A typed agent without lines: the amount is added to its total and recorded, for the next
                // import to take back.
                if (!withLines && (!update.exec({centsText(present.value(k) + a.cents), box, a.agent.type,
                                                 a.agent.number}) ||
                                   !added.exec({box, a.agent.type, a.agent.number, centsText(a.cents)})))
                    return false;
                continue;
            }
            const qint64 total = withLines ? sums.value(k) : a.cents;
            QString razon, paterno, materno, nombres;
            const QString name = a.agent.name.simplified();
            if (a.agent.type == u"6") {
                razon = name;
            } else {
                // A person: paternal surname, maternal surname, given names.
                const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
                paterno = words.value(0);
                materno = words.value(1);
                nombres = words.mid(2).join(u' ');
            }
            if (!insert.exec({box, a.agent.type, a.agent.number, razon, paterno, materno, nombres,
                              centsText(total), u"01/01/1899"_s, u"1"_s}))
                return false;
        }
        return true;
    }

    // The imported total of each box the package fed replaces the one recorded before; a box the earlier
    // import fed and this one does not has no imported total any more.
    bool GrabarMontos() {
        for (auto it = totals_->before.cbegin(); it != totals_->before.cend(); ++it) {
            if (!totals_->byBox.contains(it.key()) &&
                !db_.execute(u"DELETE FROM TMP_F0482DIFCAS WHERE casilla = ?"_s, {boxCode(it.key())}))
                return false;
        }
        for (auto it = totals_->byBox.cbegin(); it != totals_->byBox.cend(); ++it) {
            const QString box = boxCode(it.key());
            const QString amount = Format(static_cast<double>(it.value()) / 100, u"#########0"_s);
            if (!db_.execute(u"DELETE FROM TMP_F0482DIFCAS WHERE casilla = ?"_s, {box}) ||
                !db_.execute(u"INSERT INTO TMP_F0482DIFCAS (casilla, mto_importa) VALUES (?, ?)"_s,
                             {box, amount}))
                return false;
        }
        return true;
    }

    bool markImport(const DeclarationKey& key) {
        return db_.execute(u"DELETE FROM tmp_f0480importa"_s) &&
               db_.execute(
                   u"INSERT INTO tmp_f0480importa (tip_doc_d, doc_id_d, periodo, formulario) "
                   "VALUES (?, ?, ?, ?)"_s,
                   {6, key.ruc, key.periodo, key.formulario});
    }

    Db& db_;
    const ImportRules& rules_;
    ImportTotals* totals_;
    const ImportProgress& progress_;
    QHash<QString, PackageAgent> agents_;
    QStringList order_;
    qint64 done_ = 0;
    qint64 total_ = 0;
};

}  // namespace

ImportRules importRules(Session& session) {
    ImportRules rules;
    rules.year = session.gAnio;
    rules.forms133 = importFormCodes(u"133"_s);
    rules.forms529 = importFormCodes(u"529"_s);
    rules.forms127 = importFormCodes(u"127"_s);
    for (const catalogue::ListEntry& e : catalogue::listEntriesWithFlag(
             session.db(), u"233"_s, u"*"_s, 1, 40, false, catalogue::ListOrder::ByCode, 68))
        rules.receiptTypes << e.code.trimmed();
    return rules;
}

bool TraDatos(Session& session, const DeclarationKey& key, const ImportRules& rules,
              const QList<QStringList>& files, ImportTotals* totals, const ImportProgress& progress) {
    ImportTotals result;
    Db& db = session.db();
    const bool ok = db.transaction([&] {
        Loader loader(db, rules, &result, progress);
        return loader.run(key, files);
    });
    if (!ok)
        return false;
    result.imported = true;
    *totals = result;
    return true;
}

}  // namespace zem
