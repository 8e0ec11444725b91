#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The console of the command-line tools (the table builder, the packer): arguments, paths and
// messages as UTF-8 on every system. Windows hands a program its arguments and writes its
// console in the ANSI code page unless asked for Unicode, so a clerk's D:\招聘\2020\成绩.csv would
// not open and Chinese messages would show as mojibake; this is where the tools ask. It knows
// nothing of what the tools say: the wording is theirs.
namespace console {

// The command line as UTF-8, the program as started first, as in argv: on Windows read again
// from the wide command line (GetCommandLineW, CommandLineToArgvW), whatever the ANSI code page;
// elsewhere argv as given.
std::vector<std::string> arguments(int argc, char **argv);

// A path named in UTF-8, and a path's name in UTF-8, for opening files and naming them in
// messages. On Windows the conversion is the system's; elsewhere a path is its bytes.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path &path);

// UTF-8 text to standard output or standard error, written as it is (line breaks included):
// WriteConsoleW when the stream is a Windows console, so that cmd.exe and PowerShell show it
// right whatever their code page; the UTF-8 bytes to a pipe, a file or a Linux terminal.
void out(std::string_view utf8);
void err(std::string_view utf8);

// A line of progress on standard error. On a console it rewrites itself, and the next out() or
// err() starts below it; elsewhere (a log, a test) a plain line at most every ten seconds, so
// that a caller may report a few times a second.
void progress(std::string_view utf8);

// Waits for a key, saying "按任意键关闭", when the console was made for this process alone: a
// file dropped onto the .exe in Explorer opens a console that closes, with everything said in
// it, as soon as the program ends. Never waits when the console is shared (cmd.exe, PowerShell)
// or when standard input or output is not a console (a script, a test, CI); nothing on other
// systems.
void holdOwnConsoleOpen();

} // namespace console
