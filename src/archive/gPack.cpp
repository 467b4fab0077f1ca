#include "archive/gPack.h"

#include "platform/Paths.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr qint64 HeaderSize = 15;    // magic, reserved field, directory offset
constexpr qint64 MinRecordSize = 10; // name length, size, offset, flag

// Stored name -> index of its last record. Open addressing over 32-bit
// hashes, eight bytes a slot. A request is folded (ASCII lower case, "/" as
// "\") while it is hashed and compared, so a lookup allocates nothing; a
// request with other characters is lower-cased by toLower first.
class NameIndex {
public:
    void build(const std::vector<TData>& entries) {
        size_t capacity = 8;
        while (capacity < entries.size() * 2)
            capacity *= 2;
        table.assign(capacity, Slot{0, -1});
        mask = capacity - 1;
        for (size_t i = 0; i < entries.size(); ++i) {
            const QString& name = entries[i].name;
            const uint32_t h = hashOf(name, false);
            for (size_t at = h & mask;; at = (at + 1) & mask) {
                Slot& slot = table[at];
                if (slot.index < 0 || (slot.hash == h && entries[size_t(slot.index)].name == name)) {
                    slot = Slot{h, int32_t(i)}; // a later record replaces an earlier one
                    break;
                }
            }
        }
    }
    int find(QStringView request, const std::vector<TData>& entries) const {
        if (table.empty()) return -1;
        for (QChar c : request)
            if (c.unicode() >= 0x80) {
                const QString key = ::ArchiveName(request.toString());
                return probe(key, hashOf(key, false), false, entries);
            }
        return probe(request, hashOf(request, true), true, entries);
    }
    void clear() {
        table.clear();
        table.shrink_to_fit();
        mask = 0;
    }

private:
    struct Slot {
        uint32_t hash;
        int32_t index;
    };
    static char16_t foldAscii(char16_t c) {
        return c == '/' ? u'\\' : (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
    }
    // FNV-1a over the (folded) characters.
    static uint32_t hashOf(QStringView s, bool fold) {
        uint32_t h = 2166136261u;
        for (QChar c : s)
            h = (h ^ (fold ? foldAscii(c.unicode()) : c.unicode())) * 16777619u;
        return h;
    }
    int probe(QStringView request, uint32_t h, bool fold, const std::vector<TData>& entries) const {
        for (size_t at = h & mask;; at = (at + 1) & mask) {
            const Slot& slot = table[at];
            if (slot.index < 0) return -1;
            if (slot.hash == h && same(entries[size_t(slot.index)].name, request, fold)) return slot.index;
        }
    }
    static bool same(QStringView stored, QStringView request, bool fold) {
        if (stored.size() != request.size()) return false;
        if (!fold) return stored == request;
        for (qsizetype i = 0; i < stored.size(); ++i)
            if (stored[i].unicode() != foldAscii(request[i].unicode())) return false;
        return true;
    }
    std::vector<Slot> table;
    size_t mask = 0;
};

// Reads byte ranges of the archive with positioned reads. A read that
// starts where the previous one ended fills a 64 KB window, so entries read
// in directory order mostly come out of memory without a system call; any
// other read takes exactly its own bytes.
class RangeReader {
public:
    void reset(int descriptor) {
        fd = descriptor;
        window.clear();
        windowStart = 0;
        lastEnd = -1;
    }
    // The count of bytes read (fewer at the end of the file), or -1.
    qint64 read(qint64 offset, char* to, qint64 length) {
        if (offset >= windowStart && offset + length <= windowStart + window.size()) {
            std::memcpy(to, window.constData() + (offset - windowStart), size_t(length));
            lastEnd = offset + length;
            return length;
        }
        qint64 got;
        if (offset == lastEnd && length < WindowSize / 2) {
            window.resize(WindowSize);
            window.resize(std::max<qint64>(readAt(offset, window.data(), WindowSize), 0));
            windowStart = offset;
            got = std::min<qint64>(length, window.size());
            std::memcpy(to, window.constData(), size_t(got));
        } else {
            got = readAt(offset, to, length);
        }
        lastEnd = got < 0 ? -1 : offset + got;
        return got;
    }

private:
    static constexpr qint64 WindowSize = 64 * 1024;
    qint64 readAt(qint64 offset, char* to, qint64 length) const {
        qint64 done = 0;
        while (done < length) {
            const ssize_t n = ::pread(fd, to + done, size_t(length - done), off_t(offset + done));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return done > 0 ? done : -1;
            if (n == 0) break;
            done += n;
        }
        return done;
    }
    int fd = -1;
    QByteArray window;
    qint64 windowStart = 0;
    qint64 lastEnd = -1;
};

// The one open archive of the process.
struct ArchiveState {
    QFile file;
    RangeReader reader;
    qint64 fileSize = 0;
    QString name;
    // Empty while the archive folder is the program's folder, so it follows
    // AppFolder when that changes.
    QString folder;
    std::vector<TData> entries;
    NameIndex index;
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

int32_t readInt32(const char* p) {
    return qFromLittleEndian<int32_t>(p);
}

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

// XORs every byte with the key byte, eight bytes at a time.
void unscramble(char* p, qsizetype n) {
    constexpr uint64_t key8 = 0x0101010101010101ull * ArchiveKeyByte;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        word ^= key8;
        std::memcpy(p + i, &word, 8);
    }
    for (; i < n; ++i)
        p[i] = static_cast<char>(p[i] ^ ArchiveKeyByte);
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
    for (const RawRecord& r : records) {
        TData d;
        d.nameLength = r.nameLength;
        d.name = decoder.decode(QByteArrayView(dir.constData() + r.nameAt, r.nameLength));
        d.size = r.size;
        d.offset = r.offset;
        d.flag = r.flag;
        s.entries.push_back(std::move(d));
    }
    s.index.build(s.entries);
    return true;
}

// The name without the archive folder when it is an absolute name at least
// as long as the folder; the dropped characters are not compared.
QString relativeName(const QString& name) {
    const bool absolute = (name.size() >= 2 && name[1] == ':') || name.startsWith('/');
    if (!absolute) return name;
    const qsizetype folderSize = ArchiveFolder().size();
    return name.size() >= folderSize ? name.mid(folderSize) : name;
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
    if (!s.file.open(QIODevice::ReadOnly) || s.file.handle() < 0 || !readDirectory(s)) {
        CloseArchive();
        return false;
    }
    s.reader.reset(s.file.handle());
    return true;
}

void CloseArchive() {
    ArchiveState& s = state();
    s.entries.clear();
    s.entries.shrink_to_fit();
    s.index.clear();
    s.file.close();
    s.reader.reset(-1);
    s.fileSize = 0;
    s.name.clear();
}

int FindEntry(const QString& name) {
    const ArchiveState& s = state();
    return s.index.find(name, s.entries);
}

namespace {

// Reads entry index into a buffer that allocate gives for its size; returns
// the bytes read (0 for an empty or unreadable entry).
qint64 readEntryInto(int index, const LoadAllocator& allocate) {
    ArchiveState& s = state();
    if (index < 0 || index >= static_cast<int>(s.entries.size())) return 0;
    const TData& d = s.entries[static_cast<size_t>(index)];
    if (d.size <= 0 || d.offset < 0 || d.offset >= s.fileSize) return 0;
    // An entry reaching past the end of the archive is cut to the bytes that
    // are there, so a bad size never allocates more than the file holds.
    const qint64 wanted = std::min<qint64>(d.size, s.fileSize - d.offset);
    char* to = allocate(wanted);
    if (!to) return 0;
    const qint64 got = std::max<qint64>(s.reader.read(d.offset, to, wanted), 0);
    if (d.flag == 1) unscramble(to, got);
    return got;
}

qint64 readDiskFileInto(const QString& path, const LoadAllocator& allocate) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const qint64 size = f.size();
    char* to = allocate(size);
    if (!to) return 0;
    return std::max<qint64>(f.read(to, size), 0);
}

} // namespace

void ReadEntry(QByteArray& stream, int index) {
    stream.clear();
    const qint64 got = readEntryInto(index, [&stream](qint64 size) {
        stream.resize(size);
        return stream.data();
    });
    stream.resize(got);
}

qint64 LoadFile(const QString& name, const LoadAllocator& allocate) {
    if (name.isEmpty()) return -1;
    const QString relative = relativeName(name);
    const int index = FindEntry(relative);
    if (index >= 0) return readEntryInto(index, allocate);
    QString disk = FindOnDisk(name);
    if (disk.isEmpty() || !QFileInfo(disk).isFile())
        disk = FindOnDisk(ResolveRelative(relative.toLower(), ArchiveFolder()));
    if (!disk.isEmpty() && QFileInfo(disk).isFile()) {
        const qint64 got = readDiskFileInto(disk, allocate);
        if (got >= 0) return got;
    }
    platform().messageBox(QStringLiteral("Не найден файл \r\n") + name);
    return -1;
}

void LoadFile(QByteArray& stream, const QString& name) {
    stream.clear();
    const qint64 got = LoadFile(name, [&stream](qint64 size) {
        stream.resize(size);
        return stream.data();
    });
    stream.resize(std::max<qint64>(got, 0));
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

bool ArchiveIsOpen() {
    return state().file.isOpen();
}

QString ArchiveName() {
    return state().name;
}

QString ArchiveFolder() {
    const QString& folder = state().folder;
    return folder.isEmpty() ? AppFolder() : folder;
}

const std::vector<TData>& ArchiveEntries() {
    return state().entries;
}
