# Shell helpers shared by ./dev, .ci/run and bench/run. Source it; it runs nothing itself.

# Installs those of the named Debian packages that are not installed yet; quiet when none.
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures and builds quietly, showing the log only when a step fails:
#   quiet_build SOURCE_DIR BUILD_DIR [configure options...] [-- build options...]
quiet_build() {
    local source=$1 dir=$2
    shift 2
    local configure=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        configure+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    local log
    log=$(mktemp)
    if ! { cmake -S "$source" -B "$dir" "${configure[@]}" >"$log" 2>&1 &&
        cmake --build "$dir" -j"$(nproc)" "$@" >>"$log" 2>&1; }; then
        cat "$log"
        rm -f "$log"
        echo "Build of $dir failed." >&2
        exit 1
    fi
    rm -f "$log"
}

# Exits 2 with the calling script's usage (its comment lines "#   scripts/...") unless it was
# given at least N arguments:   need_args N "$@"
need_args() {
    [ $# -gt "$1" ] && return 0
    sed -n 's|^#   \(scripts/.*\)|usage: \1|p' "$0" >&2
    exit 2
}
