#pragma once

class QWidget;

namespace vexa {

class Form;
class Program;

// Shows one of the program's modal windows on the desktop, centred on the
// screen, and returns once it is closed.
void runModalWindow(Program& program, Form& window, QWidget* parent);

}  // namespace vexa
