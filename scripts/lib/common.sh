# Sourced by the other scripts: the checkout's root and the one way to fail.
NUMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

numora_fail() {  # what failed, then what to do
    echo "error: $1" >&2
    [ -n "${2:-}" ] && echo "  what to do: $2" >&2
    exit 1
}
