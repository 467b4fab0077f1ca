#include "archive/gPackUtils.h"

#include "archive/gPack.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <QStringDecoder>

TPack::TPack(const QString& fileName) : name(fileName) {
    QByteArray bytes;
    LoadFile(bytes, fileName);
    setData(bytes);
    open(QIODevice::ReadOnly);
}

std::unique_ptr<TPack> OpenPack(const QString& name) {
    return std::make_unique<TPack>(name);
}

QString DecodeText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = p[i];
        if (c != '\r' && c != '\n') continue;
        lines.append(QString(p + start, i - start));
        if (c == '\r' && i + 1 < n && p[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.append(QString(p + start, n - start));
    return lines;
}

QStringList LoadTextList(const QString& name) {
    return SplitLines(DecodeText(LoadFile(name)));
}

namespace {
// The extension from the last "." of the last path component, lower-cased.
QString extensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0) return {};
    for (qsizetype i = dot + 1; i < name.size(); ++i)
        if (IsSeparator(name[i])) return {};
    return name.mid(dot).toLower();
}
} // namespace

QImage LoadPicture(const QString& name) {
    const QByteArray bytes = LoadFile(name);
    const bool bmp = extensionOf(name) == QLatin1String(".bmp");
    QImage image;
    if (!image.loadFromData(bytes, bmp ? "BMP" : "JPG")) {
        platform().generalError(QStringLiteral("Не удалось прочитать рисунок ") + name);
        return QImage();
    }
    return image;
}
