#!/usr/bin/env bash
# Installs the build into a scratch root as a package build would (DESTDIR),
# checks that every file a desktop needs is there, and runs the desktop's own
# validators over them. Exit 77 (skipped) when a validator is not installed,
# after everything else has passed.
#
# check_install.sh BUILD_DIR SCRATCH PREFIX APP_ID VERSION DEMO_BIN
set -u
build=$1 scratch=$2 prefix=$3 id=$4 version=$5 demo=$6
root=$scratch/root
tree=$root$prefix
failures=0
missing_tools=()

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! DESTDIR=$root cmake --install "$build" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

for f in bin/marbolt bin/marbolt-cli \
    share/applications/$id.desktop \
    share/mime/packages/$id.xml \
    share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/marbolt.1 share/man/man1/marbolt-cli.1 \
    share/man/de/man1/marbolt.1 share/man/de/man1/marbolt-cli.1 \
    share/doc/marbolt/README.md share/doc/marbolt/CHANGELOG.md \
    share/doc/marbolt/docs/screenshot.png; do
    [ -s "$tree/$f" ] || fail "$f is not installed"
done
for f in bin/marbolt bin/marbolt-cli; do
    [ -x "$tree/$f" ] || fail "$f is not executable"
done

# The PNG icons: a PNG signature, and width and height of their folder's size.
for size in 48 128 256; do
    png=$tree/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -s "$png" ]; then
        fail "the $size px icon is not installed"
        continue
    fi
    header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    expected=$(printf '89504e470d0a1a0a0000000d49484452%08x%08x' "$size" "$size")
    [ "$header" = "$expected" ] || fail "$png is no ${size}x${size} PNG"
done

# The installed programs run and know their version (the editor answers
# without a display).
for program in marbolt marbolt-cli; do
    got=$(QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY= "$tree/bin/$program" --version 2>&1)
    [ "$got" = "$program $version" ] || fail "$program --version printed '$got'"
done

# Man pages, English and German, carry the version and are valid for man's
# formatter. They are plain ASCII, umlauts written as groff escapes: groff
# reads other bytes as Latin-1 unless it is told the encoding.
for page in man1/marbolt man1/marbolt-cli de/man1/marbolt de/man1/marbolt-cli; do
    grep -q "\"Marbolt $version\"" "$tree/share/man/$page.1" ||
        fail "$page.1 does not name version $version"
    if LC_ALL=C grep -q '[^[:print:][:space:]]' "$tree/share/man/$page.1"; then
        fail "$page.1 holds bytes beyond ASCII (write \\(:a, \\(ss and the like)"
    fi
    if command -v groff >/dev/null; then
        warnings=$(groff -man -Tutf8 -ww -z "$tree/share/man/$page.1" 2>&1)
        [ -z "$warnings" ] || fail "$page.1: $warnings"
    fi
done

if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$tree/share/applications/$id.desktop" 2>&1) ||
        fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
else
    missing_tools+=(desktop-file-validate)
fi

if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --no-net "$tree/share/metainfo/$id.metainfo.xml" 2>&1) ||
        fail "appstreamcli validate: $out"
else
    missing_tools+=(appstreamcli)
fi

# The file types: the database builds, the extensions name the kinds, and the
# content of a scenario without an extension is recognised.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
    mime=$scratch/mime-data
    mkdir -p "$mime/mime/packages"
    cp "$tree/share/mime/packages/$id.xml" "$mime/mime/packages/"
    out=$(update-mime-database "$mime/mime" 2>&1 | grep -v -e 'not in the search path' \
        -e 'XDG_' -e 'environment variables' -e 'able to find it' -e 'directories currently' \
        -e '^- /' -e '^$')
    [ -z "$out" ] || fail "update-mime-database: $out"
    world=$scratch/demo
    if "$demo" "$world" >/dev/null 2>&1; then
        type_of() {
            XDG_DATA_HOME=$mime XDG_DATA_DIRS=$mime:/usr/share \
                gio info -a standard::content-type "$1" 2>/dev/null |
                sed -n 's/.*standard::content-type: //p'
        }
        check_type() {
            local got
            got=$(type_of "$1")
            [ "$got" = "$2" ] || fail "$(basename "$1") is $got, not $2"
        }
        s=$world/Szenarien
        check_type "$s/Inselreich.szs" application/x-brim-scenario-vo-single
        check_type "$s/Handelskrieg.szm" application/x-brim-scenario-vo-multi
        check_type "$s/Rumo Abenteuer.mfs" application/x-brim-scenario-rumo-single
        check_type "$s/Rumo Mehrspieler.mfm" application/x-brim-scenario-rumo-multi
        check_type "$s/Spielstand 1.gam" application/x-brim-savegame
        # Without their names the files are still scenarios: one starting
        # with its island references (SZENE), one with its campaign.
        cp "$s/Inselreich.szs" "$scratch/welt"
        cp "$s/Rumo Abenteuer.mfs" "$scratch/kampagne"
        check_type "$scratch/welt" application/x-brim-scenario
        check_type "$scratch/kampagne" application/x-brim-scenario
        printf 'INSEL5 is just a word in this text\n' >"$scratch/text"
        [ "$(type_of "$scratch/text")" != application/x-brim-scenario ] ||
            fail "a text file is taken for a scenario"
    else
        fail "marbolt-demo could not write the demo world"
    fi
else
    missing_tools+=(update-mime-database/gio)
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
if [ ${#missing_tools[@]} -gt 0 ]; then
    echo "The installed files are complete; not checked for lack of: ${missing_tools[*]}"
    exit 77
fi
echo "The installed tree is complete and valid."
