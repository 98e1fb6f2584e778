# Sourced: configures and builds into BUILD_DIR (default: build/).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR="${BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
