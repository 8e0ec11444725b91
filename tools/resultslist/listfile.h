#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The bytes of a results list on disk, for every tool that reads one. A folder, a missing file
// or a file the user may not read is a reason in Chinese (the system's own words where there is
// no Chinese for it), never an exception.
namespace listfile {

struct ReadList
{
    std::optional<std::string> contents;
    std::string error; // why not, when contents is empty
};

ReadList read(const std::filesystem::path &path);

} // namespace listfile
