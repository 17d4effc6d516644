#!/bin/sh
# Installs what the build and the Wine tests need, only when something is missing.
# Idempotent and quiet; runs apt as root or through sudo.
set -eu

# samba, iproute2 and python3: the peers of net.exe's tests, which start them in network
# namespaces of their own; tshark dissects what net.exe puts on the wire there. clang and libclang-rt-14-dev: libFuzzer, for `make fuzz`.
pkgs="g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 g++ cmake make doctest-dev wine wine32:i386 wine64 fonts-wine xvfb xauth locales imagemagick x11-apps x11-utils
      samba iproute2 python3 tshark clang libclang-rt-14-dev"

missing=""
for p in $pkgs; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $p"
    fi
done

need_locale=0
if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
    need_locale=1
fi

[ -z "$missing" ] && [ "$need_locale" = 0 ] && exit 0

if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq >/dev/null
    # No service of an installed package (smbd, nmbd) may start: where no policy says so, one
    # says it for the time of the install.
    policy=/usr/sbin/policy-rc.d
    own_policy=""
    if [ ! -e $policy ]; then
        printf '#!/bin/sh\nexit 101\n' | $sudo tee $policy >/dev/null
        $sudo chmod +x $policy
        own_policy=1
    fi
    # tshark's package asks whether others than root may capture: no.
    echo "wireshark-common wireshark-common/install-setuid boolean false" | $sudo debconf-set-selections
    $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
    [ -z "$own_policy" ] || $sudo rm -f $policy
fi

if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
    if ! grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'cs_CZ.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    fi
    $sudo locale-gen >/dev/null
fi
