#!/bin/sh
# net.exe's peers, in two network namespaces joined by a veth pair (198.18.12.1/24 and .2/24, the
# range kept for tests; no route beyond). `setup DIR NET_EXE`: in the sender's, smbd on
# 127.0.0.1:139 keeping each message in DIR/messages, and a Wine prefix (DIR/prefix) with net.exe
# whose wineserver runs there, so every socket net.exe opens lies in the namespace; in the peer's,
# a listener keeping each datagram to UDP port 138 in DIR/datagrams, and a messenger on
# 198.18.12.2:139 that misbehaves as the name called asks (fake-messenger.py, its SMBs in DIR/fake),
# with the name service on :137 and the sender's host resolver on :53 (/etc/netns/NS/resolv.conf,
# which `ip netns exec` puts in place of /etc/resolv.conf).
# `run DIR COMMAND...` runs a command in the sender's namespace; `capture DIR COMMAND...` does so
# while tshark captures the namespace's NetBIOS ports, then checks the capture (check-capture.py);
# `cleanup DIR` ends it all.
set -eu
action=$1
dir=$2
support=$(cd "$(dirname "$0")" && pwd)
ns=pw$(printf %s "$dir" | cksum | cut -c1-7)  # one pair per build tree
fail() {
    echo "peer fixture: $*" >&2
    exit 1
}
# Waits at most 10 s for a listening socket on the port.
wait_listening() {
    i=0
    until ip netns exec "$1" ss -Htuln "sport = :$2" | grep -q .; do
        i=$((i + 1))
        [ $i -lt 100 ] || fail "nothing listens on port $2 in $1 (see $dir)"
        sleep 0.1
    done
}
cleanup() {
    "$support/wine-fixture.sh" cleanup "$dir/prefix"
    for pid in "$dir/smbd.pid" "$dir/listener.pid" "$dir/fake.pid"; do
        [ ! -f "$pid" ] || kill "$(cat "$pid")" 2>/dev/null || true
        rm -f "$pid"
    done
    ip netns del "${ns}s" 2>/dev/null || true
    ip netns del "${ns}p" 2>/dev/null || true
    rm -rf "/etc/netns/${ns}s"
}

case $action in
setup)
    [ "$(id -u)" = 0 ] || fail "network namespaces need root: run the tests as root"
    command -v smbd >/dev/null && command -v python3 >/dev/null || fail "smbd or python3 missing: run tools/install-deps.sh"
    cleanup
    { ip netns add "${ns}s" && ip netns add "${ns}p"; } || fail "cannot make network namespaces (ip netns add) here"
    ip link add "${ns}a" netns "${ns}s" type veth peer name "${ns}b" netns "${ns}p" || fail "cannot make a veth pair"
    ip -n "${ns}s" addr add 198.18.12.1/24 dev "${ns}a"
    ip -n "${ns}p" addr add 198.18.12.2/24 dev "${ns}b"
    for link in "${ns}s lo" "${ns}s ${ns}a" "${ns}p lo" "${ns}p ${ns}b"; do ip -n ${link% *} link set "${link#* }" up; done

    rm -rf "$dir/smbd" "$dir/messages" "$dir/datagrams" "$dir/fake"
    mkdir -p "$dir/smbd" "$dir/messages" "$dir/datagrams" "$dir/fake"
    chmod 0777 "$dir/messages"  # smbd runs the message command as the guest user
    cat >"$dir/smbd/smb.conf" <<CONF
[global]
netbios name = PEBBLEPEER
# The messenger's commands are SMB1: smbd takes them only while NT1 is allowed.
server min protocol = NT1
interfaces = 127.0.0.1/8
bind interfaces only = yes
smb ports = 139
disable netbios = yes
load printers = no
disable spoolss = yes
lock directory = $dir/smbd
state directory = $dir/smbd
cache directory = $dir/smbd
pid directory = $dir/smbd
private dir = $dir/smbd
ncalrpc dir = $dir/smbd/ncalrpc
log file = $dir/smbd/log
max log size = 0
# Level 10 logs each request's bytes: the tests read there the text blocks as they arrived.
log level = 10
# The OEM code page on both sides: the message files hold the bytes as they came.
dos charset = CP852
unix charset = CP852
# One file per message: the sender's name on the first line, then the text.
message command = /bin/sh -c 'f=\$(basename %s); { echo %f; cat %s; } >$dir/messages/.\$f; mv $dir/messages/.\$f $dir/messages/\$f; rm %s'
CONF
    # In a process group of its own: smbd signals its whole group when it stops.
    ip netns exec "${ns}s" smbd --foreground --configfile="$dir/smbd/smb.conf" </dev/null >"$dir/smbd/out" 2>&1 &
    echo $! >"$dir/smbd.pid"
    wait_listening "${ns}s" 139

    # Ends by itself after a quarter of an hour without a datagram.
    ip netns exec "${ns}p" python3 -c '
import os, socket, sys
listener = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
listener.bind(("", 138))
listener.settimeout(900)
for count in range(1, 10000):
    with open(sys.argv[1] + "/.part", "wb") as part:
        part.write(listener.recv(65536))
    os.rename(sys.argv[1] + "/.part", "%s/dgram.%d" % (sys.argv[1], count))
' "$dir/datagrams" </dev/null >/dev/null 2>&1 &
    echo $! >"$dir/listener.pid"
    wait_listening "${ns}p" 138

    ip netns exec "${ns}p" python3 "$support/fake-messenger.py" 198.18.12.2 "$dir/fake" </dev/null >/dev/null 2>&1 &
    echo $! >"$dir/fake.pid"
    for port in 53 137 139; do wait_listening "${ns}p" $port; done
    # A name server that is slow to give up on a name it does not answer for.
    mkdir -p "/etc/netns/${ns}s"
    printf 'nameserver 198.18.12.2\noptions timeout:30 attempts:1\n' >"/etc/netns/${ns}s/resolv.conf"

    ip netns exec "${ns}s" "$support/wine-fixture.sh" setup "$dir/prefix" "$3"
    ;;
run)
    shift 2
    exec ip netns exec "${ns}s" "$@"
    ;;
capture)
    shift 2
    command -v tshark >/dev/null || fail "tshark missing: run tools/install-deps.sh"
    rm -f "$dir/capture.pcapng" "$dir/expected-texts"
    # The namespace's own interfaces, NetBIOS's ports alone.
    ip netns exec "${ns}s" tshark -q -f "port 137 or port 138 or port 139" -i lo -i "${ns}a" \
        -w "$dir/capture.pcapng" </dev/null >/dev/null 2>"$dir/tshark.err" &
    capturing=$!
    i=0
    until [ "$(grep -c '^Capturing on' "$dir/tshark.err")" -gt 0 ]; do
        i=$((i + 1))
        [ $i -lt 200 ] || fail "tshark does not capture: $(cat "$dir/tshark.err")"
        sleep 0.1
    done
    status=0
    ip netns exec "${ns}s" "$@" || status=$?
    # The kernel hands tshark its last frames a fraction of a second late: stop once the capture
    # has not grown for a second (at most 10 s).
    i=0 still=0 size=-1
    while [ $still -lt 5 ] && [ $i -lt 50 ]; do
        sleep 0.2
        now=$(stat -c %s "$dir/capture.pcapng")
        if [ "$now" = "$size" ]; then still=$((still + 1)); else still=0; fi
        size=$now i=$((i + 1))
    done
    kill -INT $capturing
    wait $capturing || true
    python3 "$support/check-capture.py" "$dir/capture.pcapng" "$dir/expected-texts" || status=1
    exit $status
    ;;
cleanup) cleanup ;;
*) fail "usage: $0 setup|run|capture|cleanup DIR [NET_EXE | COMMAND...]" ;;
esac
