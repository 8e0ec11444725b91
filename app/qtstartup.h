#pragma once

#include <memory>

class Form1;
struct SealedTable;
namespace qtforms {
class QtRuntime;
}

// The Qt edition's start-up once its application object and forms runtime exist: the
// application's setup, then the program itself (startProgram). Should a step fail (a window the
// runtime cannot make, a design naming a control it lacks), one message box over no window
// names what failed, captioned with the program's title, and the result is null: the entry then
// ends with a failure status instead of running the event loop, as the Windows edition does.
std::unique_ptr<Form1> startQtProgram(
    qtforms::QtRuntime &runtime, const SealedTable *added = nullptr);
