#include "pendingoutput.h"

#include <fstream>
#include <random>
#include <system_error>

PendingOutput::PendingOutput(std::filesystem::path outputPath)
    : output(std::move(outputPath))
{ }

PendingOutput::~PendingOutput()
{
    if (!written.empty()) {
        std::error_code ignored;
        std::filesystem::remove(written, ignored);
    }
}

bool PendingOutput::write(
    std::span<const std::uint8_t> bytes, const std::filesystem::path &like, std::string &error)
{
    // A name no earlier run can have left, beside the output and hidden where a dot hides it.
    std::random_device random;
    std::filesystem::path name = ".";
    name += output.filename();
    name += ".";
    name += std::to_string(random());
    name += ".tmp";
    const std::filesystem::path temporary = output.parent_path() / name;
    std::error_code code;
    if (std::filesystem::exists(temporary, code)) {
        error = "同名的临时文件已存在";
        return false;
    }
    written = temporary;
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(
        reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        error = "无法写入文件夹（是否只读、不存在或磁盘已满？）";
        return false;
    }
    std::filesystem::permissions(
        temporary, std::filesystem::status(like, code).permissions(), code);
    if (code) {
        error = "无法设置新程序的文件权限";
        return false;
    }
    return true;
}

bool PendingOutput::commit(std::string &error)
{
    std::error_code code;
    std::filesystem::rename(written, output, code);
    if (code) {
        error = "无法放到目标位置（同名文件是否正在使用或只读？）";
        return false;
    }
    written.clear();
    return true;
}
