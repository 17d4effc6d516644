#!/bin/sh
# make dist: the release archive build/dist/pebblewire-<version>.zip with the stripped exe and the
# messenger command net.exe beside it, the x86-64 build of both in x86-64/ (for Wine that runs no
# 32-bit programs), a short Czech and English readme (Windows-1250 and CR LF, as Notepad on a
# Czech Windows 2000 reads them) and SHA256SUMS over them all.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win32
build64=$root/build/win64
version=$(sed -n 's/^#define PW_VERSION_TEXT "\(.*\)"$/\1/p' "$root/src/res/version.h")
name=pebblewire-$version
stage=$root/build/dist/$name
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage/x86-64"

cp "$build/src/pebblewire.exe" "$build/src/netsend/net.exe" "$stage/"
cp "$build64/src/pebblewire.exe" "$build64/src/netsend/net.exe" "$stage/x86-64/"
for readme in README.TXT CTIMNE.TXT; do
    sed "s/@VERSION@/$version/; s/\$/\r/" "$root/tools/dist/$readme" | iconv -f UTF-8 -t CP1250 > "$stage/$readme"
done
(cd "$stage" && sha256sum pebblewire.exe net.exe x86-64/pebblewire.exe x86-64/net.exe README.TXT CTIMNE.TXT > SHA256SUMS)
(cd "$root/build/dist" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "$root/build/dist/$name.zip: $(cd "$stage" && wc -c < "$stage.zip" | tr -d ' ') bytes"
sed 's/^/  /' "$stage/SHA256SUMS"
