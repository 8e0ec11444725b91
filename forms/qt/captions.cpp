#include "forms/qt/captions.h"

#include <QFont>
#include <QFontMetrics>
#include <QPushButton>
#include <QString>

namespace qtforms {

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

void setButtonCaption(QPushButton &button, const QString &caption)
{
    button.setProperty("caption", caption);
    button.setText(wrapCaption(caption, button.font(), button.width()));
    button.setAccessibleName(spokenName(caption));
}

} // namespace qtforms
