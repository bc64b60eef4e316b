#!/usr/bin/env bash
# Checks the Debian package that "make package" built in BUILD: Debian's lint, the desktop
# entry, the AppStream metadata, the document types and the manual pages; then runs the
# unpacked tree's waybill-cli on the package's own sample, so the data is found through the
# installed layout alone.
set -euo pipefail

build=${1:?usage: check-package.sh BUILD}
deb=$(ls -t "$build"/waybill_*_*.deb | head -n 1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "check-package: $*" >&2
    failed=1
}

echo "== $deb"
# Errors and warnings fail; an override in the package says why it is one.
if ! lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.txt" 2>&1; then
    cat "$work/lintian.txt" >&2
    fail "lintian found errors or warnings"
fi

root=$work/root
dpkg-deb -x "$deb" "$root"

desktop-file-validate "$root/usr/share/applications/waybill.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.txt" ||
    { cat "$work/appstream.txt" >&2; fail "AppStream metadata"; }

# The document types as the desktops see them once the package's file is in the database:
# a .fwb and a .wbl by name, the shipped document also by its first bytes alone.
mkdir -p "$work/share/mime/packages" "$work/files"
cp "$root/usr/share/mime/packages/waybill.xml" "$work/share/mime/packages/"
cp /usr/share/mime/packages/freedesktop.org.xml "$work/share/mime/packages/"
XDG_DATA_DIRS="$work/share" update-mime-database "$work/share/mime" || fail "shared-mime-info rejects waybill.xml"
cp "$root/usr/share/waybill/Default.fwb" "$work/files/job"
: >"$work/files/x.fwb"
: >"$work/files/old.WBL"
for expected in x.fwb:application/x-waybill job:application/x-waybill \
    old.WBL:application/x-waybill-legacy; do
    file=${expected%%:*}
    type=$(XDG_CURRENT_DESKTOP= XDG_DATA_HOME="$work/share" XDG_DATA_DIRS="$work/share" \
        xdg-mime query filetype "$work/files/$file")
    [ "$type" = "${expected#*:}" ] || fail "xdg-mime says $file is \"$type\", not ${expected#*:}"
done

# Each manual page renders without a warning (what lintian's man check runs, too).
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
# The completion as bash runs it: after a generator come its variants and fields.
completion=$(bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    compopt() { :; }
    COMP_WORDS=(waybill-cli detail in.fwb out.fwb gutter "")
    COMP_CWORD=5 COMP_LINE="${COMP_WORDS[*]}" COMP_POINT=${#COMP_LINE}
    _waybill_cli
    echo "${COMPREPLY[*]}"' _ "$root/usr/share/bash-completion/completions/waybill-cli")
[[ $completion == "oversize standard severeice Width= "* ]] ||
    fail "bash completion after \"detail IN OUT gutter\" offers \"$completion\""

# The unpacked programs, with settings of their own, find the data through ../share/waybill.
export XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
cli=$root/usr/bin/waybill-cli
version=$("$cli" --version) || fail "waybill-cli --version"
[[ $version =~ ^waybill-cli\ [0-9] ]] || fail "waybill-cli --version says \"$version\""
zcat "$root/usr/share/doc/waybill/changelog.gz" | head -n 1 | grep -qF "(${version#waybill-cli })" ||
    fail "packaging/changelog has no entry for version ${version#waybill-cli }"
for program in waybill waybillstart; do
    "$root/usr/bin/$program" --version >/dev/null || fail "$program --version"
done
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$cli" pdf "$root/usr/share/waybill/Default.fwb" "$work/Default.pdf" 2>"$work/pdf.txt"; then
    # A missing block or font would be reported on stderr.
    [ ! -s "$work/pdf.txt" ] || { cat "$work/pdf.txt" >&2; fail "waybill-cli pdf reported problems"; }
    pdffonts "$work/Default.pdf" | grep -q ArialDT || fail "the PDF lacks the installed drawing font"
else
    cat "$work/pdf.txt" >&2
    fail "waybill-cli pdf on the installed sample"
fi

[ "$failed" -eq 0 ] && echo "check-package: all checks passed"
exit "$failed"
