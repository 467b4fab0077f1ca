#include "catalogue/CatalogueXml.h"

#include "archive/gPack.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <array>
#include <cstring>

namespace {

// UTF-8 encodings of the upper half of windows-1251, built once.
struct Cp1251Table {
    std::array<std::array<char, 4>, 128> utf8{};
    std::array<uint8_t, 128> length{};
    Cp1251Table() {
        QStringDecoder decoder("windows-1251");
        for (int i = 0; i < 128; ++i) {
            const char byte = static_cast<char>(0x80 + i);
            const QByteArray u = QString(decoder.decode(QByteArrayView(&byte, 1))).toUtf8();
            length[i] = static_cast<uint8_t>(std::min<qsizetype>(u.size(), 4));
            std::memcpy(utf8[i].data(), u.constData(), length[i]);
        }
    }
};

char* allocate(size_t size) {
    return static_cast<char*>(pugi::get_memory_allocation_function()(size ? size : 1));
}

bool declaresCp1251(const char* bytes, size_t size) {
    const QByteArrayView view(bytes, static_cast<qsizetype>(size));
    if (!view.startsWith("<?xml")) return false;
    const qsizetype end = view.indexOf("?>");
    if (end < 0) return false;
    const QByteArray decl = view.first(end).toByteArray().toLower();
    return decl.contains("windows-1251") || decl.contains("cp1251");
}

// Parses a buffer from pugixml's allocator, which pugixml then owns; a
// windows-1251 document is transcoded into a new buffer first.
pugi::xml_parse_result parseOwned(pugi::xml_document& doc, char* buffer, size_t size) {
    if (!declaresCp1251(buffer, size))
        return doc.load_buffer_inplace_own(buffer, size, pugi::parse_default, pugi::encoding_auto);
    static const Cp1251Table table;
    size_t utf8Size = 0;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = static_cast<uint8_t>(buffer[i]);
        utf8Size += b < 0x80 ? 1 : table.length[b - 0x80];
    }
    char* out = allocate(utf8Size);
    char* p = out;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = static_cast<uint8_t>(buffer[i]);
        if (b < 0x80) {
            *p++ = static_cast<char>(b);
        } else {
            std::memcpy(p, table.utf8[b - 0x80].data(), table.length[b - 0x80]);
            p += table.length[b - 0x80];
        }
    }
    pugi::get_memory_deallocation_function()(buffer);
    return doc.load_buffer_inplace_own(out, utf8Size, pugi::parse_default, pugi::encoding_utf8);
}

} // namespace

pugi::xml_parse_result LoadXmlDocument(pugi::xml_document& doc, const QByteArray& bytes) {
    const size_t size = static_cast<size_t>(bytes.size());
    char* buffer = allocate(size);
    if (size) std::memcpy(buffer, bytes.constData(), size);
    return parseOwned(doc, buffer, size);
}

pugi::xml_parse_result LoadXmlFile(pugi::xml_document& doc, const QString& name, bool* found) {
    char* buffer = nullptr;
    const qint64 got = LoadFile(name, [&buffer](qint64 size) {
        buffer = allocate(static_cast<size_t>(size));
        return buffer;
    });
    if (found) *found = got >= 0;
    if (!buffer) buffer = allocate(0);
    return parseOwned(doc, buffer, static_cast<size_t>(std::max<qint64>(got, 0)));
}
