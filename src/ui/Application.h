#pragma once

class QApplication;

// What the program sets up before its first window: its name, the interface
// font (Tahoma 8), and Qt's own Slovenian texts for standard buttons and dialogs.
// Window captions are left exactly as the windows give them.
void SetUpApplication(QApplication &app);
