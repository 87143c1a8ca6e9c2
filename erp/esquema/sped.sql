/* Área de trabalho do gerador: as linhas de cada geração antes de irem para o arquivo. */
CREATE GENERATOR SPED_EFD_CHAVE;

CREATE TABLE SPED_EFD (
    CHAVE_SE        INTEGER NOT NULL,
    ORDEM_SE        INTEGER NOT NULL,
    COD_REG_SE      VARCHAR(10),
    CONTEUDO_SE     BLOB SUB_TYPE TEXT,
    /* Cabe a maior chave de agrupamento (COD_CTA do 0500 tem até 255 caracteres). */
    CHAVE_AGRUP_SE  VARCHAR(255),
    DATA_GERACAO_SE TIMESTAMP NOT NULL,
    CONSTRAINT PK_SPED_EFD PRIMARY KEY (CHAVE_SE, ORDEM_SE)
);
/* Sem índice secundário de propósito: o teste de duplicidade é respondido em memória pelo
   gerador, e as contagens por geração usam o prefixo CHAVE_SE da chave primária. Um índice em
   (CHAVE_SE, COD_REG_SE, CHAVE_AGRUP_SE) custa quase metade da velocidade de gravação. */
