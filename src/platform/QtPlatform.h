#pragma once
// The real platform services, on Qt dialogs and the desktop's handlers.

#include "platform/Platform.h"

class QtPlatform : public PlatformServices {
public:
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
