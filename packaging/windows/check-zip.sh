#!/usr/bin/env bash
# Checks the Windows zip that "make windows" built: check-zip.sh ZIP OBJDUMP RUN...
# where OBJDUMP reads Windows programs and RUN... runs one (the build's emulator).
# The program needs no DLL beyond Windows' own; the README is Windows text naming every
# command; unpacked into a folder whose name holds a blank and an accented letter, the
# program finds its database and templates beside itself and runs detail, export-table and
# find there, and prints to a console what reads right.
set -euo pipefail

zip=$1
objdump=$2
shift 2
run=("$@")
failed=0
fail() {
    echo "check-zip: $*" >&2
    failed=1
}

work="$(dirname "$zip")/zip-check"
folder="$work/Waybill é CLI"
rm -rf "$work"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip")
cd "$folder"

for name in waybill-cli.exe DefWaybill.db Default.fwb Red-line.fwb PunchTemplates.txt README.txt; do
    [ -s "$name" ] || fail "$name is missing"
done
for name in blocks fonts; do
    [ -n "$(ls -A "$name" 2>/dev/null)" ] || fail "$name\\ is missing or empty"
done

# Windows' own libraries only; a compiler's run-time DLL would have to be shipped beside it.
while read -r dll; do
    case "${dll,,}" in
    kernel32.dll | msvcrt.dll | advapi32.dll | user32.dll | shell32.dll | ole32.dll | \
        ws2_32.dll | secur32.dll | bcrypt.dll | api-ms-win-*.dll) ;;
    *) fail "waybill-cli.exe needs $dll" ;;
    esac
done < <("$objdump" -p waybill-cli.exe | sed -n 's/^[[:space:]]*DLL Name: //p')

if grep -q $'[^\r]$\|^$' README.txt; then
    fail "README.txt has a line that does not end in CR LF"
fi
"${run[@]}" "$folder/waybill-cli.exe" --help >help.txt
for command in $(sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' help.txt); do
    grep -q "^  $command \|\"$command\"" README.txt || fail "README.txt does not name $command"
done

# A job with a number and one quantity, from the shipped template.
sed -e 's/^Job Number: /Job Number: 24-0173/' -e "s/^|ABOLT|AB1||1'-0|/|ABOLT|AB1|4|1'-0|/" \
    Default.fwb >"Job 24-0173.fwb"
cli() {
    "${run[@]}" "$folder/waybill-cli.exe" "$@" >out.txt 2>err.txt || {
        cat out.txt err.txt >&2
        fail "waybill-cli.exe $* failed"
    }
}
cli detail "Job 24-0173.fwb" "With cap trim.fwb" cap-trim Dim=4 CtSF=1 BcSF=2
cli export-table "With cap trim.fwb" order.txt
# The part number and weight come from the database beside the program.
[ "$(head -n 1 order.txt 2>/dev/null)" = $'24-0173;ABOLT;4;56AB34;12;1\';0";0";;;;1;\r' ] ||
    fail "export-table wrote: $(cat order.txt 2>/dev/null)"
cli find "cap trim" "With cap trim.fwb"
grep -q "^With cap trim.fwb: page 30 (captrim), title-block" out.txt ||
    fail "find printed: $(cat out.txt)"

# On a console (a terminal's, under the emulator) the text reads right, whatever the console's
# code page: names outside it included.
cp "With cap trim.fwb" "Job 日本 é.fwb"
LC_ALL=C.UTF-8 script -qec "$(printf '%q ' "${run[@]}" "$folder/waybill-cli.exe" find "cap trim" \
    "Job 日本 é.fwb")" /dev/null </dev/null >console.txt 2>&1 || true
grep -q "Job 日本 é.fwb: page 30 (captrim)" <(sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' console.txt) ||
    fail "find printed on the console: $(cat console.txt)"

[ $failed -eq 0 ] && echo "check-zip: $(basename "$zip") works from $folder"
exit $failed
