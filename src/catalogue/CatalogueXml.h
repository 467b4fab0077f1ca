#pragma once
// Loading catalogue XML into pugixml: the bytes are handed over and parsed
// in place; a windows-1251 document is transcoded to UTF-8 first.

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

// Parses bytes into doc. A document whose declaration names windows-1251
// (or cp1251) is transcoded to UTF-8 first. Returns pugixml's result.
pugi::xml_parse_result LoadXmlDocument(pugi::xml_document& doc, const QByteArray& bytes);
// Reads a file through the archive straight into pugixml's own buffer and
// parses it in place. found tells whether the file was found at all.
pugi::xml_parse_result LoadXmlFile(pugi::xml_document& doc, const QString& name, bool* found = nullptr);
// The UTF-8 text of a node's attribute or name as a QString.
inline QString XmlText(const char* utf8) { return QString::fromUtf8(utf8); }
