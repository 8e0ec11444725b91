#pragma once

#include <string_view>

// What console.cpp needs of the system, one implementation per system (posixconsole.cpp,
// win32console.cpp).
namespace console::stream {

enum class Stream { out, err };

// Whether the stream is a console or terminal that a person reads as it is written.
bool isConsole(Stream stream);

// Writes UTF-8 to the stream at once, as text the console shows right when it is one.
void write(Stream stream, std::string_view utf8);

} // namespace console::stream
