/* Participantes: clientes, fornecedores (transportadoras incluídas), representantes e terceirizados,
   com país, cidade e o registro de alterações dos cadastros (LOG). */
CREATE TABLE PAIS (
    COD_PA       VARCHAR(5) NOT NULL PRIMARY KEY,
    NOME_PA      VARCHAR(60),
    COD_BACEN_PA VARCHAR(5)
);

CREATE TABLE MUNICIPIOS_IBGE (
    CODIGO_MU VARCHAR(7) NOT NULL PRIMARY KEY,
    NOME_MU   VARCHAR(60),
    UF_MU     VARCHAR(2)
);

CREATE TABLE CIDADE (
    NOME_CI               VARCHAR(60) NOT NULL,
    UF_CI                 VARCHAR(2) NOT NULL,
    COD_MUNICIPIO_IBGE_CI VARCHAR(7),
    CONSTRAINT PK_CIDADE PRIMARY KEY (NOME_CI, UF_CI)
);

CREATE TABLE CLIENTE (
    COD_CL          INTEGER NOT NULL PRIMARY KEY,
    NOME_CL         VARCHAR(100),
    CGC_CL          VARCHAR(18),
    INSC_CL         VARCHAR(20),
    INSCSUF_CL      VARCHAR(15),
    PAIS_CL         VARCHAR(5),
    CODMUNICIPIO_CL VARCHAR(7),
    RUA_CL          VARCHAR(60),
    ENDER_NUMERO_CL VARCHAR(10),
    ENDER_COMPL_CL  VARCHAR(60),
    BAIRRO_CL       VARCHAR(60),
    CIDADE_CL       VARCHAR(60),
    UF_CL           VARCHAR(2),
    IND_INSCEST_CL  VARCHAR(1)
);

CREATE TABLE FORNECEDOR (
    CODIGO                INTEGER NOT NULL PRIMARY KEY,
    NOME                  VARCHAR(100),
    CNPJ_FO               VARCHAR(18),
    INSCRESTADUAL         VARCHAR(20),
    PAIS_FO               VARCHAR(5),
    CODMUNICIPIO_FO       VARCHAR(7),
    RUA                   VARCHAR(60),
    ENDER_NUMERO_FO       VARCHAR(10),
    ENDER_COMPL_FO        VARCHAR(60),
    BAIRRO                VARCHAR(60),
    UF                    VARCHAR(2),
    TIPO_TRANSPORTADOR_FO VARCHAR(10)
);

CREATE TABLE REPRESENTANTE (
    COD_RE          INTEGER NOT NULL PRIMARY KEY,
    NOME_RE         VARCHAR(100),
    CNPJ_RE         VARCHAR(18),
    INSC_RE         VARCHAR(20),
    PAIS_RE         VARCHAR(5),
    CODMUNICIPIO_RE VARCHAR(7),
    RUA_RE          VARCHAR(60),
    ENDER_NUMERO_RE VARCHAR(10),
    ENDER_COMPL_RE  VARCHAR(60),
    BAIRRO_RE       VARCHAR(60),
    UF_RE           VARCHAR(2)
);

CREATE TABLE TERCEIRIZADO (
    COD_BA          INTEGER NOT NULL PRIMARY KEY,
    NOME_BA         VARCHAR(100),
    CNPJ_BA         VARCHAR(18),
    INSC_BA         VARCHAR(20),
    PAIS_BA         VARCHAR(5),
    CODMUNICIPIO_BA VARCHAR(7),
    RUA_BA          VARCHAR(60),
    ENDER_NUMERO_BA VARCHAR(10),
    ENDER_COMPL_BA  VARCHAR(60),
    BAIRRO_BA       VARCHAR(60),
    UF_BA           VARCHAR(2)
);

/* Uma linha por coluna alterada: a tabela, a chave do registro, a coluna, o momento e o valor
   anterior. */
CREATE TABLE LOG (
    ARQUIVO_LG VARCHAR(31) NOT NULL,
    CHAVE_LG   VARCHAR(30) NOT NULL,
    CAMPO_LG   VARCHAR(31) NOT NULL,
    DATA_LG    TIMESTAMP NOT NULL,
    VRANT_LG   VARCHAR(255)
);
CREATE INDEX IX_LOG_ARQUIVO_DATA ON LOG (ARQUIVO_LG, DATA_LG);
