-- Annex registers. Each table below gives only its own columns; the database holds it three times:
--   the stored table (declaration key tip_doc_d, doc_id_d, periodo, formulario + these columns + cnumero),
--   the sent table, named with the prefix H (the same key, then correl, these columns and cnumero),
--   the working table of the open declaration, named in the "@annex" line (these columns only; it lives in
--   the connection as a temporary table).
-- The order of the tables is the order in which a save copies the working tables back.

-- @annex F0476DIVIDEND TMP_F0476DIVID
CREATE TABLE F0476DIVIDEND (num_ruc TEXT, des_entpagadora TEXT, fec_retenida TEXT, mto_distribuido TEXT, mto_retenido TEXT);

-- @annex F0476EXTRANJ TMP_F0476EXTRA
CREATE TABLE F0476EXTRANJ (des_emp_ext TEXT, ind_pais TEXT, des_pais TEXT, ind_cargo TEXT, des_cargo TEXT, ind_operacion TEXT, des_operacion TEXT, mto_saldo TEXT);

-- Trusts in the previous year's format: settlor (fde), beneficiary (ben) and trustee company (fdu).
-- @annex F0476FIDEICOM TMP_F0476FIDEI
CREATE TABLE F0476FIDEICOM (tip_doc_fde TEXT, num_doc_fde TEXT, des_doc_fde TEXT, ape_pat_fde TEXT, ape_mat_fde TEXT, nombres_fde TEXT, des_razon_fde TEXT, tip_doc_ben TEXT, num_doc_ben TEXT, des_doc_ben TEXT, ape_pat_ben TEXT, ape_mat_ben TEXT, nombres_ben TEXT, des_razon_ben TEXT, tip_empre_fdu TEXT, des_empre_fdu2 TEXT, num_ruc_fdu TEXT, tip_patri_fdei TEXT, des_patri_fdei TEXT, mto_patri TEXT);

-- Financial-transactions tax withheld, previous year's format.
-- @annex F0478ITF TMP_F0478ITF
CREATE TABLE F0478ITF (casilla TEXT, num_ruc TEXT, des_razon TEXT, mto_retenido TEXT, ind_importa TEXT);

-- Withholdings, previous year's format.
-- @annex F0478RET TMP_F0478RET
CREATE TABLE F0478RET (casilla TEXT, tip_doc_ret TEXT, num_doc_ret TEXT, des_razon TEXT, per_tri TEXT, mto_retenido TEXT, ind_importa TEXT);

-- Monthly amounts of a payer for boxes 106, 108, 111, 129, 130 and 131.
-- @annex F0480DETRTA TMP_F0480DETRTA
CREATE TABLE F0480DETRTA (casilla TEXT, tip_doc_ret TEXT, num_ruc TEXT, per_tri TEXT, mto_retenido TEXT, ind_importa TEXT);

-- Income tax paid abroad, one row per country (box 122).
-- @annex F0480FEXT TMP_F0480FEXT
CREATE TABLE F0480FEXT (casilla TEXT, cod_pais TEXT, mto_retenido TEXT);

-- Credits and incomes by legal norm (boxes 124, 132, 539, 540).
-- @annex F0480NORMAS TMP_F0480NORMAS
CREATE TABLE F0480NORMAS (casilla TEXT, tip_nor TEXT, num_nor TEXT, anno_nor TEXT, art_nor TEXT, mto_retenido TEXT);

-- Direct payments (boxes 133 and 529).
-- @annex F0480PAGOS TMP_F0480PAGOS
CREATE TABLE F0480PAGOS (casilla TEXT, per_tri TEXT, num_for TEXT, num_ord TEXT, fec_pago TEXT, mto_trib TEXT, mto_int TEXT, mto_tot_pag TEXT, mto_gravado TEXT, ind_importa TEXT);

-- Payers of withholding and income-detail registers, donations, ITF and the Amazonía beneficiaries (box 117).
-- @annex F0482RETCAB TMP_F0482RETCAB
CREATE TABLE F0482RETCAB (casilla TEXT, tip_doc_ret TEXT, num_doc_ret TEXT, des_razon TEXT, des_ape_pat TEXT, des_ape_mat TEXT, des_nombres TEXT, mto_total TEXT, fec_donacion TEXT, ind_importa TEXT);

-- Payment receipts of box 107.
-- @annex F0480RETDET TMP_F0480RETDET
CREATE TABLE F0480RETDET (casilla TEXT, tip_doc_ret TEXT, num_doc_ret TEXT, per_tri TEXT, tip_cp TEXT, num_serie_cp TEXT, num_cp TEXT, fec_emision_cp TEXT, mto_imp_cp TEXT, ind_importa TEXT);

-- Payments on account of box 127.
-- @annex F0480PAGCTA TMP_F0480PAGCTA
CREATE TABLE F0480PAGCTA (casilla TEXT, per_tri TEXT, num_for TEXT, num_ord TEXT, fec_pago TEXT, mto_sal TEXT, mto_com TEXT, mto_otr TEXT, mto_sin_int TEXT, mto_trib TEXT, mto_int TEXT, mto_tot_pag TEXT, ind_importa TEXT);

-- Co-owners (at most 50).
-- @annex F0480CONDOMI TMP_F0480CONDOMI
CREATE TABLE F0480CONDOMI (tip_doc_con TEXT, num_ruc TEXT);

-- Trust investments.
-- @annex F0480FIDEI TMP_F0480FIDEI
CREATE TABLE F0480FIDEI (tip_doc_fiduciario TEXT, num_doc_fiduciario TEXT, tip_doc_fideicomitente TEXT, num_doc_fideicomitente TEXT, tip_patrimonio TEXT, des_tip_patrimonio TEXT, tip_fideicomiso TEXT, des_tip_fideicomiso TEXT, mto_saldo TEXT);

-- Last generated document number per box (payers without a document).
-- @annex F0482CORREL TMP_F0482CORREL
CREATE TABLE F0482CORREL (casilla TEXT, num_correl TEXT);

-- Imported total per box beside the declared one.
-- @annex F0482DIFCAS TMP_F0482DIFCAS
CREATE TABLE F0482DIFCAS (casilla TEXT, mto_importa TEXT, mto_declar TEXT, ind_diferen TEXT);
