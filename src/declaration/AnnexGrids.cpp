// The grids of the declaration window: dividends, investments abroad, trusts and co-owners.
#include "declaration/AnnexGrids.h"

#include "data/Format.h"
#include "data/Masks.h"
#include "declaration/Declaration.h"
#include "declaration/FormCaption.h"
#include "declaration/Rules.h"
#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"
#include "startup/SqlDialect.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

using Shown = AnnexGrid::Shown;

QString caption() {
    return QString::fromUtf16(kFormCaption);
}

}  // namespace

AnnexGrids::AnnexGrids(Session& session, Declaration& declaration, QObject* parent)
    : QObject(parent), session_(session), declaration_(declaration) {
    Db& db = session.db();
    const QString balance = u"Saldo al 31/12/"_s + session.gAnio;
    grids_[index(AnnexGridKind::Dividends)] =
        new AnnexGrid(db, u"TMP_F0476DIVID"_s,
                      {{u"num_ruc"_s, u"Número de RUC"_s},
                       {u"des_entpagadora"_s, u"Razón Social"_s},
                       {u"fec_retenida"_s, u"Fecha de Pago"_s},
                       {u"mto_distribuido"_s, u"Dividendo Percibido"_s, Shown::Amount},
                       {u"mto_retenido"_s, u"Retención"_s, Shown::Amount}},
                      {u"num_ruc"_s, u"fec_retenida"_s}, this);
    grids_[index(AnnexGridKind::ForeignInvestments)] =
        new AnnexGrid(db, u"TMP_F0476EXTRA"_s,
                      {{u"des_emp_ext"_s, u"Empresa en el exterior"_s},
                       {u"des_pais"_s, u"País o territorio"_s},
                       {u"des_cargo"_s, u"Cargo, función o participación"_s},
                       {u"des_operacion"_s, u"Tipo de operación"_s},
                       {u"mto_saldo"_s, balance, Shown::Amount}},
                      {u"des_emp_ext"_s, u"ind_pais"_s, u"ind_cargo"_s, u"ind_operacion"_s}, this);
    grids_[index(AnnexGridKind::Trusts)] =
        new AnnexGrid(db, u"TMP_F0480FIDEI"_s,
                      {{u"tip_doc_fiduciario"_s, u"Fiduciario"_s, Shown::DocumentType},
                       {u"num_doc_fiduciario"_s, u"Número"_s},
                       {u"tip_doc_fideicomitente"_s, u"Fideicomitente"_s, Shown::DocumentType},
                       {u"num_doc_fideicomitente"_s, u"Número"_s},
                       {u"des_tip_patrimonio"_s, u"Tipo de Patrimonio"_s},
                       {u"des_tip_fideicomiso"_s, u"Tipo de Fideicomiso"_s},
                       {u"mto_saldo"_s, balance, Shown::Decimals}},
                      {u"tip_doc_fiduciario"_s, u"num_doc_fiduciario"_s, u"tip_doc_fideicomitente"_s,
                       u"num_doc_fideicomitente"_s, u"tip_patrimonio"_s, u"tip_fideicomiso"_s},
                      this);
    grids_[index(AnnexGridKind::CoOwners)] =
        new AnnexGrid(db, u"TMP_F0480CONDOMI"_s,
                      {{u"tip_doc_con"_s, u"Tipo de Documento"_s, Shown::DocumentType},
                       {u"num_ruc"_s, u"Número de Documento"_s}},
                      {u"tip_doc_con"_s, u"num_ruc"_s}, this);
    // Nothing is read before a declaration is opened.
    counts_ = {u"Cantidad de Retenciones: 0"_s, u"Cantidad de registros: 0"_s, u"Cantidad de registros: 0"_s,
               u"0 Registro(s)"_s};
}

void AnnexGrids::Get_Dividendos() {
    grid(AnnexGridKind::Dividends).refresh();
    Cuenta_y_Suma_Dividendos();
}

void AnnexGrids::Get_Extranjero() {
    grid(AnnexGridKind::ForeignInvestments).refresh();
    Cuenta_y_Suma_Extranjero();
}

void AnnexGrids::Get_Fideicomiso() {
    grid(AnnexGridKind::Trusts).refresh();
    Cuenta_y_Suma_Fideicomiso0480();
}

void AnnexGrids::Get_Condominos() {
    grid(AnnexGridKind::CoOwners).refresh();
    Cuenta_condomino();
}

void AnnexGrids::Get(AnnexGridKind kind) {
    switch (kind) {
        case AnnexGridKind::Dividends:
            return Get_Dividendos();
        case AnnexGridKind::ForeignInvestments:
            return Get_Extranjero();
        case AnnexGridKind::Trusts:
            return Get_Fideicomiso();
        case AnnexGridKind::CoOwners:
            return Get_Condominos();
    }
}

void AnnexGrids::refreshAll() {
    Get_Dividendos();
    Get_Extranjero();
    Get_Fideicomiso();
    Get_Condominos();
}

void AnnexGrids::setSummary(AnnexGridKind kind, const QString& count, const QString& total) {
    counts_[index(kind)] = count;
    totals_[index(kind)] = total;
    Q_EMIT summaryChanged(kind);
}

void AnnexGrids::Cuenta_y_Suma_Dividendos() {
    Db& db = session_.db();
    const double distributed = Val(Suma_Retencion(db, u"mto_distribuido"_s, u"TMP_F0476DIVID"_s));
    withheld_ = Format(Val(Suma_Retencion(db, u"mto_retenido"_s, u"TMP_F0476DIVID"_s)), masks::kAmount);
    // Box 118 is the total of the dividends received: empty when there is none, shown like every amount.
    declaration_.setText(118, Rules::formaText(118, Format(distributed, masks::kDigits)));
    setSummary(AnnexGridKind::Dividends,
               u"Cantidad de Retenciones: "_s + QString::number(grid(AnnexGridKind::Dividends).count()),
               Format(distributed, masks::kAmount));
}

void AnnexGrids::Cuenta_y_Suma_Extranjero() {
    const double total = Val(Suma_Retencion(session_.db(), u"mto_saldo"_s, u"TMP_F0476EXTRA"_s));
    setSummary(
        AnnexGridKind::ForeignInvestments,
        u"Cantidad de registros: "_s + QString::number(grid(AnnexGridKind::ForeignInvestments).count()),
        Format(total, masks::kAmount));
}

void AnnexGrids::Cuenta_y_Suma_Fideicomiso0480() {
    const double total = Val(Suma_Retencion(session_.db(), u"mto_saldo"_s, u"TMP_F0480FIDEI"_s));
    const QString count = u"Cantidad de registros: "_s + QString::number(grid(AnnexGridKind::Trusts).count());
    // Box 553 keeps the count caption of the trusts with the declaration.
    declaration_.setText(553, count);
    setSummary(AnnexGridKind::Trusts, count, Format(total, masks::kTwoDecimals));
}

void AnnexGrids::Cuenta_condomino() {
    setSummary(AnnexGridKind::CoOwners,
               QString::number(grid(AnnexGridKind::CoOwners).count()) + u" Registro(s)"_s, QString());
}

bool AnnexGrids::canModify(AnnexGridKind kind) {
    if (grid(kind).count() > 0)
        return true;
    session_.sink.error(u"No existen registros para modificar"_s, caption());
    return false;
}

bool AnnexGrids::eliminar(AnnexGridKind kind, int row) {
    AnnexGrid& g = grid(kind);
    if (g.count() == 0) {
        session_.sink.error(u"No existen registros para eliminar"_s, caption());
        return false;
    }
    if (row < 0 || row >= g.count())
        row = 0;  // the grid's current row is its first when nothing else is chosen
    if (session_.sink.ask(u"¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada"_s,
                          u"Eliminar Registro"_s, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return false;
    const bool ok = g.remove(row);
    Get(kind);
    return ok;
}

bool AnnexGrids::Eliminar_Dividendos(int row) {
    return eliminar(AnnexGridKind::Dividends, row);
}

bool AnnexGrids::Eliminar_Extranjero(int row) {
    return eliminar(AnnexGridKind::ForeignInvestments, row);
}

bool AnnexGrids::Eliminar_Fideicomiso(int row) {
    return eliminar(AnnexGridKind::Trusts, row);
}

bool AnnexGrids::Eliminar_Condomino(int row) {
    AnnexGrid& g = grid(AnnexGridKind::CoOwners);
    if (g.count() == 0) {
        session_.sink.error(u"No existen registros para eliminar"_s, caption());
        return false;
    }
    if (row < 0 || row >= g.count()) {
        session_.sink.error(u"Tiene que Seleccionar un registro"_s, caption());
        return false;
    }
    if (session_.sink.ask(u"¿Confirma que va eliminar el registro seleccionado?"_s, u"Eliminar condómino"_s,
                          MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return false;
    const bool ok = g.remove(row);
    Cuenta_condomino();
    return ok;
}

bool AnnexGrids::canAddCoOwner() {
    if (NumSuministros() < kMaxCoOwners)
        return true;
    session_.sink.error(u"¡No puede ingresar más condóminos!"_s, caption());
    return false;
}

int AnnexGrids::NumSuministros() const {
    return session_.db().scalar(u"SELECT count(*) FROM TMP_F0480CONDOMI"_s).toInt();
}

QString AnnexGrids::Suma_Retencion(Db& db, const QString& column, const QString& table, const QString& box) {
    // Only a register's own table and column: the names are written into the statement.
    const AnnexTable* annex = annexByWorking(table);
    for (const AnnexTable& t : annexTables()) {
        if (!annex && (t.stored.compare(table, Qt::CaseInsensitive) == 0 ||
                       t.history.compare(table, Qt::CaseInsensitive) == 0))
            annex = &t;
    }
    if (!annex || !annex->columns.contains(column, Qt::CaseInsensitive))
        return u"0"_s;
    if (!box.isEmpty() && !annex->columns.contains(u"casilla"_s, Qt::CaseInsensitive))
        return u"0"_s;
    QString sql = u"SELECT sum("_s + numberOf(db.dialect(), column) + u") FROM "_s + table;
    QVariantList params;
    if (!box.isEmpty()) {
        sql += u" WHERE casilla = ?"_s;
        params << box;
    }
    const QVariant sum = db.scalar(sql, params);
    if (sum.isNull())
        return u"0"_s;
    QString text = QString::number(roundHalfAway(sum.toDouble(), 2), 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

}  // namespace zem
