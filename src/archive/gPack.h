#pragma once
// The archive interface.dat: a "BMA" header, entry data, and a directory of
// (name, size, offset, flag) records at the end; flag 1 marks an entry
// scrambled with one fixed key byte. One archive is open per process; every
// file the program reads goes through LoadFile, which takes the archive's
// entry when there is one and the disk file otherwise.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// One directory record.
struct TData {
    uint8_t nameLength = 0;
    QString name; // decoded from cp1251, as stored (not lower-cased)
    int32_t offset = 0;
    int32_t size = 0;
    uint8_t flag = 0;
};

// The key byte every scrambled entry is XOR-ed with.
constexpr uint8_t ArchiveKeyByte = 0xA7;

bool OpenArchive(const QString& name);
void CloseArchive();
// Directory index of an entry (last record wins), or -1. The request is
// lower-cased and "/" taken as "\"; stored names are compared as stored.
int FindEntry(const QString& name);
// Replaces stream by the bytes of entry index (unscrambled); empty for an
// index outside the directory. An entry reaching past the end of the archive
// is cut to the bytes that are there.
void ReadEntry(QByteArray& stream, int index);
// The file called name, from the archive or else from disk; a file found
// nowhere shows "Не найден файл \r\n" + name and leaves the stream empty.
void LoadFile(QByteArray& stream, const QString& name);
QByteArray LoadFile(const QString& name);
// The same, reading straight into a buffer that allocate returns for the
// file's size (so a parser can own it without a second copy). Returns the
// bytes read, or -1 when the file was found nowhere (after the message).
using LoadAllocator = std::function<char*(qint64 size)>;
qint64 LoadFile(const QString& name, const LoadAllocator& allocate);
// Whether name can be loaded; shows nothing.
bool FileExistsInArchive(const QString& name);

// The open archive's state (for tools and tests).
bool ArchiveIsOpen();
QString ArchiveName();
QString ArchiveFolder(); // native, trailing "/"
const std::vector<TData>& ArchiveEntries();
