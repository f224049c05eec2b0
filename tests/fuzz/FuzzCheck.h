#pragma once
// The fuzz targets' assertion: a broken rule aborts, naming the rule, so that
// the fuzzer reports the input that broke it.
#include <cstdio>
#include <cstdlib>

namespace orv::fuzz {

inline void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
  }
}

}  // namespace orv::fuzz
