#pragma once

// Shared start-up of the benchmark programs: their main starts wx as a GUI
// application once (a DISPLAY is needed), runs every registered benchmark and
// then prints the ratios asked for below from the medians of the run.

#include <string>

namespace evbench
{

// Prints "ratio <numerator> / <denominator>" with the two medians (real time)
// after the run. Call it from a static initializer of the benchmark file.
bool addMedianRatio(const std::string& numerator, const std::string& denominator);

// Runs pending events and idle handlers once.
void pumpEvents();

} // namespace evbench
