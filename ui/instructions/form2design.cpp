#include "ui/instructions/form2design.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace form2design {

QString instructionsText()
{
    return QStringList {
        u"软件使用说明："_s,
        u"1、本软件只能查询2020年Merrowdale公开招聘员额制工作人员笔试成绩。"_s,
        u"2、查询时，必须输入准考证号和身份证号，二者缺一不可。"_s,
        u"3、身份证号如有字母，请输入大写字母。"_s,
        u"在查询过程中，如有疑问请致电0851-12345678。"_s,
    }
        .join(u"\r\n"_s);
}

const std::array<ControlDesign, 1> &controls()
{
    static const std::array<ControlDesign, 1> rows {{
        // kind, name, caption, left, top, width, height, font, fore colour, tab index
        {ControlKind::Label, u"Label1"_s, instructionsText(), 360, 480, 3975, 4575,
            FontDesign {u"宋体"_s, 14.25, false}, {}, 0},
    }};
    return rows;
}

} // namespace form2design
