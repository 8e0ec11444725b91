#pragma once

#include <chrono>
#include <cstddef>
#include <string>

// The line the packer shows while it seals: records done out of all of them, the percentage and
// the time left, estimated from the time taken so far, e.g.
// "正在封装成绩：523 / 1117 条（46%），还需约 1 分 12 秒".
std::string progressLine(
    std::size_t done, std::size_t total, std::chrono::steady_clock::duration taken);
