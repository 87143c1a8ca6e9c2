#!/usr/bin/env bash
# Servidor Firebird 3 local para o teste que conecta pela rede (ServidorFirebirdTest).
#   scripts/servidor-firebird.sh iniciar   # sobe o servidor em 127.0.0.1:3050
#   scripts/servidor-firebird.sh parar
# O serviço do pacote firebird3.0-server não sobe sozinho nestas máquinas (sem systemd); o
# guardião (fbguard) é iniciado à mão com o usuário firebird, a configuração do sistema
# (RemoteBindAddress = localhost) e uma pasta de bloqueios própria, separada da do motor embutido
# que os demais testes usam como root. A senha do SYSDBA passa a ser EFD_TESTE_SENHA (padrão
# "efdteste"). Precisa de root.
set -euo pipefail

SENHA=${EFD_TESTE_SENHA:-efdteste}
PASTA=/tmp/efd-firebird-servidor           # bloqueios e pid do servidor
PIDFILE=$PASTA/firebird.pid
CONF=/etc/firebird/3.0/firebird.conf
SEGURANCA=/var/lib/firebird/3.0/system/security3.fdb
PORTA=3050

falhar() { echo "servidor-firebird: $*" >&2; exit 1; }

rodando() { [ -f "$PIDFILE" ] && kill -0 "$(cat "$PIDFILE")" 2>/dev/null; }

porta_aberta() { (exec 3<>/dev/tcp/127.0.0.1/$PORTA) 2>/dev/null; }

iniciar() {
    [ "$(id -u)" -eq 0 ] || falhar "rode como root"
    [ -x /usr/sbin/fbguard ] || falhar "falta o pacote firebird3.0-server (./run setup instala)"
    grep -Eq '^[[:space:]]*RemoteBindAddress[[:space:]]*=[[:space:]]*(localhost|127\.0\.0\.1)[[:space:]]*$' "$CONF" ||
        falhar "$CONF não prende o servidor ao 127.0.0.1 (RemoteBindAddress = localhost)"
    if rodando; then
        echo "servidor Firebird já está rodando (pid $(cat "$PIDFILE"))"
    else
        porta_aberta && falhar "a porta $PORTA já está em uso por outro processo"
        # Com o servidor parado, o banco de segurança é aberto direto pelo motor embutido.
        printf "create or alter user SYSDBA password '%s' using plugin Srp;\ncommit;\n" "$SENHA" |
            isql-fb -q -user SYSDBA "$SEGURANCA" >/dev/null
        mkdir -p "$PASTA"
        chown firebird:firebird "$PASTA"
        chmod 0770 "$PASTA"
        rm -f "$PIDFILE"
        (cd / && runuser -u firebird -- env FIREBIRD_LOCK="$PASTA" \
            /usr/sbin/fbguard -daemon -forever -pidfile "$PIDFILE")
        for _ in $(seq 50); do
            porta_aberta && break
            sleep 0.2
        done
        porta_aberta || falhar "o servidor não abriu a porta $PORTA (veja /var/log/firebird/firebird3.0.log)"
        echo "servidor Firebird em 127.0.0.1:$PORTA (pid $(cat "$PIDFILE"))"
    fi
    echo "export EFD_TESTE_SERVIDOR=127.0.0.1 EFD_TESTE_SENHA=$SENHA"
}

parar() {
    if ! rodando; then
        echo "servidor Firebird não está rodando"
        return 0
    fi
    local servidor guardiao
    servidor=$(cat "$PIDFILE")
    guardiao=$(ps -o ppid= -p "$servidor" | tr -d ' ')
    # Parar o guardião para o servidor; sem ele o guardião subiria o servidor de novo.
    if [ -n "$guardiao" ] && [ "$(ps -o comm= -p "$guardiao")" = fbguard ]; then
        kill "$guardiao"
    else
        kill "$servidor"
    fi
    for _ in $(seq 50); do
        kill -0 "$servidor" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$servidor" 2>/dev/null && falhar "o servidor (pid $servidor) não parou"
    rm -f "$PIDFILE"
    echo "servidor Firebird parado"
}

case "${1:-}" in
    iniciar) iniciar ;;
    parar) parar ;;
    *) echo "uso: $0 iniciar|parar" >&2; exit 64 ;;
esac
