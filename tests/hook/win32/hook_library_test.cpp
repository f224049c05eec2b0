// The built or_hook.dll (beside the test program): its exports, its shared
// section "shdata" and the block's place in it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "hook/SharedBlock.h"

namespace {

struct Library {
  HMODULE h = LoadLibraryW(L"or_hook.dll");
  ~Library() {
    if (h) FreeLibrary(h);
  }
};

template <class F>
F entry(HMODULE h, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(h, name)));
}

const IMAGE_SECTION_HEADER* findSection(HMODULE h, const char* name) {
  auto* base = reinterpret_cast<const BYTE*>(h);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_SECTION_HEADER* sec = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i)
    if (std::strncmp(reinterpret_cast<const char*>(sec[i].Name), name, 8) == 0) return &sec[i];
  return nullptr;
}

TEST(HookLibrary, SharedSectionHoldsTheBlockAtItsOffsets) {
  Library lib;
  ASSERT_NE(lib.h, nullptr);
  const IMAGE_SECTION_HEADER* sec = findSection(lib.h, "shdata");
  ASSERT_NE(sec, nullptr);
  const DWORD need = IMAGE_SCN_MEM_SHARED | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
  EXPECT_EQ(sec->Characteristics & need, need);
  EXPECT_GE(sec->Misc.VirtualSize, sizeof(orv::HookShared));
  auto get = entry<void* (*)()>(lib.h, "getDLLxEXE");
  ASSERT_NE(get, nullptr);
  auto* start = reinterpret_cast<BYTE*>(lib.h) + sec->VirtualAddress;
  auto* receiver = static_cast<BYTE*>(get());
  EXPECT_EQ(receiver - start, 24);
  // The block is the section: fields written through the header land at
  // the section offsets the protocol fixes.
  auto* block = reinterpret_cast<orv::HookShared*>(start);
  block->eraseCount = 0x11223344;
  block->key.vk = 0x55;
  block->mouse.message = 0x66;
  block->swallowUp[0] = 0x77;
  EXPECT_EQ(*reinterpret_cast<uint32_t*>(start + 1456), 0x11223344u);
  EXPECT_EQ(start[36 + 8], 0x55);
  EXPECT_EQ(start[612 + 20], 0x66);
  EXPECT_EQ(start[1188], 0x77);
  std::memset(start, 0, sizeof(orv::HookShared));
}

TEST(HookLibrary, HooksInstallAndRemoveAndASecondRemoveSucceeds) {
  Library lib;
  ASSERT_NE(lib.h, nullptr);
  auto hookAll = entry<int (*)(HMODULE)>(lib.h, "hookAll");
  auto unhookAll = entry<int (*)()>(lib.h, "unhookAll");
  auto get = entry<void* (*)()>(lib.h, "getDLLxEXE");
  ASSERT_TRUE(hookAll && unhookAll && get) << "the three entry points are exported by name";
  auto* block = reinterpret_cast<orv::HookShared*>(static_cast<BYTE*>(get()) - 24);
  EXPECT_EQ(hookAll(lib.h), 1);
  EXPECT_NE(block->keyboardHook, 0u);
  EXPECT_NE(block->mouseHook, 0u);
  EXPECT_NE(block->getMessageHook, 0u);
  EXPECT_EQ(block->unhooking, 0u);
  EXPECT_EQ(unhookAll(), 1);
  EXPECT_EQ(block->keyboardHook, 0u);
  EXPECT_EQ(block->getMessageHook, 0u);
  EXPECT_EQ(block->unhooking, 1u);
  EXPECT_EQ(unhookAll(), 1);  // nothing left to remove is a success (exit calls it twice)
}

}  // namespace
