# Configures and builds the two targets. Source this file; ROOT must be the tree's top.
#   build_native   gcc, AddressSanitizer + UBSan, the tests and tools   -> build/native
#   build_fuzz     clang libFuzzer targets only                         -> build/fuzz
#   build_win      MinGW-w64 x64, static runtime, the shipped products  -> build/win
#   build_installer  the Windows installer (NSIS) over build_win's products -> build/dist
#   TAVELO_BUILD   build folder (default ROOT/build); BUILD_TARGETS limits what is built
BUILD_JOBS=${BUILD_JOBS:-$(nproc)}
TAVELO_BUILD=${TAVELO_BUILD:-$ROOT/build}

# A compiler cache, when present, makes a rebuild after a clean or in a second checkout of the
# tree take seconds; paths are taken relative to the tree's top so checkouts share entries.
_launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=$ROOT CCACHE_NOHASHDIR=1
  _launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# _build DIR [DEFAULT_TARGET]: builds BUILD_TARGETS if set, else the default target.
_build() {
  local dir=$1 default=${2:-}
  if [ -n "${BUILD_TARGETS:-}" ]; then
    cmake --build "$dir" -j "$BUILD_JOBS" --target $BUILD_TARGETS
  elif [ -n "$default" ]; then
    cmake --build "$dir" -j "$BUILD_JOBS" --target "$default"
  else
    cmake --build "$dir" -j "$BUILD_JOBS"
  fi
}

build_native() {
  local dir=$TAVELO_BUILD/native
  mkdir -p "$TAVELO_BUILD"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${_launcher[@]}" \
      -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
      -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
      -DTAVELO_SANITIZE=ON >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; return 1; }
  fi
  _build "$dir"
}

build_fuzz() {
  local dir=$TAVELO_BUILD/fuzz
  mkdir -p "$TAVELO_BUILD"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${_launcher[@]}" \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
      -DTAVELO_FUZZ=ON -DTAVELO_TESTS=OFF >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; return 1; }
  fi
  _build "$dir" fuzzers
}

build_win() {
  local dir=$TAVELO_BUILD/win
  mkdir -p "$TAVELO_BUILD"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${_launcher[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; return 1; }
  fi
  _build "$dir"
}

build_installer() {
  BUILD_TARGETS=installer build_win
}
