#!/usr/bin/env bash
# Remakes docs/practice-LANG.png for each language given (default: en de;
# "en" makes docs/practice.png): the practice window of the example lesson,
# opened with Listen from the real program under a virtual X server, with a
# sound server of its own whose only output is a null sink. BUILD names the
# build tree to take the program from (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/deps.sh fonts-noto-cjk x11-utils xdotool
build=${BUILD:-build/release}
if [ -z "${BUILD:-}" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/brellow-practice.XXXXXX")
mkdir -p "$work/config/Quorvel" "$work/Lessons/Repeat" "$work/run"
chmod 700 "$work/run"
cp tests/data/english.wav "$work/Lessons/lesson01.wav"
cat >"$work/sound.pa" <<'PA'
load-module module-native-protocol-unix
load-module module-null-sink sink_name=quiet
set-default-sink quiet
load-module module-remap-source master=quiet.monitor source_name=microphone
set-default-source microphone
PA
export XDG_RUNTIME_DIR="$work/run"
HOME="$work" pulseaudio -n --daemonize=no --exit-idle-time=-1 -F "$work/sound.pa" 2>/dev/null &
server=$!
trap 'kill $server; rm -rf "$work"' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

# Inside the X server: the main window, Listen (last in the tab order), then
# the practice window with its second phrase chosen.
cat >"$work/shoot.sh" <<'SHOOT'
#!/usr/bin/env bash
set -euo pipefail
source "$BRELLOW_TOOLS/x-windows.sh"
start_program "$1"
xdotool windowfocus --sync "$id" key shift+Tab space
practice=$(window '^ *0x[0-9a-f]+ "[^B]')
sleep 1
xdotool windowfocus --sync "$practice" key Right
sleep 1
import -window "$practice" "$2"
SHOOT
chmod +x "$work/shoot.sh"

[ $# -gt 0 ] || set -- en de
for lang in "$@"; do
    cat >"$work/config/Quorvel/brellow.conf" <<CONF
[Settings]
Path%20Src=$work/Lessons/lesson01.wav
Path%20Dst=$work/Lessons/Repeat
CONF
    suffix="-$lang"
    [ "$lang" != en ] || suffix=
    env LANGUAGE="$lang" LANG=C.UTF-8 LC_ALL= XDG_CONFIG_HOME="$work/config" BRELLOW_TOOLS="$PWD/tools" \
        xvfb-run -a -s "-screen 0 1024x768x24" "$work/shoot.sh" "$PWD/$build/src/ui/brellow" \
        "$PWD/docs/practice$suffix.png"
    echo "docs/practice$suffix.png"
done
