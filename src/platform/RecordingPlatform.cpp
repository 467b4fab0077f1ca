#include "platform/RecordingPlatform.h"

QStringList RecordingPlatform::texts(const QString& kind) const {
    QStringList out;
    for (const Event& e : events)
        if (e.kind == kind) out << e.text;
    return out;
}

QStringList RecordingPlatform::shown() const {
    QStringList out;
    for (const Event& e : events)
        if (e.kind == "message" || e.kind == "error" || e.kind == "general") out << e.text;
    return out;
}

void RecordingPlatform::messageBox(const QString& text, Icon, QWidget*) { events.push_back({"message", text}); }
void RecordingPlatform::errorBox(const QString& text, QWidget*) { events.push_back({"error", text}); }
void RecordingPlatform::generalError(const QString& text) { events.push_back({"general", text}); }

QString RecordingPlatform::askOpenFile(const QString& filter, QWidget*) {
    events.push_back({"open", filter});
    return openAnswer;
}

QString RecordingPlatform::askSaveFile(const QString& filter, const QString& suggested, QWidget*) {
    events.push_back({"save", filter + "|" + suggested});
    return saveAnswer;
}

QString RecordingPlatform::defaultPrinter() { return printerName; }

bool RecordingPlatform::shellOpen(const QString& file, const QString& parameters, const QString& verb,
                                  const QString& workingFolder) {
    events.push_back({"shell", verb + "|" + file + "|" + parameters + "|" + workingFolder});
    return shellResult;
}

void RecordingPlatform::showHelp(const QString& helpFile, const QString& keyword) {
    events.push_back({"help", helpFile + "#" + keyword});
}

void RecordingPlatform::setWallpaper(const QString& pictureFile, bool tile) {
    events.push_back({"wallpaper", pictureFile + (tile ? "|tile" : "")});
}

void RecordingPlatform::restartProgram() { events.push_back({"restart", {}}); }
void RecordingPlatform::exitProgram(int code) { events.push_back({"exit", QString::number(code)}); }

RecordingPlatformGuard::RecordingPlatformGuard() {
    auto owned = std::make_unique<RecordingPlatform>();
    rec = owned.get();
    previous = setPlatform(std::move(owned));
}

RecordingPlatformGuard::~RecordingPlatformGuard() { setPlatform(std::move(previous)); }
