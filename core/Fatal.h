#pragma once
// Programming errors stop the program at once. FATAL_CHECK reports the failed
// condition's own text, e.g. "ArrT::at()" && index < this->myLen, so that a
// report names both the operation and the broken precondition.

namespace orv {

using FatalHandler = void (*)(const char* conditionText, const char* file, int line);

[[noreturn]] void fatalFailure(const char* conditionText, const char* file, int line);

// The handler runs before the process is stopped (the program shows a message
// box; tests may record the text). It must not return control to the caller:
// fatalFailure aborts after it whatever the handler does.
FatalHandler setFatalHandler(FatalHandler handler);

}  // namespace orv

#define FATAL_CHECK(cond) \
  do { if (!(cond)) ::orv::fatalFailure(#cond, __FILE__, __LINE__); } while (0)
