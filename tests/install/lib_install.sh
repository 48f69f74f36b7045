# Helpers of the installation tests, on top of the end-to-end helpers: a home
# of its own and the checks of an installed program started from an empty
# folder. Source it after tests/e2e/lib.sh.

# use_home: HOME and the XDG folders inside the test's folder.
use_home() {
    export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
        XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/home/run"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    user="$XDG_DATA_HOME/stakanych"
}

# answers_options SHARE: --help names the user folder and SHARE, --version
# answers, both without a display and without creating anything.
answers_options() {
    local out
    out=$(cd "$work/content" && env -u DISPLAY "$bin" --version) || fail "--version failed"
    case "$out" in "stakanych "[0-9]*) ;; *) fail "--version said: $out" ;; esac
    out=$(cd "$work/content" && env -u DISPLAY "$bin" --help) || fail "--help failed"
    case "$out" in *"$user"*"$1"*) ;; *) fail "--help does not name the folders: $out" ;; esac
    [ -e "$user" ] && fail "--help created the user folder"
    "$(dirname "$bin")/stakanych-check" --help | grep -q "^Использование: stakanych-check" ||
        fail "stakanych-check --help"
}

# shows_picture WINDOW FILE: the companion's picture panel shows FILE (a
# margin left out for the panel's edge) within 10 s.
panel_shows() {
    import -window "$1" "$work/companion.png" 2>/dev/null || return 1
    convert "$work/companion.png" -crop 400x200+26+21 +repage "$work/shown.png"
    differ=$(compare -metric AE -fuzz 3% "$work/shown.png" "$work/expected.png" null: 2>&1)
    [ "$differ" = 0 ]
}
shows_picture() {
    convert "$2" -crop 400x200+10+10 +repage "$work/expected.png"
    differ=
    wait_until 100 panel_shows "$1" || fail "the picture panel does not show $2 ($differ pixels differ)"
}
