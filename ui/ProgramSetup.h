#pragma once

// Settles what belongs to the program as a whole: its name (window titles stay
// exactly as each window sets them), its icon, and the classic look of its
// controls that the skin was painted for.
void SetUpProgram();
