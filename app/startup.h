#pragma once

#include "forms/runtime.h"

#include <memory>

class Form1;
struct SealedTable;

// The start-up sequence once the forms runtime is up: the query window is created, loaded
// (centred, emptied, its table filled) and shown in its input state. Form1 is the start-up
// window; there is no other main routine. The caller runs the runtime's event loop. An added
// list (data/packed/addedlist.h), which the caller keeps, replaces the compiled-in records.
std::unique_ptr<Form1> startProgram(forms::Runtime &runtime, const SealedTable *added = nullptr);
