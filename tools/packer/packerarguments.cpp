#include "packerarguments.h"

#include <charconv>
#include <limits>

const char *const packerHelp
    = "用法：merrowdale-pack [--check] [--program 程序] [-o 新程序] [--iterations N] 成绩表\n"
      "\n"
      "把成绩表封装进成绩查询程序，制作一份只能按身份证号和准考证号查到成绩的新程序。\n"
      "成绩表是 Excel 另存的文件：在 Excel 中点“文件 > 另存为”，保存类型选“CSV UTF-8(逗号分隔)"
      "(*.csv)”或“CSV(逗号分隔)(*.csv)”。也可以把成绩表文件直接拖到 merrowdale-pack.exe 上。\n"
      "\n"
      "  --check          只检查成绩表并报告结果，不制作程序\n"
      "  --program 程序   作为底本的成绩查询程序，它本身不会被改动"
      "（默认：本工具所在文件夹中的 merrowdale-results）\n"
      "  -o 新程序        新程序的文件名（默认：成绩表所在文件夹中的“成绩查询”）\n"
      "  --iterations N   密钥派生的迭代次数，仅供测试使用；制作发放的程序时不要使用"
      "（默认 600000）\n"
      "  --help           显示本说明\n"
      "\n"
      "退出状态：0 已完成；1 成绩表有问题；2 其他错误（参数有误、文件无法读写、"
      "所给程序不是成绩查询程序）。\n";

namespace {

// A whole number from 1 up to what every platform's PBKDF2 takes (OpenSSL counts in an int).
std::optional<std::uint32_t> iterationsValue(const std::string &text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0
        || value > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::variant<PackerArguments, std::string> parsePackerArguments(std::span<const std::string> words)
{
    PackerArguments arguments;
    std::optional<std::string> list;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words[i];
        const bool takesValue = word == "--program" || word == "-o" || word == "--iterations";
        if (takesValue && i + 1 == words.size()) {
            return "选项 " + word + " 后面缺少它的值";
        }
        if (word == "--help" || word == "-h") {
            arguments.help = true;
        } else if (word == "--check") {
            arguments.checkOnly = true;
        } else if (word == "--program") {
            arguments.program = words[++i];
        } else if (word == "-o") {
            arguments.output = words[++i];
        } else if (word == "--iterations") {
            arguments.iterations = iterationsValue(words[++i]);
            if (!arguments.iterations) {
                return "--iterations：“" + words[i] + "”不是 1 到 2147483647 之间的整数";
            }
        } else if (word.size() > 1 && word[0] == '-') {
            return "未知的选项：" + word;
        } else if (list) {
            return "只能给出一个成绩表，却给出了“" + *list + "”和“" + word + "”";
        } else {
            list = word;
        }
    }
    if (arguments.help) {
        return arguments;
    }
    if (!list) {
        return std::string("缺少成绩表：请给出 Excel 另存的成绩表文件");
    }
    arguments.list = *list;
    return arguments;
}
