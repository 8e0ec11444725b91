#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// The new program while it is being made: a temporary file in the output's folder, renamed over
// the output only once it has been written and checked, and removed however the packer ends
// otherwise. Until the rename, the output's path keeps whatever it had, and afterwards nothing
// is left beside it. One folder, so that the rename replaces the file in one step.
class PendingOutput
{
public:
    explicit PendingOutput(std::filesystem::path output);
    ~PendingOutput();
    PendingOutput(const PendingOutput &) = delete;
    PendingOutput &operator=(const PendingOutput &) = delete;

    // Writes the bytes to a new temporary with the permissions of `like` (the program copied,
    // so that the new one runs too). On failure says why in error, in Chinese.
    bool write(
        std::span<const std::uint8_t> bytes, const std::filesystem::path &like, std::string &error);

    const std::filesystem::path &temporary() const { return written; }

    // Puts the temporary in the output's place.
    bool commit(std::string &error);

private:
    std::filesystem::path output;
    std::filesystem::path written;
};
