# Sourced by the editor's X scripts: starts "$host gui $plugin" with the given options in the
# background ($pid) and waits for its window ($window), giving it a second to settle; exits 77
# without xdotool and 1 when no window shows.
start_editor() {
    if ! command -v xdotool >/dev/null 2>&1; then
        echo "no xdotool: skipped"
        exit 77
    fi
    "$host" gui "$plugin" "$@" &
    pid=$!
    window=
    for _ in $(seq 1 50); do
        window=$(xdotool search --onlyvisible --name "tolvan-host" 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "the editor's window never showed"
        kill "$pid"
        exit 1
    fi
    sleep 1
}
