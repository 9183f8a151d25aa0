#pragma once

// Makes the interface fonts (Tahoma, MS Sans Serif) known to Qt from Debian's
// fonts-wine when they are not installed system-wide.
void LoadInterfaceFonts();
