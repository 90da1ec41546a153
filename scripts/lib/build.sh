# Sourced by the scripts: configures and builds one CMake preset, and says what
# failed and what to do when it cannot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
numora_build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null ||
        numora_fail "CMake could not configure the $preset preset (its messages are above)" \
            "run scripts/setup, which installs the compilers and GoogleTest's source"
    cmake --build --preset "$preset" "$@" ||
        numora_fail "the $preset build failed (the compiler's messages are above)"
}
