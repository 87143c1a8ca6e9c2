# Gera um .cpp com o texto do leiaute como literal: o programa não depende de arquivos externos.
# Uso: cmake -DSAIDA=x.cpp -DNOME=kX -DARQUIVO=a.json -P EmbutirJson.cmake
file(READ "${ARQUIVO}" conteudo)
file(WRITE "${SAIDA}.tmp" "// Gerado a partir de core/leiaute. Não edite.\nextern const char* const ${NOME};\nconst char* const ${NOME} = R\"JSON__(${conteudo})JSON__\";\n")
file(COPY_FILE "${SAIDA}.tmp" "${SAIDA}" ONLY_IF_DIFFERENT)
