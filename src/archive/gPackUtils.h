#pragma once
// Loaders by file name through the archive (falling back to disk): a memory
// stream, text lines and pictures. Text is cp1251 unless it starts with a
// UTF-8 byte-order mark.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>

// A read-only memory stream holding the whole file called name (LoadFile),
// open at position 0. Usable wherever Qt wants a QIODevice.
class TPack : public QBuffer {
public:
    explicit TPack(const QString& name);
    const QByteArray& bytes() const { return data(); }
    QString fileName() const { return name; }

private:
    QString name;
};

std::unique_ptr<TPack> OpenPack(const QString& name);

// Text of file bytes: UTF-8 after a UTF-8 byte-order mark, else cp1251.
QString DecodeText(const QByteArray& bytes);
// Lines of a text split at CR LF, LF or CR; a final line break adds no line.
QStringList SplitLines(const QString& text);
// The lines of the file called name (empty when it is found nowhere).
QStringList LoadTextList(const QString& name);
// The picture called name: ".bmp" (any letter case) is read as BMP, any other
// name as JPEG. A picture that cannot be decoded goes to the general error
// report and gives a null image.
QImage LoadPicture(const QString& name);
