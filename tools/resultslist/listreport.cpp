#include "listreport.h"

#include "listcolumns.h"
#include "utf8.h"

#include <map>
#include <utility>

namespace listreport {

namespace {

// A kind of problem recurring more often than this in one column is grouped.
constexpr std::size_t ungroupedRepeats = 3;

// What a kind of problem is, said short enough to follow "第 2–1118 行共 1117 处", and what to do.
struct Explanation
{
    std::string_view summary;
    std::string_view advice;
};

constexpr std::string_view saveAsUtf8
    = "请在 Excel 中打开表格，用“文件 > 另存为”保存，保存类型选“CSV "
      "UTF-8(逗号分隔)(*.csv)”";
constexpr std::string_view quoteRule
    = "用英文双引号括起的字段里，双引号要写成两个（\"\"）；Excel 另存为 CSV 时会自己这样写，"
      "请用 Excel 另存一次，不要手工修改文件";
constexpr std::string_view idAsText
    = "Excel 把这一列当成了数字，只保留 15 位，后面的数字已经丢失：请选中这一列，设置单元格格式 > "
      "数字 > 文本，从原始资料重新输入或粘贴号码，然后再保存一次";
constexpr std::string_view ticketCustom
    = "Excel 把这一列当成了数字：请选中这一列，设置单元格格式 > 数字 > 自定义，类型填 "
      "00000000000（11 个 0），号码就会完整显示，然后再保存一次";
constexpr std::string_view scoreGeneral
    = "请选中成绩列，设置单元格格式 > 数字 > 常规；如果成绩是文本（单元格左上角有绿色小三角），"
      "改格式没有用，要再用“数据 > 分列”直接点“完成”把它们转成数字，然后再保存一次";
constexpr std::string_view compareWithSource
    = "请与原始资料核对：Excel 把身份证号当成数字时只保留 15 位，后三位会变成 000，而这个号码的"
      "校验码恰好正确，无法自动判断";
constexpr std::string_view checkWholeNumbers
    = "成绩列的格式可能是“0”，Excel 把成绩四舍五入成了整数：请选中成绩列，设置单元格格式 > 数字 > "
      "常规，与原始资料核对后再保存一次";
constexpr std::string_view checkRounding
    = "成绩列的格式可能固定了小数位数，Excel 按它把成绩四舍五入了：请选中成绩列，设置单元格格式 > "
      "数字 > 常规，与原始资料核对后再保存一次";
constexpr std::string_view fixValue = "请在 Excel 中改正后再保存一次";

Explanation explain(ProblemCode code)
{
    switch (code) {
    case ProblemCode::utf16:
        return {"是 UTF-16 编码", saveAsUtf8};
    case ProblemCode::noGb18030:
        return {"不是 UTF-8 编码", saveAsUtf8};
    case ProblemCode::notText:
        return {"有不是文本的字节", saveAsUtf8};
    case ProblemCode::emptyList:
        return {"是空文件", saveAsUtf8};
    case ProblemCode::crLineEnds:
        return {"只以回车符换行", saveAsUtf8};
    case ProblemCode::loneCarriageReturn:
        return {"有单独的回车符", saveAsUtf8};
    case ProblemCode::unclosedQuote:
    case ProblemCode::textAfterQuote:
        return {"引号不成对", quoteRule};
    case ProblemCode::columnMissing:
    case ProblemCode::columnTwice:
        return {"表头不对",
            "表头应是前五行中的一行，身份证号、准考证号、姓名、成绩四列各出现一次，顺序不限，"
            "其他列会被忽略"};
    case ProblemCode::fieldCount:
        return {"字段数与表头不同", "请在 Excel 中检查这一行，然后再保存一次"};
    case ProblemCode::recordCount:
        return {"记录数不对", "名单应包括全部考生，每人一行，缺考的考生成绩填“缺考”"};
    case ProblemCode::notACandidate:
        return {"不是考生的记录", "请在 Excel 中删除这一行（以及它上面的空行），然后再保存一次"};
    case ProblemCode::emptyValue:
        return {"为空", fixValue};
    case ProblemCode::blank:
        return {"含有空白字符", "请在 Excel 中删去其中的空白，然后再保存一次"};
    case ProblemCode::invisibleCharacter:
        return {"含有看不见的字符",
            "这个字符多半是从网页或其他文件粘贴时带进来的：请在 Excel 中重新输入这个值，"
            "然后再保存一次"};
    case ProblemCode::sfzhLength:
    case ProblemCode::sfzhDigits:
    case ProblemCode::sfzhCheckCharacter:
        return {"不是有效的身份证号", "请与原始资料核对，在 Excel 中改正后再保存一次"};
    case ProblemCode::zkzhForm:
        return {"不是 11 位数字", fixValue};
    case ProblemCode::xmCharacter:
    case ProblemCode::xmLength:
        return {"不是 2 至 4 个汉字", fixValue};
    case ProblemCode::cjWholePart:
    case ProblemCode::cjFraction:
        return {"不是有效的成绩", fixValue};
    case ProblemCode::duplicate:
        return {"与前面的重复",
            "同一个号码只能出现一次：请与原始资料核对，在 Excel 中改正后再保存一次"};
    case ProblemCode::sfzhScientific:
        return {"成了科学计数法", idAsText};
    case ProblemCode::sfzhZeroedTail:
        return {"最后三位成了 000", idAsText};
    case ProblemCode::zkzhScientific:
        return {"成了科学计数法", ticketCustom};
    case ProblemCode::zkzhLeadingZero:
        return {"开头的 0 被去掉了", ticketCustom};
    case ProblemCode::cjTrailingZeros:
        return {"末尾有多余的 0", scoreGeneral};
    case ProblemCode::cjDecimalComma:
        return {"用逗号作了小数点",
            "请在 Excel 中用“文件 > 选项 > 高级”，取消勾选“使用系统分隔符”，把小数分隔符设为“.”，"
            "然后再保存一次"};
    case ProblemCode::sfzhEndsInZeros:
        return {"以 000 结尾", compareWithSource};
    case ProblemCode::cjNoFractions:
        return {"没有小数", checkWholeNumbers};
    case ProblemCode::cjSameDecimals:
        return {"小数位数都相同", checkRounding};
    }
    return {};
}

std::string columnName(const ParsedResultsList &list, int column)
{
    const auto c = static_cast<std::size_t>(column);
    const std::u32string &own = list.layout.columnNames[c];
    return utf8text::encode(own.empty() ? listColumns[c].names[1] : own);
}

// "results.csv 第 22 行（Excel 第 21 行），身份证号：" or "results.csv，成绩：".
std::string where(std::string_view listName, const ParsedResultsList &list, const ListProblem &p)
{
    std::string text(listName);
    if (p.line > 0) {
        text += " 第 " + std::to_string(p.line) + " 行";
        if (p.row > 0 && p.row != p.line) {
            text += "（Excel 第 " + std::to_string(p.row) + " 行）";
        }
    }
    if (p.column >= 0) {
        text += "，" + columnName(list, p.column);
    }
    return text + "：";
}

std::string sentence(const ListProblem &p)
{
    return p.detail + "。" + std::string(explain(p.code).advice) + "。";
}

std::string separatorName(char32_t separator)
{
    return separator == U'\t' ? "制表符" : separator == U';' ? "分号" : "逗号";
}

} // namespace

std::vector<std::string> summaryLines(std::string_view listName, const ParsedResultsList &list)
{
    const ListLayout &layout = list.layout;
    std::string text = std::string(listName) + "：" + std::to_string(list.records.size())
        + " 条记录，" + layout.encoding;
    // A UTF-8 list damaged further down is read as GB18030 too; saying where UTF-8 ends shows it.
    if (layout.firstLineNotUtf8 > 1) {
        text += "（第 " + std::to_string(layout.firstLineNotUtf8) + " 行起不是 UTF-8）";
    }
    text += "，" + separatorName(layout.separator) + "分隔；表头在第 "
        + std::to_string(layout.headerLine) + " 行；列：";
    for (std::size_t c = 0; c < listColumns.size(); ++c) {
        text += (c == 0 ? "" : "、") + columnName(list, static_cast<int>(c)) + "（第 "
            + std::to_string(layout.columnNumbers[c]) + " 列）";
    }
    text += "；去掉了 " + std::to_string(layout.fieldsTrimmed) + " 个字段两端的空白";
    if (!list.warnings.empty()) {
        text += "；警告 " + std::to_string(list.warnings.size()) + " 条";
    }
    std::vector<std::string> lines {text};
    for (const ListProblem &warning : list.warnings) {
        lines.push_back("警告：" + where(listName, list, warning) + sentence(warning));
    }
    return lines;
}

std::vector<std::string> problemLines(std::string_view listName, const ParsedResultsList &list)
{
    std::map<std::pair<ProblemCode, int>, std::vector<const ListProblem *>> kinds;
    for (const ListProblem &problem : list.problems) {
        kinds[{problem.code, problem.column}].push_back(&problem);
    }
    std::vector<std::string> lines;
    std::size_t shown = 0;
    for (const ListProblem &problem : list.problems) {
        if (lines.size() + 1 >= maxLines) {
            break;
        }
        const std::vector<const ListProblem *> &same = kinds[{problem.code, problem.column}];
        if (same.size() <= ungroupedRepeats) {
            lines.push_back(where(listName, list, problem) + sentence(problem));
            ++shown;
            continue;
        }
        if (same.front() != &problem) {
            continue;
        }
        // The whole kind at its first line, then its first few, each with its own value.
        const Explanation explanation = explain(problem.code);
        std::string text(listName);
        text += problem.column >= 0 ? "，" + columnName(list, problem.column) + "：" : "：";
        lines.push_back(text + "第 " + std::to_string(same.front()->line) + "–"
            + std::to_string(same.back()->line) + " 行共 " + std::to_string(same.size()) + " 处"
            + std::string(explanation.summary) + "。" + std::string(explanation.advice) + "。");
        for (std::size_t i = 0; i < ungroupedRepeats && lines.size() + 1 < maxLines; ++i) {
            lines.push_back("    " + where(listName, list, *same[i]) + same[i]->detail);
        }
        shown += same.size();
    }
    if (shown < list.problems.size()) {
        lines.push_back(std::string(listName) + "：另有 "
            + std::to_string(list.problems.size() - shown) + " 个问题没有列出");
    }
    return lines;
}

} // namespace listreport
