#include "listcolumns.h"

#include "exceldamage.h"
#include "fieldrules.h"

namespace {

std::optional<ListProblem> sfzhRule(std::u32string_view value)
{
    std::optional<ListProblem> damage = exceldamage::sfzhDamage(value);
    return damage ? damage : fieldrules::sfzhProblem(value);
}

std::optional<ListProblem> zkzhRule(std::u32string_view value)
{
    std::optional<ListProblem> damage = exceldamage::zkzhDamage(value);
    return damage ? damage : fieldrules::zkzhProblem(value);
}

std::optional<ListProblem> cjRule(std::u32string_view value)
{
    std::optional<ListProblem> damage = exceldamage::cjDamage(value);
    return damage ? damage : fieldrules::cjProblem(value);
}

} // namespace

const std::array<ListColumn, 4> listColumns {{
    {"sfzh", {U"sfzh", U"身份证号", U"身份证号码", U"证件号码"}, &ResultRecord::sfzh, sfzhRule,
        true},
    {"zkzh", {U"zkzh", U"准考证号", U"准考证号码"}, &ResultRecord::zkzh, zkzhRule, true},
    {"xm", {U"xm", U"姓名"}, &ResultRecord::xm, fieldrules::xmProblem, false},
    {"cj", {U"cj", U"成绩", U"笔试成绩"}, &ResultRecord::cj, cjRule, false},
}};
