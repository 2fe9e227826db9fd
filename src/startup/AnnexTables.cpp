// The annex registers: each one's stored, sent and working tables and its own columns, declared once here.
// The database holds every register three times: the stored table (declaration key tip_doc_d, doc_id_d,
// periodo, formulario, then these columns, then cnumero), the sent table with the prefix H (the same key,
// then correl, these columns and cnumero), and the working table of the open declaration (these columns only,
// a temporary table of the connection).
#include "startup/Schema.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

AnnexTable annex(const QString& stored, const QString& working, const QStringList& columns) {
    return {stored, u'H' + stored, working, columns};
}

// In the order in which a save copies the working tables back.
QList<AnnexTable> declaredTables() {
    return {
        annex(
            u"F0476DIVIDEND"_s, u"TMP_F0476DIVID"_s,
            {u"num_ruc"_s, u"des_entpagadora"_s, u"fec_retenida"_s, u"mto_distribuido"_s, u"mto_retenido"_s}),
        // Investments abroad.
        annex(u"F0476EXTRANJ"_s, u"TMP_F0476EXTRA"_s,
              {u"des_emp_ext"_s, u"ind_pais"_s, u"des_pais"_s, u"ind_cargo"_s, u"des_cargo"_s,
               u"ind_operacion"_s, u"des_operacion"_s, u"mto_saldo"_s}),
        // Trusts in the previous year's format: settlor (fde), beneficiary (ben) and trustee company (fdu).
        annex(u"F0476FIDEICOM"_s, u"TMP_F0476FIDEI"_s,
              {u"tip_doc_fde"_s, u"num_doc_fde"_s,    u"des_doc_fde"_s,    u"ape_pat_fde"_s,
               u"ape_mat_fde"_s, u"nombres_fde"_s,    u"des_razon_fde"_s,  u"tip_doc_ben"_s,
               u"num_doc_ben"_s, u"des_doc_ben"_s,    u"ape_pat_ben"_s,    u"ape_mat_ben"_s,
               u"nombres_ben"_s, u"des_razon_ben"_s,  u"tip_empre_fdu"_s,  u"des_empre_fdu2"_s,
               u"num_ruc_fdu"_s, u"tip_patri_fdei"_s, u"des_patri_fdei"_s, u"mto_patri"_s}),
        // Financial-transactions tax withheld, previous year's format.
        annex(u"F0478ITF"_s, u"TMP_F0478ITF"_s,
              {u"casilla"_s, u"num_ruc"_s, u"des_razon"_s, u"mto_retenido"_s, u"ind_importa"_s}),
        // Withholdings, previous year's format.
        annex(u"F0478RET"_s, u"TMP_F0478RET"_s,
              {u"casilla"_s, u"tip_doc_ret"_s, u"num_doc_ret"_s, u"des_razon"_s, u"per_tri"_s,
               u"mto_retenido"_s, u"ind_importa"_s}),
        // Monthly amounts of a payer for boxes 106, 108, 111, 129, 130 and 131.
        annex(u"F0480DETRTA"_s, u"TMP_F0480DETRTA"_s,
              {u"casilla"_s, u"tip_doc_ret"_s, u"num_ruc"_s, u"per_tri"_s, u"mto_retenido"_s,
               u"ind_importa"_s}),
        // Income tax paid abroad, one row per country (box 122).
        annex(u"F0480FEXT"_s, u"TMP_F0480FEXT"_s, {u"casilla"_s, u"cod_pais"_s, u"mto_retenido"_s}),
        // Credits and incomes by legal norm (boxes 124, 132, 539, 540).
        annex(u"F0480NORMAS"_s, u"TMP_F0480NORMAS"_s,
              {u"casilla"_s, u"tip_nor"_s, u"num_nor"_s, u"anno_nor"_s, u"art_nor"_s, u"mto_retenido"_s}),
        // Direct payments (boxes 133 and 529).
        annex(u"F0480PAGOS"_s, u"TMP_F0480PAGOS"_s,
              {u"casilla"_s, u"per_tri"_s, u"num_for"_s, u"num_ord"_s, u"fec_pago"_s, u"mto_trib"_s,
               u"mto_int"_s, u"mto_tot_pag"_s, u"mto_gravado"_s, u"ind_importa"_s}),
        // Payers of withholding and income-detail registers, donations, ITF and the Amazonía beneficiaries.
        annex(u"F0482RETCAB"_s, u"TMP_F0482RETCAB"_s,
              {u"casilla"_s, u"tip_doc_ret"_s, u"num_doc_ret"_s, u"des_razon"_s, u"des_ape_pat"_s,
               u"des_ape_mat"_s, u"des_nombres"_s, u"mto_total"_s, u"fec_donacion"_s, u"ind_importa"_s}),
        // The part of a typed payer's total that the last import added to it (box 522 agents, which have no
        // lines to recount from): a later import takes it back before adding its own.
        annex(u"F0482RETIMP"_s, u"TMP_F0482RETIMP"_s,
              {u"casilla"_s, u"tip_doc_ret"_s, u"num_doc_ret"_s, u"mto_importa"_s}),
        // Payment receipts of box 107.
        annex(u"F0480RETDET"_s, u"TMP_F0480RETDET"_s,
              {u"casilla"_s, u"tip_doc_ret"_s, u"num_doc_ret"_s, u"per_tri"_s, u"tip_cp"_s, u"num_serie_cp"_s,
               u"num_cp"_s, u"fec_emision_cp"_s, u"mto_imp_cp"_s, u"ind_importa"_s}),
        // Payments on account of box 127.
        annex(u"F0480PAGCTA"_s, u"TMP_F0480PAGCTA"_s,
              {u"casilla"_s, u"per_tri"_s, u"num_for"_s, u"num_ord"_s, u"fec_pago"_s, u"mto_sal"_s,
               u"mto_com"_s, u"mto_otr"_s, u"mto_sin_int"_s, u"mto_trib"_s, u"mto_int"_s, u"mto_tot_pag"_s,
               u"ind_importa"_s}),
        // Co-owners (at most 50).
        annex(u"F0480CONDOMI"_s, u"TMP_F0480CONDOMI"_s, {u"tip_doc_con"_s, u"num_ruc"_s}),
        // Trust investments.
        annex(u"F0480FIDEI"_s, u"TMP_F0480FIDEI"_s,
              {u"tip_doc_fiduciario"_s, u"num_doc_fiduciario"_s, u"tip_doc_fideicomitente"_s,
               u"num_doc_fideicomitente"_s, u"tip_patrimonio"_s, u"des_tip_patrimonio"_s,
               u"tip_fideicomiso"_s, u"des_tip_fideicomiso"_s, u"mto_saldo"_s}),
        // Last generated document number per box (payers without a document).
        annex(u"F0482CORREL"_s, u"TMP_F0482CORREL"_s, {u"casilla"_s, u"num_correl"_s}),
        // Imported total per box beside the declared one.
        annex(u"F0482DIFCAS"_s, u"TMP_F0482DIFCAS"_s,
              {u"casilla"_s, u"mto_importa"_s, u"mto_declar"_s, u"ind_diferen"_s}),
    };
}

}  // namespace

const QList<AnnexTable>& annexTables() {
    static const QList<AnnexTable> tables = declaredTables();
    return tables;
}

const AnnexTable* annexByWorking(const QString& working) {
    for (const AnnexTable& t : annexTables()) {
        if (t.working.compare(working, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

const AnnexTable* annexByStored(const QString& stored) {
    for (const AnnexTable& t : annexTables()) {
        if (t.stored.compare(stored, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

const QStringList& annexKeyColumns() {
    static const QStringList key = {u"tip_doc_d"_s, u"doc_id_d"_s, u"periodo"_s, u"formulario"_s};
    return key;
}

}  // namespace zem
