#include "catalogue/CatalogueXml.h"

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

bool declaresCp1251(const QByteArray& bytes) {
    if (!bytes.startsWith("<?xml")) return false;
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0) return false;
    const QByteArray decl = bytes.left(end).toLower();
    return decl.contains("windows-1251") || decl.contains("cp1251");
}

} // namespace

pugi::xml_parse_result LoadXmlDocument(pugi::xml_document& doc, QByteArray bytes) {
    const unsigned options = pugi::parse_default;
    if (declaresCp1251(bytes)) {
        static const Cp1251Table table;
        size_t size = 0;
        for (char c : bytes) size += static_cast<uint8_t>(c) < 0x80 ? 1 : table.length[static_cast<uint8_t>(c) - 0x80];
        char* out = static_cast<char*>(pugi::get_memory_allocation_function()(size ? size : 1));
        char* p = out;
        for (char c : bytes) {
            const uint8_t b = static_cast<uint8_t>(c);
            if (b < 0x80) {
                *p++ = c;
            } else {
                std::memcpy(p, table.utf8[b - 0x80].data(), table.length[b - 0x80]);
                p += table.length[b - 0x80];
            }
        }
        bytes = QByteArray();
        return doc.load_buffer_inplace_own(out, size, options, pugi::encoding_utf8);
    }
    const size_t size = static_cast<size_t>(bytes.size());
    char* out = static_cast<char*>(pugi::get_memory_allocation_function()(size ? size : 1));
    if (size) std::memcpy(out, bytes.constData(), size);
    return doc.load_buffer_inplace_own(out, size, options, pugi::encoding_auto);
}
