#include "forms/qt/fontsubstitutes.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace qtforms {

void registerFontSubstitutes()
{
    const QStringList song {u"AR PL UMing CN"_s, u"AR PL UMing TW"_s, u"Noto Serif CJK SC"_s};
    const QStringList hei {u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s};
    // Both the Chinese and the English family names, as either may be asked for.
    QFont::insertSubstitutions(u"宋体"_s, song);
    QFont::insertSubstitutions(u"SimSun"_s, song);
    QFont::insertSubstitutions(u"黑体"_s, hei);
    QFont::insertSubstitutions(u"SimHei"_s, hei);
}

} // namespace qtforms
