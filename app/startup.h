#pragma once

#include <memory>

class Form1;

// The start-up sequence once the application object exists: the project's settings, Qt's own
// texts in Chinese and the font substitutes, then the query window, created, loaded (centred,
// emptied, its table filled) and shown in its input state. The caller runs the event loop.
std::unique_ptr<Form1> startProgram();
