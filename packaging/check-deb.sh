#!/bin/sh
# Builds the Debian package from a configured and built tree and checks what it holds: the
# control fields (name, the project's version, Depends with Qt, the two Chinese fonts and Qt's
# translations), exactly the files the program and its packer install and nothing else, stripped
# programs, the office's instructions as written, and, unpacked into a scratch root, that the
# desktop entry, its icon, its program and the metainfo find one another and still validate, and
# that the packer makes a program there.
#
#   sh packaging/check-deb.sh <build dir> <version> [<scratch dir>]
#
# Needs cmake (cpack), dpkg-deb, dpkg-shlibdeps (dpkg-dev), desktop-file-validate
# (desktop-file-utils), appstreamcli (appstream) and readelf (binutils).
set -eu
# cpack and tar name files in the locale's encoding: the instructions' Chinese name needs UTF-8.
export LC_ALL=C.UTF-8

usage="usage: check-deb.sh <build dir> <version> [<scratch dir>]"
build=${1:?$usage}
version=${2:?$usage}
build=$(cd "$build" && pwd)
scratch=${3:-$build/deb-check}
here=$(cd "$(dirname "$0")" && pwd)

app_id=org.merrowdale.ExamResults
icon=merrowdale-results
guide=使用说明.txt
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli readelf; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

rm -rf "$scratch"
mkdir -p "$scratch"
cpack -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack -G DEB" >&2; exit 1; }

set -- "$scratch"/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FAIL: expected one .deb in $scratch, found: $*" >&2; exit 1; }
deb=$1
echo "built $deb"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = merrowdale-results ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected '$version'"
depends=$(field Depends)
for package in libqt6widgets6 fonts-arphic-uming fonts-wqy-zenhei qt6-translations-l10n; do
    # Match whole package names in the comma-separated list, with or without a version.
    echo ", $depends," | grep -Eq ", *$package( *\([^)]*\))? *," ||
        fail "Depends lacks $package: $depends"
done

# Regular files only; directories differ with the install prefix's layout.
cat >"$scratch/expected-files" <<END
./usr/bin/merrowdale-pack
./usr/bin/merrowdale-results
./usr/share/applications/$app_id.desktop
./usr/share/doc/merrowdale-results/$guide
./usr/share/icons/hicolor/256x256/apps/$icon.png
./usr/share/icons/hicolor/48x48/apps/$icon.png
./usr/share/icons/hicolor/scalable/apps/$icon.svg
./usr/share/metainfo/$app_id.metainfo.xml
END
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$scratch/package-files"
diff -u "$scratch/expected-files" "$scratch/package-files" ||
    fail "the package holds other files than the program installs"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

for program in merrowdale-results merrowdale-pack; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
    # A stripped program has no symbol table; its dynamic symbols stay, as they must.
    if readelf -S -W "$root/usr/bin/$program" | grep -Eq ' \.(symtab|debug_[a-z]+) '; then
        fail "usr/bin/$program is not stripped"
    fi
done
same() {
    cmp -s "$here/$1" "$share/$2" || fail "installed $2 differs from packaging/$1"
}
same "$app_id.desktop" "applications/$app_id.desktop"
same bundle-guide.txt "doc/merrowdale-results/$guide"
cmp -s "$build/packaging/$app_id.metainfo.xml" "$share/metainfo/$app_id.metainfo.xml" ||
    fail "installed metainfo differs from the one the build generated"
grep -q "<release version=\"$version\"" "$share/metainfo/$app_id.metainfo.xml" ||
    fail "metainfo has no release $version"
same "icons/48x48/$icon.png" "icons/hicolor/48x48/apps/$icon.png"
same "icons/256x256/$icon.png" "icons/hicolor/256x256/apps/$icon.png"
same "icons/$icon.svg" "icons/hicolor/scalable/apps/$icon.svg"

desktop=$share/applications/$app_id.desktop
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
for dir in 48x48 256x256; do
    [ -f "$share/icons/hicolor/$dir/apps/$icon_name.png" ] ||
        fail "Icon=$icon_name has no $dir icon"
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$share/metainfo/$app_id.metainfo.xml" || fail "metainfo does not launch $app_id.desktop"

# As an office does: the installed packer, given a list alone, finds the program beside itself and
# writes the new one beside the list (at the tests' low work factor).
list_dir="$scratch/成绩 表"
mkdir -p "$list_dir"
cp "$here/../data/results.tsv" "$list_dir/"
"$root/usr/bin/merrowdale-pack" --iterations 64 "$list_dir/results.tsv" </dev/null \
    >"$scratch/pack.log" 2>&1 || { cat "$scratch/pack.log" >&2; fail "the installed packer failed"; }
[ -f "$list_dir/成绩查询" ] || fail "the installed packer wrote no 成绩查询 beside the list"

desktop-file-validate "$desktop" || fail "installed desktop entry does not validate"
appstreamcli validate-tree --no-net "$root" || fail "installed tree does not validate"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
