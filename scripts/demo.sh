#!/usr/bin/env bash
# Cria a instalação de demonstração (se ainda não existe) e gera a EFD do mês anterior da filial 1.
set -euo pipefail
BUILD=$1
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
DEMO=$RAIZ/demo
if [ ! -f "$DEMO/ERP.FDB" ]; then
    "$BUILD/erp/efd-demo" criar --pasta "$DEMO"
fi
PERIODO=$(date -d "$(date +%Y-%m-01) -1 month" +%m/%Y)
set +e
"$BUILD/cli/efd" gerar --pasta "$DEMO" --filial 1 --periodo "$PERIODO" --dir "$DEMO/SPED_EFD" --sim
rc=$?
set -e
# 3: arquivo gerado, com problemas apontados pela conferência (blocos ainda não gerados, por exemplo)
[ $rc -ne 0 ] && [ $rc -ne 3 ] && exit $rc
# O arquivo de dezembro com o inventário de 31/12 (motivo 01), do último dezembro até o mês gerado.
MES=${PERIODO%/*}
ANO=${PERIODO#*/}
[ "$MES" != 12 ] && ANO=$((ANO - 1))
set +e
"$BUILD/cli/efd" gerar --pasta "$DEMO" --filial 1 --periodo "12/$ANO" --bloco-h S --inventario "12/$ANO" \
    --motivo 01 --dir "$DEMO/SPED_EFD" --sim
rc=$?
set -e
if [ $rc -eq 0 ] || [ $rc -eq 3 ]; then
    echo "Arquivos da demonstração (o mês e o inventário de 12/$ANO) em $DEMO/SPED_EFD"
    exit 0
fi
exit $rc
