#pragma once

#include <string_view>

// One way to end the program when the platform itself fails (out of memory, a missing
// algorithm, a broken system library), as ninja's Fatal() is. The library only says what
// failed; the entry that owns the process decides how a person sees it: the windows show a
// message box, the tools print a line. A lookup that cannot compute must never pass for a miss
// or a hit, so nothing continues after a failure.
namespace fatal {

// Ends the process (a test's may throw instead). Called with UTF-8 text.
using Handler = void (*)(std::string_view message);

// Installed by each entry before anything can fail. Without one, the message goes to stderr
// and the process aborts, which suits the tests and benchmarks.
void setHandler(Handler handler);

// A command-line tool's handler in one line: "<toolName>: <message>" on stderr, exit status 2.
// toolName must outlive the process's work (a literal).
void setToolHandler(const char *toolName);

// Hands the message to the installed handler, and aborts should that return.
[[noreturn]] void fail(std::string_view message);

} // namespace fatal
