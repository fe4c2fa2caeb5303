# Sourced by the screenshot scripts' runs inside the virtual X server.

# The id of the program's first window whose line matches pattern, once it comes.
window() {
    for _ in $(seq 100); do
        id=$(xwininfo -root -tree | awk -v p="$1" '/\("brellow" "brellow"\)/ && $0 ~ p {print $1; exit}')
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window $1" >&2
    return 1
}

# Starts the program, ended with the script, and waits for its main window
# and its first paint; the window's id in $id.
start_program() {
    "$1" &
    program=$!
    trap 'kill $program' EXIT
    id=$(window '"Brellow":')
    sleep 1
}
