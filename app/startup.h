#pragma once

#include "forms/runtime.h"

#include <memory>

class Form1;

// The start-up sequence once the forms runtime is up: the query window is created, loaded
// (centred, emptied, its table filled) and shown in its input state. Form1 is the start-up
// window; there is no other main routine. The caller runs the runtime's event loop.
std::unique_ptr<Form1> startProgram(forms::Runtime &runtime);
