#include "platform/RegistryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

// The file is an INI file read and written by our own functions behind
// QSettings (which keeps the file handling, locking and atomic saving).
// Qt's own INI reader takes ";" as a comment, "\" as an escape and splits
// at ",", so a hand-edited "20;10;800;600;0" or "C:\Program Files" would not
// read back as written. Here an unquoted value is the text after "=" as it
// stands (surrounding blanks trimmed); a value in double quotes loses the
// quotes and knows the escapes \\ \" \n \r \t. The writer quotes only what
// needs it (surrounding blanks, line breaks, a leading quote).
//
// Inside QSettings a key is "<key path>/<value name>": the key path in
// lower case with "/" separators, the value name lower-cased and escaped
// (see escapeName) so it never holds a separator. An empty key, which the
// registry has and QSettings does not, is kept by a marker entry "%" in it.

namespace {

const QString keyMarker = QStringLiteral("%");

bool isBlank(QChar c) {
    return c == ' ' || c == '\t';
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

QString percent(QChar c) {
    const QByteArray utf8 = QString(c).toUtf8();
    QString out;
    for (char byte : utf8)
        out += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QChar('0'));
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Undoes percent(); a "%" not followed by two hexadecimal digits stays as written.
QString percentDecode(const QString& s) {
    if (!s.contains('%')) return s;
    const QByteArray in = s.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '%' && i + 2 < in.size() && hexDigit(in[i + 1]) >= 0 && hexDigit(in[i + 2]) >= 0) {
            out += char(hexDigit(in[i + 1]) * 16 + hexDigit(in[i + 2]));
            i += 2;
        } else {
            out += in[i];
        }
    }
    return QString::fromUtf8(out);
}

// A key path in the store's form: "\" and "/" separate, empty parts (also
// leading and trailing separators) dropped, lower case.
QString normalizePath(const QString& path) {
    QString p = path;
    p.replace('\\', '/');
    return p.split('/', Qt::SkipEmptyParts).join('/').toLower();
}

// A value name as one QSettings key segment and one INI key: lower case,
// with the characters that would split, end or start something escaped.
// The empty name (a key's default value) is "@", as in registry exports.
QString escapeName(const QString& name) {
    const QString lower = name.toLower();
    if (lower.isEmpty()) return QStringLiteral("@");
    QString out;
    for (qsizetype i = 0; i < lower.size(); ++i) {
        const QChar c = lower[i];
        const bool edge = i == 0 || i == lower.size() - 1;
        if (c == '%' || c == '/' || c == '\\' || c == '=' || c == '[' || c == ']' || c == '"' || c == ';' ||
            c == '#' || c.unicode() < 0x20 || c.unicode() == 0x7f || (edge && isBlank(c)) ||
            (i == 0 && c == '@'))
            out += percent(c);
        else
            out += c;
    }
    return out;
}

QString unescapeName(const QString& key) {
    return key == QLatin1String("@") ? QString() : percentDecode(key);
}

QString settingsKey(const QString& path, const QString& name) {
    const QString p = normalizePath(path);
    return p.isEmpty() ? escapeName(name) : p + '/' + escapeName(name);
}

QString encodeSection(const QString& path) {
    QString out;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        const bool edge = i == 0 || i == path.size() - 1;
        if (c == '%' || c == '[' || c == ']' || c.unicode() < 0x20 || (edge && isBlank(c)))
            out += percent(c);
        else
            out += c;
    }
    return out;
}

QString quoteValue(const QString& v) {
    const bool needsQuotes = !v.isEmpty() && (isBlank(v.front()) || isBlank(v.back()) || v.front() == '"' ||
                                              v.contains('\n') || v.contains('\r'));
    if (!needsQuotes) return v;
    QString out = QStringLiteral("\"");
    for (QChar c : v) {
        if (c == '\\')
            out += QLatin1String("\\\\");
        else if (c == '\n')
            out += QLatin1String("\\n");
        else if (c == '\r')
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out + '"';
}

QString unquoteValue(const QString& raw) {
    const QString v = trimBlanks(raw);
    if (v.size() < 2 || v.front() != '"' || v.back() != '"') return v;
    QString out;
    const QString inner = v.mid(1, v.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c == '\\' && i + 1 < inner.size()) {
            const QChar n = inner[i + 1];
            const QChar plain = n == 'n' ? QChar('\n') : n == 'r' ? QChar('\r') : n == 't' ? QChar('\t') : n;
            if (n == '\\' || n == '"' || n == 'n' || n == 'r' || n == 't') {
                out += plain;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString decodeFile(const QByteArray& bytes) {
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (!utf8.hasError()) return text;
    // A file saved by a hand in the system's single-byte encoding.
    QStringDecoder cp1251("windows-1251");
    return cp1251.isValid() ? QString(cp1251.decode(data)) : text;
}

bool readRegistry(QIODevice& device, QSettings::SettingsMap& map) {
    const QString text = decodeFile(device.readAll());
    QString section;
    for (QString line : text.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        const QString trimmed = trimBlanks(line);
        if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) continue;
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            section = normalizePath(percentDecode(trimmed.mid(1, trimmed.size() - 2)));
            if (!section.isEmpty()) map.insert(section + '/' + keyMarker, QString());
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QString name = unescapeName(trimBlanks(line.left(eq)));
        map.insert(settingsKey(section, name), unquoteValue(line.mid(eq + 1)));
    }
    return true;
}

bool writeRegistry(QIODevice& device, const QSettings::SettingsMap& map) {
    // Sections in key order, each with its values in name order.
    QMap<QString, QStringList> sections;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().lastIndexOf('/');
        const QString path = slash < 0 ? QString() : it.key().left(slash);
        const QString name = it.key().mid(slash + 1);
        QStringList& lines = sections[path];
        if (name != keyMarker) lines << name + '=' + quoteValue(it.value().toString());
    }
    QString out;
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
        if (!it.key().isEmpty()) out += '[' + encodeSection(it.key()) + "]\n";
        for (const QString& line : it.value())
            out += line + '\n';
        out += '\n';
    }
    return device.write(out.toUtf8()) >= 0;
}

QSettings::Format registryFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readRegistry, writeRegistry);
    return format;
}

class Store {
public:
    Store() : settings(RegistryStore::FileName(), registryFormat()) {}
    QSettings settings;
};

} // namespace

namespace RegistryStore {

QString FileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autoparts/registry.ini");
}

bool WriteString(const QString& keyPath, const QString& name, const QString& value) {
    QDir().mkpath(QFileInfo(FileName()).absolutePath());
    Store store;
    const QString path = normalizePath(keyPath);
    if (!path.isEmpty()) store.settings.setValue(path + '/' + keyMarker, QString());
    store.settings.setValue(settingsKey(path, name), value);
    store.settings.sync();
    return store.settings.status() == QSettings::NoError;
}

std::optional<QString> ReadString(const QString& keyPath, const QString& name) {
    if (!QFileInfo::exists(FileName())) return std::nullopt;
    Store store;
    const QVariant v = store.settings.value(settingsKey(keyPath, name));
    if (!v.isValid()) return std::nullopt;
    return v.toString();
}

bool ValueExists(const QString& keyPath, const QString& name) {
    return ReadString(keyPath, name).has_value();
}

bool KeyExists(const QString& keyPath) {
    const QString path = normalizePath(keyPath);
    if (path.isEmpty()) return true;
    if (!QFileInfo::exists(FileName())) return false;
    Store store;
    store.settings.beginGroup(path);
    return !store.settings.childKeys().isEmpty() || !store.settings.childGroups().isEmpty();
}

void CreateKey(const QString& keyPath) {
    const QString path = normalizePath(keyPath);
    if (path.isEmpty() || KeyExists(path)) return;
    QDir().mkpath(QFileInfo(FileName()).absolutePath());
    Store store;
    store.settings.setValue(path + '/' + keyMarker, QString());
}

void DeleteValue(const QString& keyPath, const QString& name) {
    if (!QFileInfo::exists(FileName())) return;
    Store store;
    const QString key = settingsKey(keyPath, name);
    if (store.settings.contains(key)) store.settings.remove(key);
}

QStringList ValueNames(const QString& keyPath) {
    QStringList names;
    if (!QFileInfo::exists(FileName())) return names;
    Store store;
    const QString path = normalizePath(keyPath);
    if (!path.isEmpty()) store.settings.beginGroup(path);
    for (const QString& key : store.settings.childKeys())
        if (key != keyMarker) names << unescapeName(key);
    return names;
}

} // namespace RegistryStore
