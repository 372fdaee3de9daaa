#pragma once

#include <thread>

// Settles what belongs to the program as a whole: its name (window titles stay
// exactly as each window sets them), its icon, and the classic look of its
// controls that the skin was painted for.
void SetUpProgram();

// Starts reading the system's font configuration on another core, to overlap with
// connecting to the display; Qt would read it at the first text laid out, on the
// way to the first paint. Join it before the first window is made. Where Qt reads
// no such configuration, nothing is started.
std::jthread ReadFontConfigurationAhead();
