#!/usr/bin/env bash
# Makes DIR/sqlite3.c and DIR/sqlite3.h, the one-file form of SQLite, from Debian's source
# package of sqlite3 (with Debian's patches), for the Windows build: scripts/sqlite-source.sh DIR.
#
# The package comes through apt-get from the mirrors the system already uses, with a source
# list, package lists and settings of its own under DIR, so the system's apt state is left
# as it was. Does nothing when DIR/sqlite3.c is there.
set -euo pipefail

dir=$1
[ -f "$dir/sqlite3.c" ] && exit 0
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
apt="$dir/apt"
rm -rf "$apt" "$dir/source" "$dir/make"
mkdir -p "$apt/sources" "$apt/parts" "$apt/lists/partial" "$apt/cache" "$dir/source" "$dir/make"

# The system's mirrors and keys, as source entries.
for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] && sed -E 's/^Types:.*/Types: deb-src/' "$list" >"$apt/sources/$(basename "$list")"
done
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] && sed -nE 's/^deb[[:space:]]/deb-src /p' "$list" >>"$apt/sources/system.list"
done

# The system's settings (a proxy, say) without its hooks, which act on the system's state.
cp -r /etc/apt/apt.conf.d/. "$apt/parts/" 2>/dev/null || true
cat >"$apt/parts/zz-waybill" <<CONF
#clear APT::Update::Pre-Invoke;
#clear APT::Update::Post-Invoke;
#clear APT::Update::Post-Invoke-Success;
#clear DPkg::Pre-Invoke;
#clear DPkg::Post-Invoke;
APT::Sandbox::User "root";
CONF
cat >"$apt/apt.conf" <<CONF
Dir::Etc::Parts "$apt/parts";
Dir::Etc::SourceList "/dev/null";
Dir::Etc::SourceParts "$apt/sources";
Dir::State::Lists "$apt/lists";
Dir::Cache "$apt/cache";
CONF
export APT_CONFIG="$apt/apt.conf"

echo "sqlite-source: fetching Debian's source package of sqlite3"
apt-get -qq update
(cd "$dir/source" && apt-get -qq source sqlite3 >/dev/null)
tree=$(find "$dir/source" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)

# The one-file form is made by the package's own build (a C compiler and tclsh).
(cd "$dir/make" && "$tree/configure" --disable-tcl >configure.log 2>&1 &&
    make sqlite3.c >make.log 2>&1) || {
    echo "sqlite-source: making sqlite3.c failed, see $dir/make" >&2
    exit 1
}
cp "$dir/make/sqlite3.h" "$dir/"
cp "$dir/make/sqlite3.c" "$dir/sqlite3.c.part"
mv "$dir/sqlite3.c.part" "$dir/sqlite3.c"
rm -rf "$apt" "$dir/source" "$dir/make" # some 200 MB, of no more use
