#pragma once
// The per-user registry stand-in: one INI file in the user's config folder
// (XDG_CONFIG_HOME). Key paths are taken as the registry took them: "\" and
// "/" both separate, leading and trailing separators are dropped, key paths
// and value names compare without regard to letter case. Every value is a
// string and reads back as the text that was written.

#include <QString>
#include <QStringList>
#include <optional>

namespace RegistryStore {

// Writes a string value, creating the key. False when the store cannot be written.
bool WriteString(const QString& keyPath, const QString& name, const QString& value);
// The value, or nothing when the key or the value does not exist.
std::optional<QString> ReadString(const QString& keyPath, const QString& name);
bool ValueExists(const QString& keyPath, const QString& name);
bool KeyExists(const QString& keyPath);
// Creates the key (with no values) when missing.
void CreateKey(const QString& keyPath);
void DeleteValue(const QString& keyPath, const QString& name);
// Value names under a key.
QStringList ValueNames(const QString& keyPath);
// The store's file.
QString FileName();

} // namespace RegistryStore
