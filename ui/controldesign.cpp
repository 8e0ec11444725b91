#include "ui/controldesign.h"

#include "ui/twips.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The designed face where it is installed, else the first installed substitute the application
// registered for it. Asking Qt for a face it does not have costs a fallback search through
// fontconfig for every font, which start-up cannot afford.
QString installedFace(const QString &face)
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
    return face;
}

} // namespace

QFont designFont(const FontDesign &design)
{
    QFont font(installedFace(design.face));
    font.setPixelSize(twips::fontPixels(design.points));
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    // The design faces cover every character the windows show, so Qt need not look for
    // fallback faces; and unhinted outlines spare FreeType's autohinter analysing a CJK face's
    // glyphs at start-up, several megabytes of the font file and a good part of start-up time.
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString wrapCaption(const QString &caption, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    QString wrapped;
    QString line;
    for (const QChar c : caption) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            wrapped += line + u'\n';
            line.clear();
        }
        line += c;
    }
    return wrapped + line;
}

QString spokenName(const QString &caption)
{
    QString name = caption;
    name.remove(u' ');
    if (name.endsWith(u'：')) {
        name.chop(1);
    }
    return name;
}

namespace {

QWidget *createControl(QWidget &window, const ControlDesign &row)
{
    switch (row.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(row.caption, &window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::TextBox:
        return new QLineEdit(row.caption, &window);
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(&window);
        // Enter clicks a focused button, as Space does, without any button being the default.
        button->setAutoDefault(true);
        return button;
    }
    }
    return nullptr;
}

} // namespace

QList<QWidget *> buildControls(QWidget &window, std::span<const ControlDesign> rows)
{
    QList<QWidget *> controls;
    for (const ControlDesign &row : rows) {
        QWidget *control = createControl(window, row);
        control->setObjectName(row.name);
        control->setGeometry(twips::toPixels(row.left, row.top, row.width, row.height));
        if (row.font) {
            control->setFont(designFont(*row.font));
        }
        if (row.foreColor) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::WindowText, *row.foreColor);
            control->setPalette(palette);
        }
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            button->setText(wrapCaption(row.caption, button->font(), button->width()));
            button->setAccessibleName(spokenName(row.caption));
        }
        controls.append(control);
    }

    QList<std::pair<int, QWidget *>> byTabIndex;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        byTabIndex.append({rows[static_cast<std::size_t>(i)].tabIndex, controls[i]});
    }
    std::ranges::sort(byTabIndex, {}, &std::pair<int, QWidget *>::first);
    for (qsizetype i = 1; i < byTabIndex.size(); ++i) {
        QWidget::setTabOrder(byTabIndex[i - 1].second, byTabIndex[i].second);
    }
    return controls;
}
