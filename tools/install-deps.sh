#!/bin/sh
# Installs what the build and the Wine tests need, only when something is missing: quiet and
# idempotent, apt as root or through sudo. What it does goes to standard error, apt's own output to
# build/install-deps.log. When set-up fails, its last line (on standard output, for make) names the
# packages and apt's reason, and it ends with status 1.
#
# The 32-bit Wine (wine32:i386) is wanted, not required: it is asked for only where this host runs
# 32-bit programs, after everything else; without it the Wine tests use the x86-64 build.
# For the tests of these choices: PW_I386_PROBE names the program that tells whether 32-bit programs
# run (status 42 where they do), PW_APT_PAUSE the seconds between tries of `apt-get update`,
# PW_SETUP_SYSROOT a folder standing in for / where the script writes system files.
set -u

# samba, iproute2 and python3: the peers of net.exe's tests, which start them in network
# namespaces of their own; tshark dissects what net.exe puts on the wire there. clang and
# libclang-rt-14-dev: libFuzzer, for `make fuzz`.
pkgs="g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 g++ cmake make doctest-dev wine wine64 fonts-wine
      xvfb xauth locales imagemagick x11-apps x11-utils samba iproute2 python3 tshark clang libclang-rt-14-dev"
wine32=wine32:i386
log=build/install-deps.log
step=build/install-deps.step
# wine32:i386 could not be installed: not asked for again within the hour.
refused32=build/install-deps.no-wine32
sysroot=${PW_SETUP_SYSROOT:-}

say() { echo "$*" >&2; }
fail() { echo "Set-up failed: $*; apt's output: $log"; exit 1; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
has_locale() { locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; }

# An i386 Linux program of 93 bytes that ends with status 42: where the kernel does not run 32-bit
# programs, exec refuses it (and a shell that then reads it as a script ends otherwise).
runs_i386() {
    probe=${PW_I386_PROBE:-build/i386-probe}
    if [ -z "${PW_I386_PROBE:-}" ]; then
        printf '\177\105\114\106\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000\061\333\263\052\061\300\100\315\200' >"$probe" &&
            chmod +x "$probe" || return 1
    fi
    "$probe" >/dev/null 2>&1
    [ $? = 42 ]
}

# Runs an apt step with its output in the log; reason() then gives apt's first error of it.
apt_step() {
    "$@" >"$step" 2>&1
    status=$?
    cat "$step" >>"$log"
    return $status
}
reason() {
    line=$(grep -m1 '^E: ' "$step" | sed 's/^E: //')
    echo "${line:-apt-get ended with status $status}"
}

mkdir -p build
missing=""
for p in $pkgs; do
    installed "$p" || missing="$missing $p"
done
want32=""
if ! runs_i386; then
    no32=1
elif ! installed $wine32 && [ -z "$(find $refused32 -mmin -60 2>/dev/null)" ]; then
    want32=$wine32
fi
need_locale=""
has_locale || need_locale=1

[ -z "$missing$want32$need_locale" ] && exit 0

[ -n "${no32:-}" ] && say "32-bit programs do not run here: the Wine tests will use the x86-64 build"
if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
: >"$log"

if [ -n "$missing$want32" ]; then
    say "Installing:$missing${want32:+ $want32} (apt's output: $log)"
    if [ -n "$want32" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        apt_step $sudo dpkg --add-architecture i386 || fail "could not add the i386 architecture: $(reason)"
    fi
    # A registry whose lists are out of step with each other (a mirror syncing) fails the update;
    # after three tries the install goes on with the lists apt has.
    tries=1
    until apt_step $sudo apt-get update -qq; do
        if [ $tries = 3 ]; then
            say "apt-get update: some package lists could not be fetched ($(reason)); going on with what apt has"
            break
        fi
        tries=$((tries + 1))
        sleep "${PW_APT_PAUSE:-5}"
    done
fi

if [ -n "$missing" ]; then
    # No service of an installed package (smbd, nmbd) may start: where no policy says so, one
    # says it for the time of the install.
    policy=$sysroot/usr/sbin/policy-rc.d
    own_policy=""
    if [ ! -e "$policy" ]; then
        printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null && $sudo chmod +x "$policy" && own_policy=1
    fi
    # tshark's package asks whether others than root may capture: no.
    echo "wireshark-common wireshark-common/install-setuid boolean false" | $sudo debconf-set-selections
    apt_step $sudo apt-get install -y -qq --no-install-recommends $missing
    installed_status=$status
    [ -z "$own_policy" ] || $sudo rm -f "$policy"
    [ $installed_status = 0 ] || fail "could not install$missing: $(reason)"
fi

if [ -n "$want32" ]; then
    if apt_step $sudo apt-get install -y -qq --no-install-recommends $want32; then
        rm -f $refused32
    else
        say "The 32-bit Wine ($want32) could not be installed ($(reason)): the Wine tests will use the x86-64 build"
        touch $refused32
    fi
fi

if [ -n "$need_locale" ]; then
    if ! grep -q '^cs_CZ.UTF-8 UTF-8' "$sysroot/etc/locale.gen" 2>/dev/null; then
        echo 'cs_CZ.UTF-8 UTF-8' | $sudo tee -a "$sysroot/etc/locale.gen" >/dev/null
    fi
    $sudo locale-gen >/dev/null 2>&1 || { status=$?; fail "could not make the cs_CZ.UTF-8 locale (locale-gen ended with status $status)"; }
fi
rm -f "$step"
exit 0
