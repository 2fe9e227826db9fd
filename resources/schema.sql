-- Shared tables of the family's database. Key columns come first, in the order of the declaration key, and the
-- record check code cNumero last: the check code is computed over the columns in this order.
-- Dates the declaration writes are text "dd/mm/yyyy"; amounts and codes are text.

CREATE TABLE IF NOT EXISTS schema_version (
    version INTEGER NOT NULL
);

-- Coded reference data: one row per code of a catalogue, attributes packed at fixed positions of funcion.
CREATE TABLE IF NOT EXISTS param (
    numero TEXT NOT NULL,
    argumento TEXT NOT NULL,
    funcion TEXT,
    PRIMARY KEY (numero, argumento)
);

-- Taxpayers registered by the launcher.
CREATE TABLE IF NOT EXISTS cont (
    tip_doc_d INTEGER NOT NULL,
    doc_id_d TEXT NOT NULL,
    apellido_p TEXT,
    apellido_m TEXT,
    nombre_1 TEXT,
    nombre_2 TEXT,
    nombre TEXT,
    tipo_ingreso INTEGER,
    usuario TEXT,
    PRIMARY KEY (tip_doc_d, doc_id_d)
);

-- Users of the launcher: tipo "0" sees every taxpayer.
CREATE TABLE IF NOT EXISTS claves (
    usuario TEXT NOT NULL PRIMARY KEY,
    tipo TEXT
);

-- Message catalogue.
CREATE TABLE IF NOT EXISTS error (
    coderror TEXT NOT NULL PRIMARY KEY,
    descerror TEXT
);

-- Declaration header.
CREATE TABLE IF NOT EXISTS cab (
    tip_doc_d INTEGER NOT NULL,
    doc_id_d TEXT NOT NULL,
    periodo TEXT NOT NULL,
    formulario TEXT NOT NULL,
    semana INTEGER NOT NULL DEFAULT 0,
    fec_pro TEXT,
    bcolibrad TEXT,
    nrocheque TEXT,
    cheque TEXT,
    efectivo TEXT,
    rectifica TEXT,
    estado INTEGER,
    cnumero TEXT,
    version INTEGER NOT NULL DEFAULT 0,  -- counts the saves: a save writes only over the version it opened
    PRIMARY KEY (tip_doc_d, doc_id_d, periodo, formulario, semana)
);

-- Declaration boxes, one row per box with a value.
CREATE TABLE IF NOT EXISTS det (
    tip_doc_d INTEGER NOT NULL,
    doc_id_d TEXT NOT NULL,
    periodo TEXT NOT NULL,
    formulario TEXT NOT NULL,
    semana INTEGER NOT NULL DEFAULT 0,
    casilla TEXT NOT NULL,
    i_valor TEXT,
    idcasilla TEXT,
    estado INTEGER,
    cnumero TEXT,
    PRIMARY KEY (tip_doc_d, doc_id_d, periodo, formulario, semana, casilla)
);

-- Sent declarations: the header and boxes as they were sent, with the sequence of the sending.
CREATE TABLE IF NOT EXISTS hcab (
    tip_doc_d INTEGER NOT NULL,
    doc_id_d TEXT NOT NULL,
    periodo TEXT NOT NULL,
    formulario TEXT NOT NULL,
    semana INTEGER NOT NULL DEFAULT 0,
    correl TEXT NOT NULL,
    fec_pro TEXT,
    bcolibrad TEXT,
    nrocheque TEXT,
    cheque TEXT,
    efectivo TEXT,
    rectifica TEXT,
    estado INTEGER,
    norden TEXT,
    control TEXT,
    fec_env TEXT,
    cnumero TEXT,
    PRIMARY KEY (tip_doc_d, doc_id_d, periodo, formulario, semana, correl)
);

CREATE TABLE IF NOT EXISTS hdet (
    tip_doc_d INTEGER NOT NULL,
    doc_id_d TEXT NOT NULL,
    periodo TEXT NOT NULL,
    formulario TEXT NOT NULL,
    semana INTEGER NOT NULL DEFAULT 0,
    correl TEXT NOT NULL,
    casilla TEXT NOT NULL,
    i_valor TEXT,
    idcasilla TEXT,
    estado INTEGER,
    cnumero TEXT,
    PRIMARY KEY (tip_doc_d, doc_id_d, periodo, formulario, semana, correl, casilla)
);

-- Declarations that used the authority's personalised package.
CREATE TABLE IF NOT EXISTS f0480importa (
    tip_doc_d INTEGER NOT NULL,
    doc_id_d TEXT NOT NULL,
    periodo TEXT NOT NULL,
    formulario TEXT NOT NULL
);

-- Every report file ever written.
CREATE TABLE IF NOT EXISTS spool (
    codrep TEXT NOT NULL,
    secuencia TEXT NOT NULL,
    archivo TEXT NOT NULL,
    fecha TIMESTAMP,
    usuario TEXT,
    tip_doc_d INTEGER,
    doc_id_d TEXT
);
