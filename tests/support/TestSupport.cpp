#include "support/TestSupport.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

TempAppFolder::TempAppFolder() {
    previousCurrent = QDir::currentPath();
    SetAppFolder(dir.path());
    QDir::setCurrent(dir.path());
}

TempAppFolder::~TempAppFolder() {
    QDir::setCurrent(previousCurrent);
    SetAppFolder(QString());
}

QString TempAppFolder::path() const { return AddSlash(dir.path()); }

QString TempAppFolder::writeText(const QString& relative, const QString& text) const {
    return writeBytes(relative, ToCp1251(text));
}

QString TempAppFolder::writeBytes(const QString& relative, const QByteArray& bytes) const {
    const QString file = path() + NativePath(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return file;
}

QByteArray ToCp1251(const QString& text) {
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}
