#pragma once

// Screen readers see the painted console through these: the flat buttons as push
// buttons that can be pressed, an image control in the role it was given. Each
// control's constructor calls this; it installs the interfaces once.
void InstallAccessibleControls();
