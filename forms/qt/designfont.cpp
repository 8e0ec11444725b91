#include "forms/qt/designfont.h"

#include "forms/qt/twips.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace qtforms {

namespace {

// The designed face where it is installed, else the first installed substitute the application
// registered for it, or nothing. Asking Qt for a face it does not have costs a fallback search
// through fontconfig for every font, which start-up cannot afford.
std::optional<QString> installedFace(const QString &face)
{
    static const QStringList installed = QFontDatabase::families();
    // Qt keeps substitutes in lower case; the installed spelling is the one to ask for.
    for (const QString &candidate : QStringList {face} + QFont::substitutes(face)) {
        const auto found = std::ranges::find_if(installed, [&candidate](const QString &family) {
            return family.compare(candidate, Qt::CaseInsensitive) == 0;
        });
        if (found != installed.end()) {
            return *found;
        }
    }
    return std::nullopt;
}

} // namespace

QFont designFont(const forms::FontDesign &design)
{
    const QString designedFace = QStringView(design.face).toString();
    const std::optional<QString> face = installedFace(designedFace);
    QFont font(face.value_or(designedFace));
    font.setPixelSize(twips::fontPixels(design.points));
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    // The design faces and their substitutes cover every character the windows show, including
    // every name in the results list, so Qt need not look for fallback faces. Without any of
    // them, Qt's own matching and fallbacks find what they can.
    if (face) {
        font.setStyleStrategy(QFont::NoFontMerging);
    }
    // Unhinted outlines spare FreeType's autohinter analysing a CJK face's glyphs at start-up,
    // megabytes of the font file and a good part of start-up time.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont fontCovering(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    const QList<uint> characters = text.toUcs4();
    if (std::ranges::all_of(characters, [&metrics](uint c) { return metrics.inFontUcs4(c); })) {
        return font;
    }
    // Qt takes a glyph from a further family only while fonts merge; the merged font asks
    // fontconfig once for its fallbacks and opens the Hei face's file for the first missing
    // glyph, a cost paid only for text that needs it.
    QFont covering = font;
    const std::optional<QString> hei = installedFace(u"黑体"_s);
    if (hei && *hei != font.family()) {
        covering.setFamilies({font.family(), *hei});
    }
    covering.setStyleStrategy(QFont::PreferDefault);
    return covering;
}

} // namespace qtforms
