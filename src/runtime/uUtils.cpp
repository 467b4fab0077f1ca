#include "runtime/uUtils.h"

#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/RegistryStore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProgressBar>
#include <QStorageInfo>

#include <cctype>

QString SplitHead(QString& text, const QString& separator) {
    const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator);
    if (at < 0) {
        QString head = text;
        text.clear();
        return head;
    }
    QString head = text.left(at);
    text.remove(0, at + separator.size());
    return head;
}

QString HeadOf(const QString& text, const QString& separator) {
    const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator);
    return at < 0 ? text : text.left(at);
}

QString TakeChars(int count, QString& text) {
    if (text.size() < count) {
        QString all = text;
        text.clear();
        return all;
    }
    const qsizetype n = qMax(count, 0);
    QString head = text.left(n);
    text.remove(0, n);
    return head;
}

QString FieldOf(const QString& text, int n) {
    QString rest = text;
    QString field;
    for (int i = 0; i < n; ++i)
        field = SplitHead(rest, QStringLiteral("*"));
    return field;
}

QString SplitTail(QString& text, QChar separator) {
    const qsizetype at = text.lastIndexOf(separator);
    if (at < 0) {
        QString all = text;
        text.clear();
        return all;
    }
    QString tail = text.mid(at);
    text.truncate(at);
    return tail;
}

QString Ellipsize(const QString& text, int n) {
    if (n <= 0 || text.size() < n) return text;
    QString cut = text.left(n - 1);
    const qsizetype space = cut.lastIndexOf(' ');
    if (space < 0) return cut;
    return cut.left(space) + QStringLiteral("...");
}

int FindInList(const QStringList& list, const QString& text, int start, QProgressBar* progress, bool prefix) {
    const QString needle = text.toLower();
    for (qsizetype i = qMax(start, 0); i < list.size(); ++i) {
        const QString line = list[i].toLower();
        const bool match = prefix ? line.startsWith(needle) : line.contains(needle);
        if (progress) progress->setValue(int(i + 1));
        if (match) return int(i);
    }
    return -1;
}

QString InsertValue(const QString& action, const QString& value, bool append) {
    if (action.isEmpty()) return {};
    static const QString word = QStringLiteral("insert");
    if (action.contains(word)) {
        QString out = action;
        return out.replace(word, value);
    }
    if (!append) return action;
    return action + (action.endsWith('*') ? QString() : QStringLiteral("*")) + value;
}

bool TextToBool(const QString& text, bool def) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("0")) return false;
    return def;
}

QString BoolToText(bool flag) {
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

QColor ColorFromText(const QString& text) {
    // An empty key value names no colour: the caller keeps its own.
    if (text.trimmed().isEmpty()) return {};
    QString t = text;
    if (t.startsWith('#')) {
        QString r = t.mid(1);
        if (r.size() >= 6) r = r.mid(4, 2) + r.mid(2, 2) + r.left(2);
        t = '$' + r;
    }
    if (!t.startsWith('$')) t = '$' + t;
    // Only plain hexadecimal digits make a colour ("$-1" or "$x10" do not).
    for (qsizetype i = 1; i < t.size(); ++i)
        if (t[i].unicode() > 0x7f || !std::isxdigit(t[i].toLatin1()))
            throw EConvertError(QStringLiteral("'%1' is not a valid colour").arg(text));
    const quint32 win = quint32(StrToInt(t));
    // The high byte selected system colours on the original platform; only
    // the three colour bytes are taken here.
    return QColor(int(win & 0xFF), int((win >> 8) & 0xFF), int((win >> 16) & 0xFF));
}

unsigned ColorToWin(const QColor& color) {
    return unsigned(color.red()) | (unsigned(color.green()) << 8) | (unsigned(color.blue()) << 16);
}

QFont& FontFromText(QFont& font, QColor& color, const QString& text) {
    QString t = text;
    const QString name = SplitHead(t, QStringLiteral("*"));
    const QString sizeText = SplitHead(t, QStringLiteral("*"));
    const QString colorText = SplitHead(t, QStringLiteral("*"));
    const QString style = t.toLower();
    // Every field is read before anything changes, so a bad field leaves
    // the font and colour as they were.
    const int size = sizeText.isEmpty() ? 0 : StrToInt(sizeText);
    const QColor newColor = colorText.isEmpty() ? QColor() : ColorFromText(colorText);

    if (!name.isEmpty()) font.setFamily(name);
    // A negative size gave the character height in pixels; 0 keeps the size.
    if (size > 0)
        font.setPointSize(size);
    else if (size < 0)
        font.setPixelSize(-size);
    if (newColor.isValid()) color = newColor;
    if (!style.isEmpty()) {
        font.setItalic(style.contains('i'));
        font.setBold(style.contains('b'));
        font.setUnderline(style.contains('u'));
        font.setStrikeOut(false);
    }
    return font;
}

TAlign AlignFromText(const QString& text) {
    static const struct {
        const char* name;
        TAlign align;
    } names[] = {{"none", TAlign::None},    {"top", TAlign::Top},     {"bottom", TAlign::Bottom},
                 {"left", TAlign::Left},    {"right", TAlign::Right}, {"client", TAlign::Client},
                 {"custom", TAlign::Custom}};
    for (const auto& n : names)
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) return n.align;
    return TAlign::None;
}

TAlignment AlignmentFromText(const QString& text) {
    if (text.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0) return TAlignment::Left;
    if (text.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0) return TAlignment::Right;
    return TAlignment::Center;
}

Qt::Alignment ToQtAlignment(TAlignment a) {
    switch (a) {
    case TAlignment::Left:
        return Qt::AlignLeft;
    case TAlignment::Right:
        return Qt::AlignRight;
    case TAlignment::Center:
        break;
    }
    return Qt::AlignHCenter;
}

namespace {
// Whether the block device under a mount is marked removable by the kernel
// (USB sticks, card readers); a partition asks its whole disk.
bool isRemovableDevice(const QByteArray& device) {
    if (!device.startsWith("/dev/")) return false;
    const QString name = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath().section('/', -1);
    if (name.isEmpty()) return false;
    QString sysPath = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    for (int up = 0; up < 2 && !sysPath.isEmpty(); ++up) {
        QFile flag(sysPath + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly)) return flag.readAll().trimmed() == "1";
        sysPath = QFileInfo(sysPath).path();
    }
    return false;
}
} // namespace

TDriveKind DriveKind(const QString& path) {
    // Folders that cannot be classified (missing, no mount) count as fixed.
    const QStorageInfo info(NativePath(path));
    if (!info.isValid()) return TDriveKind::Fixed;
    const QByteArray type = info.fileSystemType().toLower();
    if ((type == "iso9660" || type == "udf") && info.isReadOnly()) return TDriveKind::CdRom;
    if (type == "tmpfs" || type == "ramfs") return TDriveKind::RamDisk;
    static const QByteArrayList network = {"nfs", "nfs4",       "cifs", "smb3", "smbfs",
                                           "9p",  "fuse.sshfs", "afs",  "ncpfs"};
    if (network.contains(type)) return TDriveKind::Network;
    if (isRemovableDevice(info.device())) return TDriveKind::Removable;
    return TDriveKind::Fixed;
}

TDriveKind OwnDriveKind() {
    return DriveKind(AppFolder());
}

void ShellOpen(const QString& file, const QString& parameters, const QString& verb) {
    platform().shellOpen(file, parameters, verb, QString());
}

void SetWallpaper(const QString& bitmapFile, bool tile) {
    static const QString key = QStringLiteral("Control Panel\\Desktop");
    RegistryStore::WriteString(key, QStringLiteral("Wallpaper"), bitmapFile);
    RegistryStore::WriteString(key, QStringLiteral("TileWallpaper"), BoolToText(tile));
    platform().setWallpaper(bitmapFile, tile);
}

QString DefaultPrinter() {
    return platform().defaultPrinter();
}

bool NoPrinter(const QString& message) {
    if (!DefaultPrinter().isEmpty()) return false;
    if (!message.isEmpty()) platform().messageBox(message);
    return true;
}

QByteArray BitmapToJpeg(const QImage& image, int quality) {
    if (image.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", qBound(1, quality, 100))) return {};
    return bytes;
}

void BusyCursor(bool on) {
    // One busy state, not a stack: like the screen cursor it stands for,
    // two "on" and one "off" give the default cursor back.
    static bool busy = false;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (on) {
        if (!busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        busy = true;
        return;
    }
    QCoreApplication::processEvents();
    if (busy) QGuiApplication::restoreOverrideCursor();
    busy = false;
}

QString AskOpenFile(const QString& filter) {
    return platform().askOpenFile(filter);
}

QString CommandArg(const QStringList& arguments, int index) {
    if (index < 0 || index >= arguments.size()) return {};
    const QString& arg = arguments[index];
    if (HeadOf(arg, QStringLiteral("(")).toLower() != QLatin1String("open_file")) return arg;
    const qsizetype open = arg.indexOf('(');
    const QString ext = open < 0 ? QString() : HeadOf(arg.mid(open + 1), QStringLiteral(")")).toLower();
    return AskOpenFile('*' + ext);
}
