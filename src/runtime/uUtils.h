#pragma once
// Free functions shared by the whole system: splitting text at separators,
// the value syntaxes of description files (booleans, colours, fonts,
// alignments), paths relative to the program's folder and small system
// services. Positions are 0-based here; texts are QString.

#include "platform/ControlLayout.h"
#include "platform/Paths.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QProgressBar;
class QImage;

// ---- Text splitting (the text arguments are consumed) ----

// Returns the text before the first separator and leaves what follows it in
// text; without the separator returns the whole text and empties it.
QString SplitHead(QString& text, const QString& separator);
// The text before the first separator, or the whole text.
QString HeadOf(const QString& text, const QString& separator);
// The first count characters, removed from text (all of it when shorter).
QString TakeChars(int count, QString& text);
// The n-th "*"-separated field, n from 1; 0 or past the last gives empty.
QString FieldOf(const QString& text, int n);
// Text keeps what stands before the last separator; returns the separator
// and what follows it. Without the separator returns all and empties text.
QString SplitTail(QString& text, QChar separator);
// Shortens a caption to n characters at a word boundary with "...".
QString Ellipsize(const QString& text, int n);
// First line from start that contains (or with prefix: begins with) the
// text, both compared in lower case; the bar follows the lines examined.
int FindInList(const QStringList& list, const QString& text, int start, QProgressBar* progress, bool prefix);
// Replaces every "insert" by the value; else appends "*" + value when asked.
QString InsertValue(const QString& action, const QString& value, bool append);

// ---- Values ----

bool TextToBool(const QString& text, bool def);
QString BoolToText(bool flag);
inline bool IsEven(int n) { return n % 2 == 0; }
// "#RRGGBB", "$BBGGRR" or "BBGGRR"; raises EConvertError on bad hex. Empty
// text names no colour: the result is invalid and the caller keeps its own.
QColor ColorFromText(const QString& text);
// The Windows colour value 0x00BBGGRR of a colour.
unsigned ColorToWin(const QColor& color);
// "name*size*colour*style": changes the given font (empty fields keep) and
// its colour; raises EConvertError on a bad size or colour.
QFont& FontFromText(QFont& font, QColor& color, const QString& text);

enum class TAlignment { Left = 0, Right, Center };
TAlign AlignFromText(const QString& text);
TAlignment AlignmentFromText(const QString& text);
Qt::Alignment ToQtAlignment(TAlignment a);

// ---- System services (through the platform seam) ----

enum class TDriveKind { Fixed = 0, CdRom, Removable, Network, RamDisk };
TDriveKind DriveKind(const QString& path);
TDriveKind OwnDriveKind();
void ShellOpen(const QString& file, const QString& parameters, const QString& verb);
void SetWallpaper(const QString& bitmapFile, bool tile);
QString DefaultPrinter();
// True (after showing the message, when not empty) when there is no printer.
bool NoPrinter(const QString& message);
// JPEG bytes of an image at a quality 1 to 100; empty for a null image.
QByteArray BitmapToJpeg(const QImage& image, int quality);
void BusyCursor(bool on);
QString AskOpenFile(const QString& filter);
// The argument at index, or the file the user picks for "open_file(.ext)".
QString CommandArg(const QStringList& arguments, int index);
