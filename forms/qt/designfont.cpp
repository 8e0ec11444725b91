#include "forms/qt/designfont.h"

#include "forms/qt/twips.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <optional>

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
