#pragma once
// Archive files byte by byte, independent of the archive writer, so reader
// tests can also describe broken archives.

#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <vector>

class ArchiveBytes {
public:
    struct Record {
        QByteArray name; // raw bytes as stored
        int32_t size;
        int32_t offset;
        uint8_t flag;
    };

    // Appends entry data (stored as given) and its directory record.
    ArchiveBytes& add(const QByteArray& name, const QByteArray& stored, uint8_t flag = 0) {
        records.push_back({name, int32_t(stored.size()), int32_t(15 + data.size()), flag});
        data += stored;
        return *this;
    }
    // Appends a directory record as given, with no data.
    ArchiveBytes& record(const Record& r) {
        records.push_back(r);
        return *this;
    }
    QByteArray directory() const {
        QByteArray out;
        for (const Record& r : records) {
            out += char(r.name.size());
            out += r.name;
            out += le32(r.size) + le32(r.offset);
            out += char(r.flag);
        }
        return out;
    }
    // The whole file; the directory offset field holds dirOffset when given.
    QByteArray bytes(int64_t dirOffset = -1) const {
        QByteArray out("BMA");
        out += le32(0);
        const uint64_t at = dirOffset < 0 ? uint64_t(15 + data.size()) : uint64_t(dirOffset);
        char b[8];
        qToLittleEndian<quint64>(at, b);
        out += QByteArray(b, 8);
        out += data;
        out += directory();
        return out;
    }
    static QByteArray le32(int32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        return QByteArray(b, 4);
    }

    QByteArray data;
    std::vector<Record> records;
};
