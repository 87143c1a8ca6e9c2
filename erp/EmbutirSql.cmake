# Gera um .cpp com o texto de cada script SQL como literal: o programa não depende de arquivos
# externos para criar um banco. Uso: cmake -DSAIDA=x.cpp -DNOME=kX -DARQUIVOS="a.sql;b.sql" -P
set(texto "")
foreach(arq IN LISTS ARQUIVOS)
    file(READ "${arq}" conteudo)
    string(APPEND texto "${conteudo}\n")
endforeach()
file(WRITE "${SAIDA}.tmp" "// Gerado a partir de erp/esquema. Não edite.\nextern const char* const ${NOME};\nconst char* const ${NOME} = R\"SQL__(${texto})SQL__\";\n")
file(COPY_FILE "${SAIDA}.tmp" "${SAIDA}" ONLY_IF_DIFFERENT)
