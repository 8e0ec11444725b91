#include "outputfile.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace outputfile {

bool writeIfChanged(
    const std::filesystem::path &path, std::string_view contents, std::string *error)
{
    {
        std::ifstream existing(path, std::ios::binary);
        if (existing && std::string(std::istreambuf_iterator<char>(existing), {}) == contents) {
            return true;
        }
    }

    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        file.close();
        if (!file) {
            *error = "无法写入 " + temporary.string();
            std::filesystem::remove(temporary);
            return false;
        }
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        *error = code.message();
        std::filesystem::remove(temporary, code);
        return false;
    }
    return true;
}

bool remove(const std::filesystem::path &path, std::string *error)
{
    std::error_code code;
    std::filesystem::remove(path, code);
    if (code) {
        *error = code.message();
        return false;
    }
    return true;
}

} // namespace outputfile
