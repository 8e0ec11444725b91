#include "fieldrules.h"

#include "tools/common/idcardcheck.h"

#include <QList>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace FieldRules {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allAsciiDigits(QStringView value)
{
    return std::all_of(value.begin(), value.end(), isAsciiDigit);
}

QString codePointName(char32_t codePoint)
{
    return u"U+%1"_s.arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString quoted(QStringView value)
{
    QString text = u"\""_s;
    for (const QChar c : value) {
        if (c == u'\t') {
            text += u"\\t"_s;
        } else if (c == u'\r') {
            text += u"\\r"_s;
        } else if (c == u'\n') {
            text += u"\\n"_s;
        } else if (c == u'"' || c == u'\\') {
            text += u'\\';
            text += c;
        } else if (c.category() == QChar::Other_Control) {
            text += u"\\u"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
        } else {
            text += c;
        }
    }
    return text + u'"';
}

QString blankProblem(QStringView value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i].isSpace()) {
            return u"must not contain blanks, found %1 at character %2 of %3"_s.arg(
                codePointName(value[i].unicode()), QString::number(i + 1), quoted(value));
        }
    }
    return {};
}

QString sfzhProblem(QStringView value)
{
    if (value.size() != 18) {
        return u"must be 18 characters (17 ASCII digits and a check character), found %1 in %2"_s
            .arg(QString::number(value.size()), quoted(value));
    }
    if (!allAsciiDigits(value.first(17))) {
        return u"the first 17 characters must be ASCII digits, found %1"_s.arg(quoted(value));
    }
    const QChar last = value[17];
    if (!isAsciiDigit(last) && last != u'X') {
        return u"the check character must be an ASCII digit or an upper-case \"X\", found %1"_s.arg(
            quoted(value));
    }
    const QChar expected
        = QLatin1Char(idCardCheckCharacter(std::u16string_view(value.utf16(), 17)));
    if (last != expected) {
        return u"the check character must be \"%1\" by ISO 7064 MOD 11-2, found %2"_s.arg(
            expected, quoted(value));
    }
    return {};
}

QString zkzhProblem(QStringView value)
{
    if (value.size() != 11 || !allAsciiDigits(value)) {
        return u"must be 11 ASCII digits, found %1"_s.arg(quoted(value));
    }
    return {};
}

QString xmProblem(QStringView value)
{
    // Code points, not UTF-16 units, so that a character outside the BMP is named as itself.
    const QList<uint> characters = value.toUcs4();
    for (const uint c : characters) {
        if (c < 0x4E00 || c > 0x9FA5) {
            return u"every character must be a Chinese character from U+4E00 to U+9FA5, "
                   u"found %1 in %2"_s.arg(codePointName(c), quoted(value));
        }
    }
    if (characters.size() < 2 || characters.size() > 4) {
        return u"must be 2 to 4 characters, found %1 in %2"_s.arg(
            QString::number(characters.size()), quoted(value));
    }
    return {};
}

QString cjProblem(QStringView value)
{
    if (value == u"缺考") {
        return {};
    }
    const qsizetype point = value.indexOf(u'.');
    const QStringView whole = point < 0 ? value : value.first(point);
    if (whole.size() != 2 || !allAsciiDigits(whole) || whole[0] == u'0') {
        return u"must be \"缺考\" or a score whose whole part is 10 to 99 without a leading zero, "
               u"found %1"_s.arg(quoted(value));
    }
    if (point >= 0) {
        const QStringView fraction = value.sliced(point + 1);
        if (fraction.isEmpty() || fraction.size() > 2 || !allAsciiDigits(fraction)
            || fraction.back() == u'0') {
            return u"a score's fractional part must be 1 or 2 ASCII digits, the last not 0, "
                   u"found %1"_s.arg(quoted(value));
        }
    }
    return {};
}

} // namespace FieldRules
