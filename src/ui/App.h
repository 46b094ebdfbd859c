#pragma once

#include "platform/Plattform.h"

// The application object: it carries the menu bar and answers no command
// itself; the main window answers them all.
class App : public plattform::Anwendung {};

// The start-up on the current platform: the application object with its menu
// bar, then the main window, which opens the program's starting state.
void Starte(App& app);
