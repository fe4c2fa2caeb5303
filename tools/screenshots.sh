#!/usr/bin/env bash
# Remakes docs/screenshot-LANG.png and docs/options-LANG.png for each language
# given (default: de ja; "en" makes docs/screenshot.png and docs/options.png):
# the real program under a virtual X server, in that language, with example
# paths and options remembered from a previous run.
set -euo pipefail
cd "$(dirname "$0")/.."

# Japanese and Chinese need a font with their characters; xwininfo finds the
# windows, xdotool presses Options, the last control in the tab order.
./tools/deps.sh fonts-noto-cjk x11-utils xdotool
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"

work=$(mktemp -d "${TMPDIR:-/tmp}/brellow-screenshots.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Quorvel"
[ $# -gt 0 ] || set -- de ja

# Runs inside the X server: starts the program, waits for its window, takes
# it, then opens the Options dialog and takes that.
cat >"$work/shoot.sh" <<'SHOOT'
#!/usr/bin/env bash
set -euo pipefail
source "$BRELLOW_TOOLS/x-windows.sh"
start_program "$1"
import -window "$id" "$2"
xdotool windowfocus --sync "$id" key shift+Tab space
options=$(window '^ *0x[0-9a-f]+ "[^B]') # the dialog over it: a title but "Brellow"
sleep 1
import -window "$options" "$3"
SHOOT
chmod +x "$work/shoot.sh"

for lang in "$@"; do
    cat >"$work/config/Quorvel/brellow.conf" <<'CONF'
[Options]
any-format=true
output-format=opus
passes="0.75,1"

[Settings]
Path%20Src=/home/learner/Lessons/lesson01.mp3
Path%20Dst=/home/learner/Lessons/Repeat
CONF
    suffix="-$lang"
    [ "$lang" != en ] || suffix=
    env LANGUAGE="$lang" LANG=C.UTF-8 LC_ALL= XDG_CONFIG_HOME="$work/config" BRELLOW_TOOLS="$PWD/tools" \
        xvfb-run -a -s "-screen 0 1024x768x24" "$work/shoot.sh" "$PWD/build/release/src/ui/brellow" \
        "$PWD/docs/screenshot$suffix.png" "$PWD/docs/options$suffix.png"
    echo "docs/screenshot$suffix.png docs/options$suffix.png"
done
