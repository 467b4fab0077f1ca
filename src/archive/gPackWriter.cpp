#include "archive/gPackWriter.h"

#include "archive/gPack.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

bool fail(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

void appendInt32(QByteArray& out, int32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

bool encodeName(const QString& name, QByteArray& out, QString* error) {
    QStringEncoder encoder("windows-1251");
    out = encoder.encode(name);
    if (encoder.hasError()) return fail(error, QStringLiteral("name cannot be stored in cp1251: ") + name);
    if (out.size() > 255) return fail(error, QStringLiteral("name longer than 255 bytes: ") + name);
    return true;
}

} // namespace

bool WriteArchive(const QString& archive, const std::vector<PackEntry>& entries, bool scramble,
                  QString* error) {
    QSaveFile out(archive);
    if (!out.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("cannot write ") + archive + ": " + out.errorString());
    if (entries.empty()) {
        if (!out.commit())
            return fail(error, QStringLiteral("cannot write ") + archive + ": " + out.errorString());
        return true;
    }

    QByteArray header("BMA", 3);
    header.append(12, '\0'); // reserved field 0, directory offset filled in last
    out.write(header);

    QByteArray directory;
    qint64 position = header.size();
    constexpr qint64 limit = std::numeric_limits<int32_t>::max();
    for (const PackEntry& e : entries) {
        QByteArray encoded;
        if (!encodeName(e.name, encoded, error)) return false;
        QByteArray data = e.data;
        if (!e.sourcePath.isEmpty()) {
            QFile in(e.sourcePath);
            if (!in.open(QIODevice::ReadOnly))
                return fail(error, QStringLiteral("cannot read ") + e.sourcePath);
            data = in.readAll();
        }
        if (position + data.size() > limit) return fail(error, QStringLiteral("archive larger than 2 GB"));
        if (scramble)
            for (char& c : data)
                c = static_cast<char>(c ^ ArchiveKeyByte);
        directory.append(static_cast<char>(encoded.size()));
        directory.append(encoded);
        appendInt32(directory, static_cast<int32_t>(data.size()));
        appendInt32(directory, static_cast<int32_t>(position));
        directory.append(scramble ? '\1' : '\0');
        if (out.write(data) != data.size()) return fail(error, QStringLiteral("cannot write ") + archive);
        position += data.size();
    }
    if (position + directory.size() > limit) return fail(error, QStringLiteral("archive larger than 2 GB"));
    out.write(directory);
    char offset[8];
    qToLittleEndian<quint64>(static_cast<quint64>(position), offset);
    if (!out.seek(7) || out.write(offset, 8) != 8 || !out.commit())
        return fail(error, QStringLiteral("cannot write ") + archive + ": " + out.errorString());
    return true;
}

bool CollectFolder(const QString& folder, std::vector<PackEntry>& entries, QString* error) {
    const QFileInfo root(folder);
    if (!root.isDir()) return fail(error, QStringLiteral("not a folder: ") + folder);
    const QDir base(root.absoluteFilePath());
    entries.clear();
    QDirIterator it(base.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QString name = base.relativeFilePath(path).toLower();
        name.replace('/', '\\');
        QByteArray encoded;
        if (!encodeName(name, encoded, error)) return false;
        entries.push_back({name, {}, path});
    }
    std::sort(entries.begin(), entries.end(),
              [](const PackEntry& a, const PackEntry& b) { return a.name < b.name; });
    const auto same =
        std::adjacent_find(entries.begin(), entries.end(),
                           [](const PackEntry& a, const PackEntry& b) { return a.name == b.name; });
    if (same != entries.end())
        return fail(error, QStringLiteral("two files differ only in letter case: ") + same->sourcePath +
                               ", " + std::next(same)->sourcePath);
    return true;
}

bool PackFolder(const QString& folder, const QString& archive, bool scramble, QString* error) {
    std::vector<PackEntry> entries;
    return CollectFolder(folder, entries, error) && WriteArchive(archive, entries, scramble, error);
}
