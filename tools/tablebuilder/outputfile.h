#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The generated source on disk. A build must never compile a half-written file or records that
// the list no longer holds, and should not recompile when nothing changed: so the file is
// replaced atomically, only when its content differs, and removed when the list is broken.
namespace outputfile {

// Writes contents to path through a temporary that is renamed into place, unless the file
// already holds exactly these bytes. On failure returns false with a reason in error.
bool writeIfChanged(
    const std::filesystem::path &path, std::string_view contents, std::string *error);

// Removes an output left by an earlier run; returns false with a reason if it stays behind.
bool remove(const std::filesystem::path &path, std::string *error);

} // namespace outputfile
