#include "listfile.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <system_error>

namespace listfile {

namespace {

std::string reason(int error)
{
    switch (error) {
    case ENOENT:
        return "文件不存在";
    case EACCES:
        return "没有读取它的权限";
    case EISDIR:
        return "这是一个文件夹，不是文件";
    default:
        return std::generic_category().message(error);
    }
}

} // namespace

ReadList read(const std::filesystem::path &path)
{
    // A folder opens as a stream on some systems and fails only on the first read, with an
    // exception from inside the library; ask first.
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        return {std::nullopt, reason(EISDIR)};
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return {std::nullopt, reason(errno != 0 ? errno : ENOENT)};
    }
    // istream::read turns a failed read into badbit rather than an exception.
    std::string contents;
    std::array<char, 1 << 16> buffer {};
    do {
        file.read(buffer.data(), buffer.size());
        contents.append(buffer.data(), static_cast<std::size_t>(file.gcount()));
    } while (file);
    if (file.bad()) {
        return {std::nullopt, reason(errno != 0 ? errno : EIO)};
    }
    return {std::move(contents), {}};
}

} // namespace listfile
