#include "archive/gPack.h"

#include "platform/Paths.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr qint64 HeaderSize = 15;     // magic, reserved field, directory offset
constexpr qint64 MinRecordSize = 10;  // name length, size, offset, flag

// The one open archive of the process.
struct ArchiveState {
    QFile file;
    qint64 fileSize = 0;
    QString name;
    // Empty while the archive folder is the program's folder, so it follows
    // AppFolder when that changes.
    QString folder;
    std::vector<TData> entries;
    // Stored name -> index of its last record.
    QHash<QString, int> index;
};

ArchiveState& state() {
    static ArchiveState s;
    return s;
}

// A directory record still in the raw directory bytes.
struct RawRecord {
    qint64 nameAt;
    uint8_t nameLength;
    int32_t size;
    int32_t offset;
    uint8_t flag;
};

int32_t readInt32(const char* p) { return qFromLittleEndian<int32_t>(p); }

// Walks the directory bytes; false when a record is cut off by the end.
bool parseDirectory(const QByteArray& dir, std::vector<RawRecord>& records) {
    const char* p = dir.constData();
    const qint64 end = dir.size();
    qint64 at = 0;
    do {
        if (at + 1 > end) return false;
        RawRecord r;
        r.nameLength = static_cast<uint8_t>(p[at]);
        r.nameAt = at + 1;
        const qint64 fields = r.nameAt + r.nameLength;
        if (fields + 9 > end) return false;
        r.size = readInt32(p + fields);
        r.offset = readInt32(p + fields + 4);
        r.flag = static_cast<uint8_t>(p[fields + 8]);
        records.push_back(r);
        at = fields + 9;
    } while (at < end);
    return true;
}

// Reads header and directory of the opened file; false on any fault.
bool readDirectory(ArchiveState& s) {
    s.fileSize = s.file.size();
    if (s.fileSize == 0) return true;
    if (s.fileSize < HeaderSize) return false;
    char header[HeaderSize];
    if (s.file.read(header, HeaderSize) != HeaderSize) return false;
    if (QByteArrayView(header, 3) != QByteArrayView("BMA")) {
        platform().messageBox(QStringLiteral("Неверная сигнатура архива"));
        return false;
    }
    // Only the low 32 bits count, as a signed position.
    const int32_t dirOffset = readInt32(header + 7);
    if (dirOffset < 0 || dirOffset >= s.fileSize) return false;
    if (!s.file.seek(dirOffset)) return false;
    const QByteArray dir = s.file.read(s.fileSize - dirOffset);
    if (dir.size() != s.fileSize - dirOffset) return false;

    std::vector<RawRecord> records;
    records.reserve(std::min<qint64>(dir.size() / MinRecordSize + 1, 1 << 20));
    if (!parseDirectory(dir, records)) return false;

    QStringDecoder decoder("windows-1251");
    s.entries.reserve(records.size());
    s.index.reserve(static_cast<qsizetype>(records.size()));
    for (const RawRecord& r : records) {
        TData d;
        d.nameLength = r.nameLength;
        d.name = decoder.decode(QByteArrayView(dir.constData() + r.nameAt, r.nameLength));
        d.size = r.size;
        d.offset = r.offset;
        d.flag = r.flag;
        s.index.insert(d.name, static_cast<int>(s.entries.size()));
        s.entries.push_back(std::move(d));
    }
    return true;
}

// The name without the archive folder when it is an absolute name at least
// as long as the folder; the dropped characters are not compared.
QString relativeName(const QString& name) {
    const bool absolute = (name.size() >= 2 && name[1] == ':') || name.startsWith('/');
    const QString folder = ArchiveFolder();
    if (absolute && name.size() >= folder.size()) return name.mid(folder.size());
    return name;
}

bool readDiskFile(QByteArray& stream, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    stream = f.readAll();
    return true;
}

} // namespace

bool OpenArchive(const QString& name) {
    ArchiveState& s = state();
    s.folder.clear();
    const QString found = FindOnDisk(name);
    if (found.isEmpty() || !QFileInfo(found).isFile()) return false;

    if (s.file.isOpen() || !s.entries.empty()) CloseArchive();
    s.name = name;
    const int cut = std::max(name.lastIndexOf('/'), name.lastIndexOf('\\'));
    if (cut >= 0) s.folder = AddSlash(QFileInfo(found).absolutePath());

    s.file.setFileName(found);
    // Unbuffered: every entry is one seek and one read straight into its buffer.
    if (!s.file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !readDirectory(s)) {
        CloseArchive();
        return false;
    }
    return true;
}

void CloseArchive() {
    ArchiveState& s = state();
    s.entries.clear();
    s.entries.shrink_to_fit();
    s.index.clear();
    s.file.close();
    s.fileSize = 0;
    s.name.clear();
}

int FindEntry(const QString& name) {
    const ArchiveState& s = state();
    if (s.index.isEmpty()) return -1;
    return s.index.value(::ArchiveName(name), -1);
}

void ReadEntry(QByteArray& stream, int index) {
    ArchiveState& s = state();
    stream.clear();
    if (index < 0 || index >= static_cast<int>(s.entries.size())) return;
    const TData& d = s.entries[static_cast<size_t>(index)];
    if (d.size <= 0 || d.offset < 0 || d.offset >= s.fileSize) return;
    // An entry reaching past the end of the archive is cut to the bytes that
    // are there, so a bad size never allocates more than the file holds.
    const qint64 wanted = std::min<qint64>(d.size, s.fileSize - d.offset);
    if (!s.file.seek(d.offset)) return;
    stream.resize(wanted);
    const qint64 got = s.file.read(stream.data(), wanted);
    stream.resize(std::max<qint64>(got, 0));
    if (d.flag == 1) {
        char* p = stream.data();
        for (qsizetype i = 0, n = stream.size(); i < n; ++i) p[i] = static_cast<char>(p[i] ^ ArchiveKeyByte);
    }
}

void LoadFile(QByteArray& stream, const QString& name) {
    stream.clear();
    if (name.isEmpty()) return;
    const QString relative = relativeName(name).toLower();
    const int index = FindEntry(relative);
    if (index >= 0) {
        ReadEntry(stream, index);
        return;
    }
    QString disk = FindOnDisk(name);
    if (disk.isEmpty() || !QFileInfo(disk).isFile()) disk = FindOnDisk(ResolveRelative(relative, ArchiveFolder()));
    if (!disk.isEmpty() && QFileInfo(disk).isFile() && readDiskFile(stream, disk)) return;
    stream.clear();
    platform().messageBox(QStringLiteral("Не найден файл \r\n") + name);
}

QByteArray LoadFile(const QString& name) {
    QByteArray stream;
    LoadFile(stream, name);
    return stream;
}

bool FileExistsInArchive(const QString& name) {
    if (name.size() >= 2 && (name[1] == ':' || name.startsWith('/'))) {
        return FileExistsOnDisk(name) || FindEntry(relativeName(name)) >= 0;
    }
    if (FindEntry(name) >= 0) return true;
    if (name.isEmpty()) return false;
    return FileExistsOnDisk(AbsoluteFromApp(name));
}

bool ArchiveIsOpen() { return state().file.isOpen(); }

QString ArchiveName() { return state().name; }

QString ArchiveFolder() {
    const QString& folder = state().folder;
    return folder.isEmpty() ? AppFolder() : folder;
}

const std::vector<TData>& ArchiveEntries() { return state().entries; }
