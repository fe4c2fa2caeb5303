#!/usr/bin/env bash
# Builds the Debian package from an already built tree, unpacks it into a fresh
# root and checks what a user gets from installing it: control fields and
# dependencies, the file list, the validators' verdicts on the installed menu
# entry and metadata, the icons, the manual pages, and both programs started
# from their installed paths.
#
# Options (all passed by tests/package/CMakeLists.txt):
#   --cpack CPACK --config CPackConfig.cmake --source-dir DIR --example WAV
#   --version V --product P --company C --app-id ID --ui-built 0|1
# Exit status: 0 passed, 1 failed, 77 skipped.
set -uo pipefail

while [ $# -gt 0 ]; do
    case "$1" in
        --cpack) cpack=$2 ;;
        --config) config=$2 ;;
        --source-dir) source_dir=$2 ;;
        --example) example=$2 ;;
        --version) version=$2 ;;
        --product) product=$2 ;;
        --company) company=$2 ;;
        --app-id) app_id=$2 ;;
        --ui-built) ui_built=$2 ;;
        *) echo "check-package.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
for v in cpack config source_dir example version product company app_id ui_built; do
    if [ -z "${!v:-}" ]; then
        echo "check-package.sh: --${v//_/-} is required" >&2
        exit 2
    fi
done

if [ "$ui_built" != 1 ]; then
    echo "SKIPPED: the brellow window was not built (BRELLOW_BUILD_UI=OFF), so there is no package to check."
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
die() {
    echo "FAIL: $*" >&2
    exit 1
}
pass() { echo "ok: $*"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/brellow-package.XXXXXX") || die "no temporary folder"
trap 'rm -rf "$work"' EXIT
root="$work/root"
package=$(printf '%s' "$product" | tr '[:upper:]' '[:lower:]')
arch=$(dpkg --print-architecture)

# --- Build -------------------------------------------------------------------
if ! "$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    die "cpack -G DEB failed"
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
shopt -u nullglob
[ ${#debs[@]} -eq 1 ] || die "expected one .deb, cpack made ${#debs[@]}: ${debs[*]}"
deb=${debs[0]}
expected_name="${package}_${version}_${arch}.deb"
[ "$(basename "$deb")" = "$expected_name" ] \
    && pass "package file $expected_name" \
    || fail "package file is $(basename "$deb"), expected $expected_name"

# --- Control fields ------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() { # name, expected value
    local got
    got=$(field "$1")
    [ "$got" = "$2" ] && pass "$1: $got" || fail "$1 is '$got', expected '$2'"
}
expect_field Package "$package"
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Section sound
expect_field Priority optional
maintainer=$(field Maintainer)
[[ "$maintainer" =~ ^"$company"\ \<[^@\ ]+@[^\>\ ]+\>$ ]] \
    && pass "Maintainer: $maintainer" || fail "Maintainer '$maintainer' is not '$company <address>'"
[ -n "$(field Homepage)" ] || fail "no Homepage field"
description=$(field Description)
summary=$(head -n 1 <<<"$description")
[ -n "$summary" ] && [ "$(wc -l <<<"$description")" -ge 2 ] \
    && pass "Description: $summary (+ long text)" || fail "Description lacks a summary or a long text"

depends=$(field Depends)
echo "Depends: $depends"
# One dependency name per line, alternatives and version constraints dropped.
dep_names=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/\(.*\)//; s/:[a-z0-9]+//; s/[[:space:]]//g' | grep -v '^$' | sort -u)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-translations-l10n; do
    grep -qx "$needed" <<<"$dep_names" || fail "Depends lacks $needed"
done
if grep -E -- '-dev$|-dev-' <<<"$dep_names"; then
    fail "Depends names development packages"
fi
# Every group must be satisfiable from what this Debian system has installed.
IFS=',' read -ra groups <<<"$depends"
for group in "${groups[@]}"; do
    satisfied=0
    IFS='|' read -ra alternatives <<<"$group"
    for alt in "${alternatives[@]}"; do
        name=$(sed -E 's/\(.*\)//; s/[[:space:]]//g; s/:any$//' <<<"$alt")
        installed=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null | head -n 1) || installed=
        [ -n "$installed" ] || continue
        if [[ "$alt" =~ \(([<>=]+)[[:space:]]*([^\)]+)\) ]]; then
            dpkg --compare-versions "$installed" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]// /}" || continue
        fi
        satisfied=1
        break
    done
    [ $satisfied = 1 ] || fail "dependency '${group# }' cannot be satisfied on this system"
done
# apt-get install ./package on a system with nothing installed yet, simulated
# against this machine's package lists: it must resolve, from the archive, to
# run-time packages only.
# (Captured first: grep -q would end the pipe early and pipefail would see SIGPIPE.)
if grep -q 'Candidate: [0-9]' <<<"$(apt-cache policy libqt6widgets6 2>/dev/null)"; then
    : >"$work/empty-status"
    apt-get -s -o Dir::State::status="$work/empty-status" -o Debug::NoLocking=1 \
        -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= \
        install "$deb" >"$work/apt-sim.log" 2>&1
    rc=$?
    installs=$(sed -n 's/^Inst \([^ ]*\) .*/\1/p' "$work/apt-sim.log")
    if [ $rc -ne 0 ] || ! grep -qx "$package" <<<"$installs"; then
        tail -n 20 "$work/apt-sim.log" >&2
        fail "apt-get cannot install the package on a fresh system"
    elif grep -E -- '-dev$' <<<"$installs" >&2; then
        fail "installing the package on a fresh system pulls in development packages"
    else
        pass "apt-get would install it on a fresh system with $(wc -l <<<"$installs") packages"
    fi
else
    echo "note: no apt package lists here, so the fresh-system install was not simulated"
fi

# --- Contents ------------------------------------------------------------------
expected_files=(
    ./usr/bin/brellow
    ./usr/bin/brellow-cli
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    "./usr/share/doc/$package/copyright"
    ./usr/share/man/man1/brellow.1.gz
    ./usr/share/man/man1/brellow-cli.1.gz
    ./usr/lib/brellow/brellow-media.so
    ./usr/lib/brellow/brellow-stretch.so
    ./usr/share/brellow/models/speech-v5.bin
)
icon_sizes=(16 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
    expected_files+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
# One catalogue for each translation in the source tree.
for ts in "$source_dir"/res/translations/"$package"_*.ts; do
    expected_files+=("./usr/share/$package/translations/$(basename "$ts" .ts).qm")
done
dpkg-deb -c "$deb" >"$work/contents" || die "dpkg-deb -c failed"
# Columns: mode owner/group size date time path
awk '$1 !~ /^d/ {print $6}' "$work/contents" | sort >"$work/files.actual"
printf '%s\n' "${expected_files[@]}" | sort >"$work/files.expected"
if diff -u "$work/files.expected" "$work/files.actual" >"$work/files.diff"; then
    pass "file list (${#expected_files[@]} files)"
else
    cat "$work/files.diff" >&2
    fail "the package's file list differs from the expected one"
fi
awk '$2 != "root/root" {print}' "$work/contents" | grep . >&2 && fail "entries not owned by root/root"
awk '$1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" {print}
     $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" {print}
     $1 ~ /^d/ && $1 != "drwxr-xr-x" {print}' "$work/contents" | grep . >&2 \
    && fail "entries with unexpected permissions"

dpkg-deb -x "$deb" "$root" || die "dpkg-deb -x failed"
bin="$root/usr/bin"

# --- Binaries ------------------------------------------------------------------
for program in brellow brellow-cli; do
    exe="$bin/$program"
    [ -x "$exe" ] || { fail "$program is not installed as an executable"; continue; }
    kind=$(file -b "$exe")
    grep -q '^ELF .*executable' <<<"$kind" || fail "$program is not an ELF program: $kind"
    grep -q 'not stripped' <<<"$kind" && fail "$program is not stripped"
    readelf -d "$exe" | grep -E 'RPATH|RUNPATH' >&2 && fail "$program carries a run-time search path"
    if env -u LD_LIBRARY_PATH ldd "$exe" | grep 'not found' >&2; then
        fail "$program needs libraries that are not there"
    fi
    # Each library the program links directly must come from a declared
    # dependency. dpkg -S is asked once for every name a library may be
    # known by: one query per name takes minutes on a busy machine.
    declare -A path_of=()
    candidates=()
    libs=$(env -u LD_LIBRARY_PATH ldd "$exe")
    while read -r lib; do
        path=$(awk -v l="$lib" '$1 == l {print $3}' <<<"$libs")
        path_of[$lib]=$path
        [ -n "$path" ] && candidates+=("$path" "${path#/usr}" "/usr$path" "$(readlink -f "$path")")
    done < <(readelf -d "$exe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    owners=
    [ ${#candidates[@]} -gt 0 ] && owners=$(dpkg -S "${candidates[@]}" 2>/dev/null)
    for lib in "${!path_of[@]}"; do
        path=${path_of[$lib]}
        owner=
        for candidate in "$path" "${path#/usr}" "/usr$path" "$(readlink -f "$path")"; do
            # "package:arch, other: path"
            owner=$(awk -v p="$candidate" '{ i = index($0, ": ") }
                substr($0, i + 2) == p { split(substr($0, 1, i - 1), o, /[:,]/); print o[1]; exit }' \
                <<<"$owners")
            [ -n "$owner" ] && break
        done
        if [ -z "$owner" ]; then
            fail "$program links $lib ($path), which no Debian package provides"
        elif ! grep -qx "$owner" <<<"$dep_names"; then
            fail "$program links $lib from $owner, which Depends does not name"
        fi
    done
done
if grep -q 'NEEDED.*libQt' <<<"$(readelf -d "$bin/brellow-cli")"; then
    fail "brellow-cli links Qt; it should need only the core and the C++ run-time"
fi

# --- Desktop entry -------------------------------------------------------------
desktop="$root/usr/share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1)
    rc=$?
    echo "desktop-file-validate: exit $rc${out:+, }$out"
    [ $rc -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate does not accept the desktop entry"
    key() { sed -n "s/^$1=//p" "$desktop"; }
    [ "$(key Name)" = "$product" ] || fail "desktop Name is '$(key Name)', expected '$product'"
    [ "$(key Icon)" = "$app_id" ] || fail "desktop Icon is '$(key Icon)', expected '$app_id'"
    exec_program=$(key Exec | cut -d' ' -f1)
    [ -x "$bin/$exec_program" ] || fail "desktop Exec '$exec_program' is not an installed program"
    grep -qx "X-Quorvel-Version=$version" "$desktop" || fail "desktop entry does not carry version $version"
    # In each language of the window: the menu's texts, the descriptive ones translated.
    for ts in "$source_dir"/res/translations/"$package"_*.ts; do
        lang=$(basename "$ts" .ts)
        lang=${lang#"$package"_}
        for k in Name GenericName Comment Keywords; do
            value=$(key "$k\[$lang\]")
            [ -n "$value" ] && { [ $k = Name ] || [ "$value" != "$(key $k)" ]; } \
                || fail "desktop entry lacks a translated $k[$lang]"
        done
    done
else
    fail "no desktop entry"
fi

# --- AppStream metadata --------------------------------------------------------
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)
    rc=$?
    echo "appstreamcli validate --no-net: exit $rc: $(tr '\n' ' ' <<<"$out")"
    [ $rc -eq 0 ] || fail "appstreamcli does not accept the metadata"
    # The tree check ties the metadata to the installed desktop entry and icons.
    out=$(appstreamcli validate-tree --no-net --no-color "$root" 2>&1)
    rc=$?
    echo "appstreamcli validate-tree --no-net: exit $rc: $(tr '\n' ' ' <<<"$out")"
    [ $rc -eq 0 ] || fail "appstreamcli does not accept the installed tree"
    grep -q "<id>$app_id</id>" "$metainfo" || fail "metadata id is not $app_id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
        || fail "metadata does not launch $app_id.desktop"
    grep -q "<name>$product</name>" "$metainfo" || fail "metadata name is not $product"
    grep -q "<developer_name>$company</developer_name>" "$metainfo" || fail "metadata developer is not $company"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "metadata has no release $version"
else
    fail "no AppStream metadata"
fi

# --- Icons ---------------------------------------------------------------------
u32be() { od -An -t x1 -j "$2" -N 4 "$1" | tr -d ' \n' | sed 's/^/0x/'; }
for size in "${icon_sizes[@]}"; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$icon" ] || { fail "no ${size}x${size} icon"; continue; }
    signature=$(od -An -t x1 -N 8 "$icon" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || { fail "${size}x${size} icon is not a PNG"; continue; }
    width=$(($(u32be "$icon" 16)))
    height=$(($(u32be "$icon" 20)))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] \
        || fail "${size}x${size} icon is ${width}x${height}"
done

# --- Catalogues ----------------------------------------------------------------
for qm in "$root/usr/share/$package/translations/"*.qm; do
    [ "$(od -An -t x1 -N 16 "$qm" | tr -d ' \n')" = 3cb86418caef9c95cd211cbf60a1bddd ] \
        || fail "$(basename "$qm") is not a Qt catalogue"
done

# --- Licence and manual pages --------------------------------------------------
cmp -s "$root/usr/share/doc/$package/copyright" "$source_dir/LICENSE" \
    || fail "share/doc/$package/copyright is not the project's LICENSE"
for page in brellow brellow-cli; do
    gz="$root/usr/share/man/man1/$page.1.gz"
    [ -f "$gz" ] || { fail "no manual page for $page"; continue; }
    warnings=$(gzip -dc "$gz" | groff -man -ww -z -Tutf8 2>&1)
    [ -z "$warnings" ] && pass "man page $page(1) renders without warnings" \
        || fail "groff warns about $page(1): $warnings"
done

# --- The terminal program ------------------------------------------------------
cli="$bin/brellow-cli"
out=$(env -u LD_LIBRARY_PATH "$cli" --version 2>&1)
rc=$?
[ $rc -eq 0 ] && grep -qF "$version" <<<"$out" \
    && pass "brellow-cli --version: $out" || fail "brellow-cli --version (exit $rc) does not print $version: $out"
help=$(env -u LD_LIBRARY_PATH "$cli" --help 2>&1)
rc=$?
[ $rc -eq 0 ] && grep -q 'brellow-cli' <<<"$help" || fail "brellow-cli --help (exit $rc): $help"
# The manual page and --help must offer the same options.
man_options=$(gzip -dc "$root/usr/share/man/man1/brellow-cli.1.gz" | grep -o '\\-\\-[a-z][a-z-]*' \
    | sed 's/\\//g' | sort -u)
help_options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
[ -n "$help_options" ] && [ "$man_options" = "$help_options" ] \
    && pass "man page and --help both list: $(tr '\n' ' ' <<<"$help_options")" \
    || fail "options differ: man page [$(tr '\n' ' ' <<<"$man_options")], --help [$(tr '\n' ' ' <<<"$help_options")]"

# Convert the bundled example and check the file against the size the source
# declares: D = 2 * ((g mod 512) + 4 * (g - 7 * floor(g / 512))) - 14, file 44 + D.
[ -f "$example" ] || die "the example recording $example is missing"
u32le() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
u16le() { od -An -t u2 -j "$2" -N 2 "$1" | tr -d ' '; }
tag() { dd if="$1" bs=1 skip="$2" count=4 2>/dev/null; }
source_size=$(stat -c %s "$example")
g=
pos=12
while [ $((pos + 8)) -le "$source_size" ]; do
    chunk_size=$(u32le "$example" $((pos + 4)))
    if [ "$(tag "$example" "$pos")" = data ]; then
        g=$chunk_size
        break
    fi
    pos=$((pos + 8 + chunk_size + chunk_size % 2))
done
[ -n "$g" ] || die "no data chunk in $example"
d=$(((2 * ((g % 512) + 4 * (g - 7 * (g / 512))) - 14) & 0xFFFFFFFF))

mkdir -p "$work/converted"
title=$(basename "$example")
title=${title%.*}
env -u LD_LIBRARY_PATH "$cli" --yes "$example" "$work/converted" </dev/null >"$work/cli.out" 2>"$work/cli.err"
rc=$?
[ $rc -eq 0 ] || { cat "$work/cli.err" >&2; fail "brellow-cli --yes exited with $rc"; }
made=$(ls -A "$work/converted")
wav="$work/converted/$title.WAV"
if [ "$made" != "$title.WAV" ]; then
    fail "brellow-cli made [$made], expected $title.WAV"
elif [ "$(stat -c %s "$wav")" -ne $((44 + d)) ]; then
    fail "$title.WAV is $(stat -c %s "$wav") bytes, expected 44 + $d"
else
    header_ok=1
    [ "$(tag "$wav" 0)$(tag "$wav" 8)$(tag "$wav" 12)$(tag "$wav" 36)" = "RIFFWAVEfmt data" ] || header_ok=0
    [ "$(u32le "$wav" 4)" = $((36 + d)) ] || header_ok=0
    [ "$(u32le "$wav" 16)" = 16 ] || header_ok=0
    [ "$(u16le "$wav" 20)" = 1 ] || header_ok=0      # PCM
    [ "$(u16le "$wav" 22)" = 1 ] || header_ok=0      # mono
    [ "$(u32le "$wav" 24)" = 22050 ] || header_ok=0
    [ "$(u32le "$wav" 28)" = 44100 ] || header_ok=0
    [ "$(u16le "$wav" 32)" = 2 ] || header_ok=0
    [ "$(u16le "$wav" 34)" = 16 ] || header_ok=0
    [ "$(u32le "$wav" 40)" = "$d" ] || header_ok=0
    audible=$(tail -c +45 "$wav" | tr -d '\000' | wc -c)
    if [ $header_ok = 1 ] && [ "$audible" -gt $((d / 10)) ]; then
        pass "brellow-cli converted $(basename "$example") into $title.WAV: 44 + $d bytes"
    else
        fail "$title.WAV has a wrong header or no audio ($audible non-zero bytes of $d)"
    fi
fi

# The installed module of FFmpeg's libraries: tuned pauses from any recording.
rm -rf "$work/converted"/*
env -u LD_LIBRARY_PATH "$cli" --any-format --pause-factor 1 "$example" "$work/converted" \
    </dev/null >"$work/cli.out" 2>"$work/cli.err"
rc=$?
if [ $rc -eq 0 ] && [ "$(u32le "$wav" 40)" -gt 0 ]; then
    pass "brellow-cli --any-format loaded FFmpeg's module and converted $(basename "$example")"
else
    cat "$work/cli.err" >&2
    fail "brellow-cli --any-format exited with $rc"
fi

# --- The window ----------------------------------------------------------------
# Started off screen with a throw-away settings folder: it must still be
# running when the time is up, not have failed on a missing library or plugin.
mkdir -p "$work/home"
env -u LD_LIBRARY_PATH HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    QT_QPA_PLATFORM=offscreen timeout 5 "$bin/brellow" >"$work/ui.log" 2>&1
rc=$?
if [ $rc -eq 124 ]; then
    pass "brellow started from $bin and kept running"
else
    cat "$work/ui.log" >&2
    fail "brellow ended with status $rc within 5 seconds of starting"
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "All package checks passed."
