#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& appFolderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString AppFolder() {
    if (!appFolderOverride().isEmpty()) return appFolderOverride();
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return AddSlash(dir);
}

void SetAppFolder(const QString& folder) {
    appFolderOverride() = folder.isEmpty() ? QString() : AddSlash(NativePath(folder));
}

QString WindowsFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QDir().mkpath(dir);
    return AddSlash(dir);
}

bool IsAbsoluteName(const QString& name) {
    return (name.size() >= 2 && name[1] == ':') || name.startsWith('/');
}

QString AddSlash(const QString& path) {
    if (path.isEmpty() || IsSeparator(path.back())) return path;
    return path + '/';
}

QString DropSlash(const QString& path) {
    if (!path.isEmpty() && IsSeparator(path.back())) return path.chopped(1);
    return path;
}

QString AbsoluteFromApp(const QString& path) {
    if (path.isEmpty() || IsAbsoluteName(path)) return path;
    QString rest = path;
    if (rest.startsWith('\\')) rest.remove(0, 1);
    return AppFolder() + rest;
}

QString RelativeToApp(const QString& path) {
    if (path.contains(':') || path.startsWith('/')) return path.mid(AppFolder().size());
    return path;
}

QString ResolveRelative(const QString& path, const QString& base) {
    if (path.isEmpty() || IsAbsoluteName(path)) return path;
    QString b = AddSlash(NativePath(base.isEmpty() ? AppFolder() : base));
    // Each ".." takes back the folder before it, or climbs one folder of the
    // base when nothing of the path is left to take back; "." and doubled
    // separators drop out.
    const QStringList parts = NativePath(path).split('/');
    QStringList kept;
    int levels = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == QLatin1String("..")) {
            if (kept.isEmpty())
                ++levels;
            else
                kept.removeLast();
        } else if (part != QLatin1String(".") && (!part.isEmpty() || i == parts.size() - 1)) {
            kept << part;
        }
    }
    for (int i = 0; i < levels; ++i) {
        const QString folder = DropSlash(b);
        // Nothing lies above the root or a drive.
        if (folder.isEmpty() || (folder.size() == 2 && folder[1] == ':')) break;
        const qsizetype cut = folder.lastIndexOf('/');
        b = cut < 0 ? QString() : folder.left(cut + 1);
    }
    return b + kept.join('/');
}

QString NativePath(const QString& name) {
    QString out = name;
    out.replace('\\', '/');
    return out;
}

QString ArchiveName(const QString& name) {
    QString out = name.toLower();
    out.replace('/', '\\');
    return out;
}

QString FindOnDisk(const QString& name) {
    if (name.isEmpty()) return {};
    const QString native = NativePath(name);
    if (QFileInfo::exists(native)) return native;
    const QString lower = native.toLower();
    if (QFileInfo::exists(lower)) return lower;

    // Folder by folder, matching each part without regard to letter case.
    const bool absolute = native.startsWith('/');
    QString current = absolute ? QStringLiteral("/") : QString();
    const QStringList parts = native.split('/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString candidate = current + part;
        if (part == "." || part == ".." || QFileInfo::exists(candidate)) {
            current = candidate + (i + 1 < parts.size() ? "/" : "");
            continue;
        }
        QDir dir(current.isEmpty() ? QStringLiteral(".") : current);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QString match;
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty()) return {};
        current += match + (i + 1 < parts.size() ? "/" : "");
    }
    return QFileInfo::exists(current) ? current : QString();
}

bool FileExistsOnDisk(const QString& name) {
    const QString found = FindOnDisk(name);
    return !found.isEmpty() && QFileInfo(found).isFile();
}
