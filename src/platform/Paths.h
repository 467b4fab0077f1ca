#pragma once
// Names and paths. Names in descriptions, data, commands and the archive use
// "\" and may carry a drive letter; both "\" and "/" separate folders, and a
// name that begins with "/" is absolute too. Folders returned here are native
// ("/"-separated) with a trailing "/". The disk is case-sensitive here; every
// disk lookup goes through FindOnDisk, which also matches other letter case.

#include <QString>

// The folder of the program's own file, with a trailing "/".
QString AppFolder();
// Overrides AppFolder (tests, and programs run from elsewhere); empty resets.
void SetAppFolder(const QString& folder);
// The stand-in for the Windows folder: the per-user data folder, trailing "/".
QString WindowsFolder();

// True for "\" and "/".
inline bool IsSeparator(QChar c) { return c == '\\' || c == '/'; }
// A name with a drive letter (second character ":") or a leading "/".
bool IsAbsoluteName(const QString& name);
// The path with a separator appended unless empty or already ending in one.
QString AddSlash(const QString& path);
// The path without its last character when that is a separator.
QString DropSlash(const QString& path);
// Empty stays empty; absolute names unchanged; else one leading separator
// dropped and AppFolder put in front.
QString AbsoluteFromApp(const QString& path);
// A path containing ":" or starting with "/" loses its first length(AppFolder)
// characters; any other path is returned unchanged.
QString RelativeToApp(const QString& path);
// Resolves a link-style relative path ("..\" climbs a folder) against a base
// folder (AppFolder when empty). Absolute names come back unchanged.
QString ResolveRelative(const QString& path, const QString& base);
// Every "\" turned into "/".
QString NativePath(const QString& name);
// The archive's form of a name: lower case, "\" separators.
QString ArchiveName(const QString& name);

// The existing file or folder for a name (native path), trying the name as
// given, then lower-cased, then a case-insensitive match folder by folder.
// Relative names are taken from the current folder. Empty when none exists.
QString FindOnDisk(const QString& name);
// Whether FindOnDisk finds a regular file.
bool FileExistsOnDisk(const QString& name);
