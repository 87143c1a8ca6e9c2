/* Banco de acesso: guarda, cifrado, o caminho do banco principal do ERP. */
CREATE TABLE BD_PRINCIPAL (
    SENHA VARCHAR(1024)
);
