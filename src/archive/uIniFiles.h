#pragma once
// An in-memory INI file filled by name through the archive; read-only.
// Lines are trimmed; ";" lines and empty lines are ignored; section names
// and keys match without regard to letter case; the first of two equal
// sections or keys wins.

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class TPakIniFile {
public:
    // Reads the file through LoadFile (archive first, then disk).
    explicit TPakIniFile(const QString& name);
    // Parses text that is already decoded (tests, generated descriptions).
    static TPakIniFile FromText(const QString& text);

    // Section names in file order (duplicates included).
    QStringList ReadSections() const;
    // Key names of the first section of that name, in file order.
    QStringList ReadSection(const QString& section) const;
    // The section's key names, each once (letter case ignored, first
    // spelling kept), in file order: a key written twice counts once.
    QStringList ReadKeys(const QString& section) const;
    // The section's key=value lines, in file order.
    QStringList ReadSectionValues(const QString& section) const;
    // The first value of a key in the first section of that name, or def.
    QString ReadString(const QString& section, const QString& key, const QString& def = QString()) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QString FileName() const { return fileName; }

private:
    TPakIniFile() = default;
    void parse(const QString& text);
    struct Section {
        QString name;
        std::vector<std::pair<QString, QString>> values;
        std::vector<QString> lowerKeys; // the keys lower-cased, as values
        QHash<QString, int> keyIndex;   // lower key -> first value; long sections only
        int valueIndex(const QString& lowerKey) const;
    };
    const Section* find(const QString& section) const;
    std::vector<Section> sections;
    QHash<QString, int> sectionIndex; // lower-cased name -> its first section
    QString fileName;
};
