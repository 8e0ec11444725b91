#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

// The packer's command line, read but not acted on:
//   merrowdale-pack [--check] [--program PROGRAM] [-o OUTPUT] [--iterations N] LIST
// Paths stay UTF-8 as console::arguments gives them; main resolves the defaults.
struct PackerArguments
{
    bool help = false;
    bool checkOnly = false;
    std::optional<std::string> program;
    std::optional<std::string> output;
    std::optional<std::uint32_t> iterations; // for tests only
    std::string list;
};

// The arguments after the program's own name, or a message in Chinese naming what is wrong.
std::variant<PackerArguments, std::string> parsePackerArguments(std::span<const std::string> words);

// --help, in Chinese.
extern const char *const packerHelp;
