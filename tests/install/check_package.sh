#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: the program, the
# desktop entry, the metainfo and the scalable icon under /usr, and no error
# from lintian.
#
#     check_package.sh <cpack> <build dir> <application id>
set -uo pipefail
cpack=$1 build=$2 id=$3

for tool in dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)"
        exit 1
    }
done

out=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-deb.XXXXXX") || exit 1
trap 'rm -rf "$out"' EXIT
if ! log=$(cd "$build" && "$cpack" -G DEB -B "$out" 2>&1); then
    echo "$log"
    echo "FAIL: cpack did not build the package"
    exit 1
fi
debs=("$out"/kestrova_*_amd64.deb)
[ -f "${debs[0]}" ] || { echo "$log"; echo "FAIL: no kestrova_<version>_amd64.deb"; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

failures=0
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/kestrova ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/mime/packages/$id.xml ./usr/share/kestrova/exemples/1-isochronisme.kestrova; do
    if ! grep -q " $path\$" <<<"$contents"; then
        echo "FAIL: the package does not hold $path"
        failures=$((failures + 1))
    fi
done
depends=$(dpkg-deb --field "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || {
    echo "FAIL: dependencies not computed from the program: $depends"
    failures=$((failures + 1))
}

report=$(lintian --tag-display-limit 0 "$deb" 2>&1)
echo "$report"
if grep -q '^E: ' <<<"$report"; then
    echo "FAIL: lintian reports errors"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "package checked" || exit 1
