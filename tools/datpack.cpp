// The archive tool: packs a folder into an archive, lists an archive's
// directory, extracts one entry and prints the key byte. Messages that the
// archive reader would show in a box are printed on stderr instead.

#include "archive/gPack.h"
#include "archive/gPackWriter.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

// Platform services for a command-line tool: nothing blocks; texts the user
// would see are kept so the tool can print them on one line.
class ConsolePlatform : public PlatformServices {
public:
    QStringList messages;

    void messageBox(const QString& text, Icon, QWidget*) override { messages << text; }
    void errorBox(const QString& text, QWidget*) override { messages << text; }
    void generalError(const QString& text) override { messages << text; }
    QString askOpenFile(const QString&, QWidget*) override { return {}; }
    QString askSaveFile(const QString&, const QString&, QWidget*) override { return {}; }
    QString defaultPrinter() override { return {}; }
    bool shellOpen(const QString&, const QString&, const QString&, const QString&) override { return false; }
    void showHelp(const QString&, const QString&) override {}
    void setWallpaper(const QString&, bool) override {}
    void restartProgram() override {}
    void exitProgram(int code) override { std::exit(code); }
};

ConsolePlatform* console = nullptr;

// Exit codes.
constexpr int Ok = 0;
constexpr int NotFound = 1;
constexpr int Failed = 2;

int complain(int code, const QString& text) {
    QString line = QStringLiteral("datpack: ") + text;
    for (QString m : console->messages)
        line += QStringLiteral(": ") + m.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace('\n', ' ');
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    return code;
}

int usage() {
    return complain(Failed, QStringLiteral("usage: datpack pack FOLDER ARCHIVE [--scramble] | list ARCHIVE | "
                                           "extract ARCHIVE NAME [OUTFILE] | key"));
}

bool openArchive(const QString& name) {
    console->messages.clear();
    return OpenArchive(name);
}

int pack(const QStringList& args) {
    const bool scramble = args.size() == 4 && args[3] == QLatin1String("--scramble");
    if (args.size() != 3 && !scramble) return usage();
    QString error;
    if (!PackFolder(args[1], args[2], scramble, &error)) return complain(Failed, error);
    return Ok;
}

int list(const QStringList& args) {
    if (args.size() != 2) return usage();
    if (!openArchive(args[1])) return complain(Failed, QStringLiteral("cannot open archive ") + args[1]);
    QByteArray out;
    for (const TData& d : ArchiveEntries()) {
        out += d.name.toUtf8() + '\t' + QByteArray::number(d.size) + '\t' + QByteArray::number(d.offset) +
               '\t' + QByteArray::number(d.flag) + '\n';
    }
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return Ok;
}

int extract(const QStringList& args) {
    if (args.size() != 3 && args.size() != 4) return usage();
    if (!openArchive(args[1])) return complain(Failed, QStringLiteral("cannot open archive ") + args[1]);
    const int index = FindEntry(args[2]);
    if (index < 0) return complain(NotFound, QStringLiteral("no entry ") + args[2]);
    QByteArray bytes;
    ReadEntry(bytes, index);
    if (args.size() == 3) {
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
        return std::fflush(stdout) == 0 ? Ok : complain(Failed, QStringLiteral("cannot write to stdout"));
    }
    QSaveFile file(args[3]);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return complain(Failed, QStringLiteral("cannot write ") + args[3]);
    return Ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    auto services = std::make_unique<ConsolePlatform>();
    console = services.get();
    setPlatform(std::move(services));

    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) return usage();
    const QString command = args[0];
    if (command == QLatin1String("pack")) return pack(args);
    if (command == QLatin1String("list")) return list(args);
    if (command == QLatin1String("extract")) return extract(args);
    if (command == QLatin1String("key") && args.size() == 1) {
        std::printf("%d\n", ArchiveKeyByte);
        return Ok;
    }
    return usage();
}
