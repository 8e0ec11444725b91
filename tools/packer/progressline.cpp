#include "progressline.h"

std::string progressLine(
    std::size_t done, std::size_t total, std::chrono::steady_clock::duration taken)
{
    std::string line = "正在封装成绩：" + std::to_string(done) + " / " + std::to_string(total)
        + " 条（" + std::to_string(total == 0 ? 100 : done * 100 / total) + "%）";
    if (done == 0 || done >= total) {
        return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::seconds>(
        taken * static_cast<long long>(total - done) / static_cast<long long>(done));
    const long long minutes = left.count() / 60;
    line += "，还需约 ";
    if (minutes > 0) {
        line += std::to_string(minutes) + " 分 ";
    }
    return line + std::to_string(left.count() % 60) + " 秒";
}
