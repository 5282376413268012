# Configures and builds the two targets. Source this file; ROOT must be the tree's top.
#   build_native   gcc, AddressSanitizer + UBSan, the tests and tools   -> build/native
#   build_fuzz     clang libFuzzer targets only                         -> build/fuzz
#   build_win      MinGW-w64 x64, static runtime, the shipped products  -> build/win
BUILD_JOBS=${BUILD_JOBS:-$(nproc)}

build_native() {
  local dir=$ROOT/build/native
  mkdir -p "$ROOT/build"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
      -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
      -DTAVELO_SANITIZE=ON >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; return 1; }
  fi
  cmake --build "$dir" -j "$BUILD_JOBS"
}

build_fuzz() {
  local dir=$ROOT/build/fuzz
  mkdir -p "$ROOT/build"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
      -DTAVELO_FUZZ=ON -DTAVELO_TESTS=OFF >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; return 1; }
  fi
  cmake --build "$dir" -j "$BUILD_JOBS" --target fuzzers
}

build_win() {
  local dir=$ROOT/build/win
  mkdir -p "$ROOT/build"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log"; return 1; }
  fi
  cmake --build "$dir" -j "$BUILD_JOBS"
}
