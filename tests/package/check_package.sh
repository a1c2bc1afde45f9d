#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack into a scratch
# folder and checks it as Debian would: its control fields, every file it must
# hold and nothing it must not, apt resolving its dependencies, lintian, and
# the unpacked programs running on their own. Exit 77 (skipped) where dpkg's
# or Debian's tools are missing.
#
# check_package.sh CPACK BUILD_DIR SCRATCH APP_ID VERSION
set -u
cpack=$1 build=$2 scratch=$3 id=$4 version=$5
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in dpkg dpkg-deb dpkg-shlibdeps dpkg-parsechangelog lintian apt-get; do
    if ! command -v "$tool" >/dev/null; then
        echo "Skipped: $tool is not installed"
        exit 77
    fi
done

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" \
    >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
fi
# Debian's file name: package_version_architecture.deb.
deb=$scratch/out/marbolt_${version}_$(dpkg --print-architecture).deb
if [ ! -s "$deb" ]; then
    ls "$scratch/out"
    echo "FAIL: cpack wrote no $(basename "$deb")"
    exit 1
fi

# The control fields: each line is a field and a pattern that the field's
# first line matches (the description's synopsis: lower case, no full stop).
while read -r field pattern; do
    value=$(dpkg-deb --field "$deb" "$field" | head -n 1)
    [[ $value =~ $pattern ]] || fail "field $field is '$value', not matching '$pattern'"
done <<FIELDS
Package ^marbolt$
Version ^${version//./\\.}$
Section ^games$
Priority ^optional$
Maintainer ^[^<]+\ <[^@>]+@[^>]+>$
Description ^[a-z].*[^.]$
Depends (^|,\ )qt6-translations-l10n(,|$)
Depends (^|,\ )libqt6widgets6\ \(>=
Depends (^|,\ )libqt6svg6\ \(>=
Depends (^|,\ )libc6\ \(>=
FIELDS

# Every file the package must hold, below /usr: the programs, the desktop's
# files, the manual pages as Debian compresses them, the README the editor's
# help reads (plain) with its pictures, the changelogs and the copyright.
contents=$scratch/contents
dpkg-deb --contents "$deb" >"$contents.long" || fail "dpkg-deb --contents"
# "mode path" a line, the path from /.
awk '{ print $1, substr($6, 2) }' "$contents.long" >"$contents"
listed=()
while read -r mode path; do
    listed+=("$path")
    got=$(awk -v p="$path" '$2 == p { print $1 }' "$contents")
    if [ -z "$got" ]; then
        fail "$path is not in the package"
    elif [ "$got" != "$mode" ]; then
        fail "$path has mode $got, not $mode"
    fi
done <<FILES
-rwxr-xr-x /usr/bin/marbolt
-rwxr-xr-x /usr/bin/marbolt-cli
-rw-r--r-- /usr/share/applications/$id.desktop
-rw-r--r-- /usr/share/mime/packages/$id.xml
-rw-r--r-- /usr/share/metainfo/$id.metainfo.xml
-rw-r--r-- /usr/share/icons/hicolor/scalable/apps/$id.svg
-rw-r--r-- /usr/share/icons/hicolor/48x48/apps/$id.png
-rw-r--r-- /usr/share/icons/hicolor/128x128/apps/$id.png
-rw-r--r-- /usr/share/icons/hicolor/256x256/apps/$id.png
-rw-r--r-- /usr/share/man/man1/marbolt.1.gz
-rw-r--r-- /usr/share/man/man1/marbolt-cli.1.gz
-rw-r--r-- /usr/share/man/de/man1/marbolt.1.gz
-rw-r--r-- /usr/share/man/de/man1/marbolt-cli.1.gz
-rw-r--r-- /usr/share/doc/marbolt/README.md
-rw-r--r-- /usr/share/doc/marbolt/docs/screenshot.png
-rw-r--r-- /usr/share/doc/marbolt/docs/karte.png
-rw-r--r-- /usr/share/doc/marbolt/docs/karte-zoom.png
-rw-r--r-- /usr/share/doc/marbolt/docs/check-dock.png
-rw-r--r-- /usr/share/doc/marbolt/CHANGELOG.md.gz
-rw-r--r-- /usr/share/doc/marbolt/changelog.gz
-rw-r--r-- /usr/share/doc/marbolt/copyright
-rw-r--r-- /usr/share/lintian/overrides/marbolt
FILES
# Nothing else: no test, no developer tool (demo world, benchmarks), nothing
# outside /usr, every entry root's, directories open to all.
others=$(comm -23 <(grep -v '^d' "$contents" | awk '{ print $2 }' | sort) \
    <(printf '%s\n' "${listed[@]}" | sort))
[ -z "$others" ] || fail "files the package must not hold: $others"
outside=$(awk '$2 != "/" && $2 !~ "^/usr/"' "$contents")
[ -z "$outside" ] || fail "entries outside /usr: $outside"
strangers=$(awk '$2 != "root/root" { print $6 }' "$contents.long")
[ -z "$strangers" ] || fail "entries not owned by root: $strangers"
dirs=$(awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print $2 }' "$contents")
[ -z "$dirs" ] || fail "directories without mode 755: $dirs"

# The Debian changelog names the package's version.
root=$scratch/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
if [ -s "$root/usr/share/doc/marbolt/changelog.gz" ]; then
    zcat "$root/usr/share/doc/marbolt/changelog.gz" >"$scratch/changelog"
    got=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>&1)
    [ "$got" = "$version" ] || fail "the Debian changelog names version '$got'"
fi

# The unpacked programs answer on their own: nothing else of ours installed.
for program in marbolt marbolt-cli; do
    got=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --version 2>&1)
    [ "$got" = "$program $version" ] || fail "unpacked $program --version printed '$got'"
done

# apt resolves the dependencies from the archive of this system.
if ! apt-get install --simulate "$deb" >"$scratch/apt.log" 2>&1; then
    if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
        cat "$scratch/apt.log"
        echo "Skipped: apt has no package lists to resolve from (apt-get update)"
        exit 77
    fi
    cat "$scratch/apt.log"
    fail "apt-get install --simulate"
elif ! grep -q '^Inst marbolt ' "$scratch/apt.log" &&
    ! grep -q 'marbolt is already the newest version' "$scratch/apt.log"; then
    cat "$scratch/apt.log"
    fail "apt-get install --simulate would not install marbolt"
fi

# lintian: no error and no warning; what it still says is shown.
if ! lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1; then
    fail "lintian:
$(cat "$scratch/lintian.log")"
else
    cat "$scratch/lintian.log"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "$(basename "$deb") is complete, resolvable and lintian-clean."
