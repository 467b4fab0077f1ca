#include "archive/uIniFiles.h"

#include "archive/gPack.h"
#include "archive/gPackUtils.h"

#include <QSet>

namespace {
constexpr size_t LongSection = 16;

// Trims blanks and control characters (code <= 32) at both ends, as the
// description files expect; a no-break space stays part of the text.
QStringView trimBlanks(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= ' ')
        ++b;
    while (e > b && s[e - 1].unicode() <= ' ')
        --e;
    return s.sliced(b, e - b);
}
} // namespace

TPakIniFile::TPakIniFile(const QString& name) : fileName(name) {
    parse(DecodeText(LoadFile(name)));
}

TPakIniFile TPakIniFile::FromText(const QString& text) {
    TPakIniFile ini;
    ini.parse(text);
    return ini;
}

void TPakIniFile::parse(const QString& text) {
    const QStringView all(text);
    Section* current = nullptr;
    qsizetype start = 0;
    const qsizetype n = all.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && all[end] != '\r' && all[end] != '\n')
            ++end;
        const QStringView line = trimBlanks(all.sliced(start, end - start));
        start = end + 1;
        if (line.isEmpty() || line[0] == ';') continue;
        if (line[0] == '[' && line.back() == ']' && line.size() >= 2) {
            Section section;
            section.name = trimBlanks(line.sliced(1, line.size() - 2)).toString();
            const QString key = section.name.toLower();
            sections.push_back(std::move(section));
            if (!sectionIndex.contains(key)) sectionIndex.insert(key, static_cast<int>(sections.size() - 1));
            current = &sections.back();
            continue;
        }
        if (!current) continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        QString key = trimBlanks(line.first(eq)).toString();
        current->lowerKeys.push_back(key.toLower());
        current->values.emplace_back(std::move(key), trimBlanks(line.sliced(eq + 1)).toString());
    }
    // Most sections hold a handful of keys and are scanned; long ones get a
    // hash so reading every key of a section never turns quadratic.
    for (Section& section : sections) {
        if (section.lowerKeys.size() <= LongSection) continue;
        for (int i = static_cast<int>(section.lowerKeys.size()) - 1; i >= 0; --i)
            section.keyIndex.insert(section.lowerKeys[static_cast<size_t>(i)], i); // the first one stays
    }
}

int TPakIniFile::Section::valueIndex(const QString& lowerKey) const {
    if (!keyIndex.isEmpty()) return keyIndex.value(lowerKey, -1);
    for (size_t i = 0; i < lowerKeys.size(); ++i)
        if (lowerKeys[i] == lowerKey) return static_cast<int>(i);
    return -1;
}

const TPakIniFile::Section* TPakIniFile::find(const QString& section) const {
    const auto it = sectionIndex.constFind(section.toLower());
    return it == sectionIndex.cend() ? nullptr : &sections[static_cast<size_t>(*it)];
}

QStringList TPakIniFile::ReadSections() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(sections.size()));
    for (const Section& s : sections)
        names.append(s.name);
    return names;
}

QStringList TPakIniFile::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* s = find(section))
        for (const auto& [key, value] : s->values)
            keys.append(key);
    return keys;
}

QStringList TPakIniFile::ReadKeys(const QString& section) const {
    QStringList keys;
    QSet<QString> seen;
    if (const Section* s = find(section))
        for (const auto& [key, value] : s->values)
            if (const QString lower = key.toLower(); !seen.contains(lower)) {
                seen.insert(lower);
                keys.append(key);
            }
    return keys;
}

QStringList TPakIniFile::ReadSectionValues(const QString& section) const {
    QStringList lines;
    if (const Section* s = find(section))
        for (const auto& [key, value] : s->values)
            lines.append(key + '=' + value);
    return lines;
}

QString TPakIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const Section* s = find(section);
    if (!s) return def;
    const int at = s->valueIndex(key.toLower());
    return at < 0 ? def : s->values[static_cast<size_t>(at)].second;
}

bool TPakIniFile::SectionExists(const QString& section) const {
    return find(section) != nullptr;
}

bool TPakIniFile::ValueExists(const QString& section, const QString& key) const {
    const Section* s = find(section);
    return s && s->valueIndex(key.toLower()) >= 0;
}
