#include "data/platform/fatal.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace fatal {

namespace {

// Set once by the entry, read by whichever thread fails.
std::atomic<Handler> installed = nullptr;
std::atomic<const char *> tool = nullptr;

void printToStderr(const char *prefix, std::string_view message)
{
    std::fprintf(stderr, "%s%.*s\n", prefix, static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
}

void printAndExit(std::string_view message)
{
    std::fprintf(stderr, "%s: ", tool.load());
    printToStderr("", message);
    std::fflush(stdout);
    // Another thread may still be sealing: end at once rather than run static destructors
    // under it.
    std::_Exit(2);
}

} // namespace

void setHandler(Handler handler)
{
    installed = handler;
}

void setToolHandler(const char *toolName)
{
    tool = toolName;
    installed = printAndExit;
}

void fail(std::string_view message)
{
    if (const Handler handler = installed.load()) {
        handler(message);
    } else {
        printToStderr("fatal: ", message);
    }
    std::abort();
}

} // namespace fatal
