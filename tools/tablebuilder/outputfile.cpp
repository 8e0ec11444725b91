#include "outputfile.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace OutputFile {

bool writeIfChanged(const QString &path, const QByteArray &contents, QString *error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == contents) {
        return true;
    }
    existing.close();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()
        || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool remove(const QString &path, QString *error)
{
    QFile file(path);
    if (file.exists() && !file.remove()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace OutputFile
