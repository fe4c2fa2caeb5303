#!/usr/bin/env bash
# Remakes docs/screenshot-LANG.png for each language given (default: de ja):
# the real program under a virtual X server, in that language, with example
# paths remembered from a previous run.
set -euo pipefail
cd "$(dirname "$0")/.."

# Japanese and Chinese need a font with their characters; xwininfo finds the window.
./tools/deps.sh fonts-noto-cjk x11-utils
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"

work=$(mktemp -d "${TMPDIR:-/tmp}/brellow-screenshots.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Quorvel"
[ $# -gt 0 ] || set -- de ja

# Runs inside the X server: starts the program, waits for its window, takes it.
cat >"$work/shoot.sh" <<'SHOOT'
#!/usr/bin/env bash
set -euo pipefail
"$1" &
program=$!
for _ in $(seq 100); do
    id=$(xwininfo -root -tree | awk '/"Brellow"/ {print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || { echo "no Brellow window" >&2; kill "$program"; exit 1; }
sleep 1 # the first paint
import -window "$id" "$2"
kill "$program"
SHOOT
chmod +x "$work/shoot.sh"

for lang in "$@"; do
    cat >"$work/config/Quorvel/brellow.conf" <<'CONF'
[Settings]
Path%20Src=/home/learner/Lessons/lesson01.wav
Path%20Dst=/home/learner/Lessons/Repeat
CONF
    env LANGUAGE="$lang" LANG=C.UTF-8 LC_ALL= XDG_CONFIG_HOME="$work/config" \
        xvfb-run -a -s "-screen 0 1024x768x24" \
        "$work/shoot.sh" "$PWD/build/release/src/ui/brellow" "$PWD/docs/screenshot-$lang.png"
    echo "docs/screenshot-$lang.png"
done
