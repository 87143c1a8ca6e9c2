#!/usr/bin/env bash
# Medições de velocidade e memória (números do computador onde roda; nada aqui é teste).
set -euo pipefail
BUILD=$1
echo "== Gravação na área SPED_EFD"
"$BUILD/bench/bench_armazem" 300000 2000
echo "== Geração da demonstração em escala (notas de saída com C170 e notas de entrada), acima de um milhão de linhas"
"$BUILD/bench/bench_geracao" "${2:-110}"
echo "== Inventário de 31/12 da demonstração em escala (bloco H)"
"$BUILD/bench/bench_inventario" 100
