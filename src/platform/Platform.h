#pragma once
// The one seam for everything that blocks on the user or leaves the process:
// message boxes, the general error report, file dialogs, printing checks,
// shell open, run, help, wallpaper and restart. The real implementation uses
// Qt; tests install a recording double and read the texts a user would see.

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

class PlatformServices {
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~PlatformServices() = default;

    // A plain message box with an OK button.
    virtual void messageBox(const QString& text, Icon icon = Icon::None, QWidget* owner = nullptr) = 0;
    // The runtime's error box: error icon and one Yes button.
    virtual void errorBox(const QString& text, QWidget* owner = nullptr) = 0;
    // The application's general error report (uncaught run-time errors).
    virtual void generalError(const QString& text) = 0;
    // Open and save dialogs; empty when cancelled. Filters in Qt's syntax.
    virtual QString askOpenFile(const QString& filter, QWidget* owner = nullptr) = 0;
    virtual QString askSaveFile(const QString& filter, const QString& suggested, QWidget* owner = nullptr) = 0;
    // The default printer's name; empty when the system has none.
    virtual QString defaultPrinter() = 0;
    // Opens a file or folder with the desktop's handler (verb "open", "edit").
    virtual bool shellOpen(const QString& file, const QString& parameters, const QString& verb,
                           const QString& workingFolder) = 0;
    // Shows the help file at a keyword.
    virtual void showHelp(const QString& helpFile, const QString& keyword) = 0;
    // Makes a picture file the desktop wallpaper; silent on failure.
    virtual void setWallpaper(const QString& pictureFile, bool tile) = 0;
    // Starts the program again and ends this instance.
    virtual void restartProgram() = 0;
    // Ends the program at once with the exit code.
    virtual void exitProgram(int code) = 0;
};

// The process-wide services. Never null: the Qt implementation by default.
PlatformServices& platform();
// Replaces the services (tests install a recording double); returns the old one.
std::unique_ptr<PlatformServices> setPlatform(std::unique_ptr<PlatformServices> services);

// Short forms for the most common calls.
inline void ShowMessage(const QString& text) { platform().messageBox(text); }
