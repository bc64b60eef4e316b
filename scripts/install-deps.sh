#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Waybill need; with
# "windows", those the Windows build and its run under Wine need instead (make windows).
# Idempotent: prints nothing and touches nothing when everything is present.
set -euo pipefail

linux=(
    build-essential cmake ninja-build pkg-config
    clang libclang-rt-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libsqlite3-dev sqlite3 libfontconfig-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    xvfb xauth poppler-utils
    dpkg-dev file librsvg2-bin gzip
    lintian desktop-file-utils appstream man-db shared-mime-info xdg-utils libfile-mimeinfo-perl bash-completion
    locales
    fonts-dejavu-core fonts-liberation2
)
windows=(
    g++-mingw-w64-x86-64-posix wine64 googletest
    cmake ninja-build sqlite3
    dpkg-dev gcc make tcl # apt-get source, and SQLite's one-file source made from it
)
if [ "${1:-}" = windows ]; then
    packages=("${windows[@]}")
else
    packages=("${linux[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
