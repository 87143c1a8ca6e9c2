/* Parâmetros do ERP por grupo e chave. */
CREATE TABLE PARAM (
    GRUPO_PA VARCHAR(30) NOT NULL,
    PARAM_PA VARCHAR(30) NOT NULL,
    VALOR_PA VARCHAR(255),
    CONSTRAINT PK_PARAM PRIMARY KEY (GRUPO_PA, PARAM_PA)
);

/* Tabelas auxiliares do ERP, numeradas por NUM_TA (07 unidades, 23 cores, 25 alíquota interna...). */
CREATE TABLE TABELA (
    NUM_TA  VARCHAR(2) NOT NULL,
    COD_TA  VARCHAR(10) NOT NULL,
    DESC_TA VARCHAR(100),
    CONSTRAINT PK_TABELA PRIMARY KEY (NUM_TA, COD_TA)
);

CREATE TABLE CONFIG (
    NOME_EMPRESA VARCHAR(60)
);

CREATE TABLE CONTABILISTA (
    ID_CT            INTEGER NOT NULL PRIMARY KEY,
    NOME_CT          VARCHAR(100),
    CPF_CT           VARCHAR(14),
    CRC_CT           VARCHAR(15),
    CNPJ_CT          VARCHAR(18),
    CEP_CT           VARCHAR(10),
    ENDER_CT         VARCHAR(60),
    ENDER_NUMERO_CT  VARCHAR(10),
    ENDER_COMPL_CT   VARCHAR(60),
    BAIRRO_CT        VARCHAR(60),
    FONE_CT          VARCHAR(15),
    FAX_CT           VARCHAR(15),
    EMAIL_CT         VARCHAR(100),
    COD_MUNICIPIO_CT VARCHAR(7)
);

CREATE TABLE FILIAL (
    COD_FI                        INTEGER NOT NULL PRIMARY KEY,
    NOME_FI                       VARCHAR(100),
    CGC_FI                        VARCHAR(18),
    INSC_FI                       VARCHAR(15),
    UF_FI                         VARCHAR(2),
    CODMUNICIPIO_FI               VARCHAR(7),
    INSCMUN_FI                    VARCHAR(20),
    COD_RECEITA_ICMSST_AREC_FI    VARCHAR(10),
    FANTASIA_FI                   VARCHAR(60),
    RUA_FI                        VARCHAR(60),
    NUMERO_FI                     VARCHAR(10),
    COMPLEMENTO_FI                VARCHAR(60),
    CEP_FI                        VARCHAR(10),
    BAI_FI                        VARCHAR(60),
    FONE_FI                       VARCHAR(15),
    FAX_FI                        VARCHAR(15),
    EMAIL_FI                      VARCHAR(100),
    ID_CONTABILISTA_FI            INTEGER,
    COD_RECEITA_ICMS_AREC_FI      VARCHAR(10),
    DIAS_VENCTO_ICMS_AREC_FI      INTEGER,
    TIPO_ATIVIDADE_SPED_FI        VARCHAR(1),
    EMISNOTA_FORMA_AGRUP_ITENS_FI VARCHAR(20),
    NUM_EPTA_FI                   VARCHAR(20),
    ALIQ_RET_FI                   NUMERIC(15,4),
    CRT_FI                        VARCHAR(1),
    ALIQ_CRED_ICMS_SIMPLES_FI     NUMERIC(15,4),
    COD_CLAS_ESTAB_IND_FI         VARCHAR(2)
);
