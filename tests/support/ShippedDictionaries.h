#pragma once
// The shipped dictionaries (dist/Orvanta/dic) are made by the build
// (scripts/dictionaries), not kept in the repository: tests that read them
// skip, saying so, when they have not been built.

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace orv::test {

inline bool shippedDictionariesBuilt() {
  for (const char* name : {"/en_US", "/ru_RU", "/uk_UA"})
    if (!isFolder(utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta/dic" + name))) return false;
  return true;
}

}  // namespace orv::test

#define SKIP_WITHOUT_SHIPPED_DICTIONARIES()                                                              \
  do {                                                                                                   \
    if (!::orv::test::shippedDictionariesBuilt())                                                        \
      GTEST_SKIP() << "the shipped dictionaries are not built (dist/Orvanta/dic: run scripts/build)"; \
  } while (0)
