#pragma once
// Shared test helpers: temporary folders and files, description texts
// written as cp1251 files, and the recording platform double.

#include "platform/RecordingPlatform.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that becomes the program's folder and the current
// folder for the life of the object.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();
    QString path() const;  // native, trailing "/"
    // Writes a file (folders created); text is encoded as cp1251.
    QString writeText(const QString& relative, const QString& text) const;
    QString writeBytes(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir dir;
    QString previousCurrent;
};

// cp1251 bytes of a text.
QByteArray ToCp1251(const QString& text);
