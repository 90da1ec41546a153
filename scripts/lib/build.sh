# Sourced by the scripts: sets the machine up (scripts/setup, the one place
# that does), then configures and builds CMake presets, saying what failed and
# what to do when it cannot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$NUMORA_ROOT/scripts/setup" || numora_fail "scripts/setup failed (its messages are above)"
# As many compilers at once as the machine has cores, unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

# numora_build PRESET [cmake --build arguments]: configures and builds PRESET, then
# sources what that build wrote for the scripts (numora-build.sh in its folder):
# NUMORA_VERSION, and in the Windows builds NUMORA_EXE, NUMORA_GUIDE,
# NUMORA_WAIT_FOR_WINDOW and the array NUMORA_BENCHMARKS, all of the last preset built.
numora_build() {
    local preset=$1 configured folder
    shift
    configured=$(cmake --preset "$preset") ||
        numora_fail "CMake could not configure the $preset preset (its messages are above)" \
            "run scripts/setup, which installs the compilers and GoogleTest's source"
    folder=$(sed -n 's/^-- Build files have been written to: //p' <<<"$configured")
    [ -f "$folder/numora-build.sh" ] ||
        numora_fail "CMake named no build folder with numora-build.sh for the $preset preset"
    cmake --build --preset "$preset" "$@" ||
        numora_fail "the $preset build failed (the compiler's messages are above)"
    source "$folder/numora-build.sh"
}
