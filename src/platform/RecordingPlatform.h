#pragma once
// A recording double of the platform services for tests: nothing blocks,
// every text the user would see is kept in order, answers are preset.

#include "platform/Platform.h"

#include <QStringList>
#include <vector>

class RecordingPlatform : public PlatformServices {
public:
    struct Event {
        QString kind; // "message", "error", "general", "open", "save", "shell", "help", "wallpaper", "restart", "exit"
        QString text;
    };

    std::vector<Event> events;
    QString openAnswer;       // returned by askOpenFile
    QString saveAnswer;       // returned by askSaveFile
    QString printerName = "Test printer";
    bool shellResult = true;

    // Texts of all events of one kind, in order.
    QStringList texts(const QString& kind) const;
    // Texts of every message, error box and general error, in order.
    QStringList shown() const;
    void clear() { events.clear(); }

    void messageBox(const QString& text, Icon icon, QWidget* owner) override;
    void errorBox(const QString& text, QWidget* owner) override;
    void generalError(const QString& text) override;
    QString askOpenFile(const QString& filter, QWidget* owner) override;
    QString askSaveFile(const QString& filter, const QString& suggested, QWidget* owner) override;
    QString defaultPrinter() override;
    bool shellOpen(const QString& file, const QString& parameters, const QString& verb,
                   const QString& workingFolder) override;
    void showHelp(const QString& helpFile, const QString& keyword) override;
    void setWallpaper(const QString& pictureFile, bool tile) override;
    void restartProgram() override;
    void exitProgram(int code) override;
};

// Installs a fresh recording double for the lifetime of the guard.
class RecordingPlatformGuard {
public:
    RecordingPlatformGuard();
    ~RecordingPlatformGuard();
    RecordingPlatform& operator*() { return *rec; }
    RecordingPlatform* operator->() { return rec; }

private:
    RecordingPlatform* rec;
    std::unique_ptr<PlatformServices> previous;
};
