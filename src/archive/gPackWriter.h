#pragma once
// Builds archives in the layout gPack reads: used by the archive tool and by
// tests and benchmarks that need archives of their own.

#include <QByteArray>
#include <QString>
#include <vector>

// One entry to store: its bytes, or the disk file they come from.
struct PackEntry {
    QString name;    // archive form: lower case, "\" separators
    QByteArray data; // used when sourcePath is empty
    QString sourcePath;
};

// Writes entries in the order given (a failed write leaves no archive
// behind). Entries with scramble are stored XOR-ed with the key byte, flag 1.
// An empty list gives a file of length 0, which opens as an empty archive.
// False with a one-line reason in error on failure.
bool WriteArchive(const QString& archive, const std::vector<PackEntry>& entries, bool scramble,
                  QString* error);

// The entries for every file under folder: names relative to it, lower case,
// "\" separators, sorted by name. False (with error) for a missing folder,
// a name cp1251 cannot hold or that is longer than 255 bytes, or two files
// whose names differ only in letter case.
bool CollectFolder(const QString& folder, std::vector<PackEntry>& entries, QString* error);

// CollectFolder, then WriteArchive.
bool PackFolder(const QString& folder, const QString& archive, bool scramble, QString* error);
