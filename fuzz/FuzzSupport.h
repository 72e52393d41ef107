#pragma once

#include <wx/string.h>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: wxWidgets started once without a display,
// a scratch folder of its own, and a wx assertion turned into a crash so the
// fuzzer reports it instead of printing and going on.
namespace evfuzz
{
// Starts wx (once) and returns the scratch folder, created fresh for this
// process and removed at exit.
wxString scratchFolder();
// Writes `size` bytes to `path`, replacing it; aborts when it cannot (a
// harness fault, not a finding).
void writeBytes(const wxString& path, const uint8_t* data, size_t size);
void writeText(const wxString& path, const char* text);
// Aborts with `what` on stderr: an invariant of the code under test broke.
[[noreturn]] void invariantBroken(const char* what);
} // namespace evfuzz

// The entry point libFuzzer (or the replay program) calls for each input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
