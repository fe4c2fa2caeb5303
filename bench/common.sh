# What the whole-file benchmarks share; sourced, with the repository as the
# working folder and BUILD_DIR and WORK_DIR as the script's arguments.
build=${1:-build/release}
work=${2:-$(mktemp -d "${TMPDIR:-/var/tmp}/brellow-bench.XXXXXX")}
runs=${RUNS:-5}
cli="$build/src/cli/brellow-cli"

./tools/deps.sh
if [ ! -x "$cli" ] || [ ! -f "$build/src/cli/brellow-media.so" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_TESTS=OFF -DBRELLOW_BUILD_UI=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" --target brellow-cli brellow-media brellow-stretch
fi
mkdir -p "$work"

# The tests' spoken material repeated to the given minutes, into file, with
# sox's output options (default: mono ADPCM at 22050 Hz, as the tests' recordings).
lesson() { # file minutes [sox output options...]
    local file=$1 minutes=$2
    shift 2
    [ -f "$file" ] && return
    [ -f "$work/example.pcm.wav" ] || sox -D tests/data/example.wav "$work/example.pcm.wav"
    local repeats
    repeats=$(awk -v m="$minutes" -v s="$(soxi -D "$work/example.pcm.wav")" 'BEGIN { printf "%d", m * 60 / s }')
    if [ $# -eq 0 ]; then
        set -- -r 22050 -c 1 -e ms-adpcm
    fi
    sox -D "$work/example.pcm.wav" "$@" "$file" repeat "$repeats"
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
seconds_of() { # command...: wall seconds of one run
    local t0 t1
    t0=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s.%N)
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.4f\n", b - a }'
}
peak_mb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident/ { printf "%.1f", $2 / 1024 }'; }

printf '# %s, %s cores, %s\n' "$(uname -m)" "$(nproc)" "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
