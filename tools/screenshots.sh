#!/bin/sh
# Makes the README's pictures from the program as built in build/ (this script builds
# nothing): docs/main-window.png, the main window with a computed page, and
# docs/contour-map.png, a contour map window. The program runs under Xvfb with a home folder
# of its own, so neither the user's settings nor the current folder are touched.
#
#   tools/screenshots.sh            # needs xvfb xauth xdotool imagemagick
#
# The pages are opened with the program's start options:
#   qelvo --page ID [--compute] [--press BUTTON]...
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
qelvo="$root/build/qelvo"

if [ "${1:-}" != "--inside" ]; then
    [ -x "$qelvo" ] || { echo "screenshots.sh: $qelvo is missing; build it first (make build)" >&2; exit 1; }
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing (apt-get install xvfb xauth xdotool imagemagick)" >&2; exit 1; }
    done
    exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" --inside
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$work"  # the grid file a contour map is drawn from is written here

# shoot OUTPUT WINDOW-TITLE OPTIONS...: starts the program, waits for the window, lets the
# page compute and paint, takes the window's picture and ends the program.
shoot() {
    out=$1 title=$2
    shift 2
    "$qelvo" "$@" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
    sleep 2
    import -window "$window" "$root/docs/$out"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "docs/$out"
}

shoot main-window.png "Qelvo环评计算" --page water.sp --compute
shoot contour-map.png "等值线图" --page tools.subsidence --compute --press "绘制下沉盆地等值线图"
