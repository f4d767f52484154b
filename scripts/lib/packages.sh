# shellcheck shell=bash
# Sourced by the scripts that install what they need. Debian packages only; apt is asked nothing on
# a machine that has them all, so a ready machine passes in seconds.

# install_missing LABEL [--architecture ARCH] PACKAGE...: installs the packages that are not installed
# yet, announced as "LABEL: installing ...". With --architecture, ARCH is added as a foreign
# architecture first (packages of it are named package:ARCH).
install_missing() {
    local label=$1 architecture="" package sudo=""
    shift
    if [ "${1:-}" = "--architecture" ]; then
        architecture=$2
        shift 2
    fi
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0

    echo "$label: installing ${missing[*]}"
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    if [ -n "$architecture" ]; then
        dpkg --print-foreign-architectures | grep -qx "$architecture" || $sudo dpkg --add-architecture "$architecture"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
