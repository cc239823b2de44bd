# Sourced by the scripts that run the saver ($root set): installs what is
# missing, picks the Wine that fits this machine (a 64-bit twin where no 32-bit
# code runs) and defines build_module, which builds Sorvane.scr and sets scr.
bash "$root/tools/install-deps.sh"
source "$root/tests/wine/wine-loader.sh"
describe_wine_target
build="$root/build/$SORVANE_WIN_BUILD_NAME"
export SORVANE_BUILD="$build"

build_module() {
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$SORVANE_WIN_TOOLCHAIN" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target Sorvane
  scr="$build/Sorvane.scr"
}
