#pragma once
// Settings of the simulated desktop's text port.
namespace orv::sim {
// The ANSI code page of the simulated desktop (1252 unless a test sets
// another); the OEM page follows it as on Windows.
void setAnsiCodePage(unsigned codePage);
}  // namespace orv::sim
