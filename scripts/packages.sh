# Installs the Debian packages the build needs, when any is missing.
# Sourced by the other scripts.
#
# Building: CMake, Ninja, a C++20 compiler, Qt 6 with its SVG module, and Qt's
# own German texts (qtbase_de), which the editor loads for its standard
# buttons and dialogs: a declared dependency, not an option. lupdate and
# lrelease (qt6-l10n-tools) with their CMake functions (qt6-tools-dev) build
# the English translation.
marbolt_build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev
    qt6-translations-l10n qt6-l10n-tools qt6-tools-dev)
# The install test validates the installed tree with the desktop's own tools:
# desktop entry, AppStream metainfo, file types (built and queried) and man
# pages. The package test builds the Debian package (dpkg-shlibdeps) and
# checks it with lintian. Without them the tests are skipped.
marbolt_test_packages=(desktop-file-utils appstream shared-mime-info libglib2.0-bin groff-base
    dpkg-dev lintian)

marbolt_install_packages() {
    local wanted=("${marbolt_build_packages[@]}" "$@")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}
