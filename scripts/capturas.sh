#!/usr/bin/env bash
# Capturas da janela principal e dos dois diálogos, no Xvfb, sobre a instalação de demonstração.
#   scripts/capturas.sh [pasta das imagens]     (padrão: build/capturas); BUILD=pasta troca a pasta do build
set -euo pipefail
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$RAIZ/build}
SAIDA=$(realpath -m "${1:-$BUILD/capturas}")
cmake -S "$RAIZ" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target efd-capturas efd-demo >/dev/null
# Uma instalação nova a cada vez: as imagens não dependem do que se fez na demonstração.
DEMO=$(mktemp -d)
trap 'rm -rf "$DEMO"' EXIT
"$BUILD/erp/efd-demo" criar --pasta "$DEMO" >/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$BUILD/tests/janela/efd-capturas" "$DEMO" "$SAIDA"
