# Sourced by the scripts: sets the machine up (scripts/setup, the one place
# that does), then configures and builds CMake presets, saying what failed and
# what to do when it cannot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$NUMORA_ROOT/scripts/setup" || numora_fail "scripts/setup failed (its messages are above)"
# As many compilers at once as the machine has cores, unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

numora_build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null ||
        numora_fail "CMake could not configure the $preset preset (its messages are above)" \
            "run scripts/setup, which installs the compilers and GoogleTest's source"
    cmake --build --preset "$preset" "$@" ||
        numora_fail "the $preset build failed (the compiler's messages are above)"
}
