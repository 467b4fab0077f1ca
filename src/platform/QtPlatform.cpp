#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QUrl>

namespace {

QMessageBox::Icon toQt(PlatformServices::Icon icon) {
    switch (icon) {
    case PlatformServices::Icon::Information: return QMessageBox::Information;
    case PlatformServices::Icon::Warning: return QMessageBox::Warning;
    case PlatformServices::Icon::Error: return QMessageBox::Critical;
    case PlatformServices::Icon::Question: return QMessageBox::Question;
    case PlatformServices::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QWidget* ownerOrActive(QWidget* owner) { return owner ? owner : QApplication::activeWindow(); }

} // namespace

void QtPlatform::messageBox(const QString& text, Icon icon, QWidget* owner) {
    QMessageBox box(toQt(icon), QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    ownerOrActive(owner));
    box.setObjectName("skinMessageBox");
    box.exec();
}

void QtPlatform::errorBox(const QString& text, QWidget* owner) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Yes,
                    ownerOrActive(owner));
    box.setObjectName("skinMessageBox");
    box.exec();
}

void QtPlatform::generalError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QString QtPlatform::askOpenFile(const QString& filter, QWidget* owner) {
    return QFileDialog::getOpenFileName(ownerOrActive(owner), QString(), QString(), filter);
}

QString QtPlatform::askSaveFile(const QString& filter, const QString& suggested, QWidget* owner) {
    return QFileDialog::getSaveFileName(ownerOrActive(owner), QString(), suggested, filter);
}

QString QtPlatform::defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    // Without a system printer the built-in PDF printer stands in.
    return info.isNull() ? QStringLiteral("PDF") : info.printerName();
}

bool QtPlatform::shellOpen(const QString& file, const QString& parameters, const QString& verb,
                           const QString& workingFolder) {
    if (file.isEmpty()) return false;
    const QFileInfo info(file);
    if (!parameters.isEmpty() || (info.isExecutable() && !info.isDir())) {
        return QProcess::startDetached(file, QProcess::splitCommand(parameters), workingFolder);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void QtPlatform::showHelp(const QString& helpFile, const QString& keyword) {
    QUrl url = QUrl::fromLocalFile(helpFile);
    if (!keyword.isEmpty()) url.setFragment(keyword);
    QDesktopServices::openUrl(url);
}

void QtPlatform::setWallpaper(const QString& pictureFile, bool tile) {
    const QString uri = QUrl::fromLocalFile(pictureFile).toString();
    QProcess::startDetached("gsettings", {"set", "org.gnome.desktop.background", "picture-uri", uri});
    QProcess::startDetached("gsettings", {"set", "org.gnome.desktop.background", "picture-options",
                                          tile ? "wallpaper" : "stretched"});
}

void QtPlatform::restartProgram() {
    QProcess::startDetached(QApplication::applicationFilePath(), {});
    exitProgram(0);
}

void QtPlatform::exitProgram(int code) {
    // Leaves every running event loop, so that the main window is destroyed
    // in order and saves what it keeps; the queued call covers a request
    // made before the main loop runs.
    QCoreApplication::exit(code);
    QMetaObject::invokeMethod(qApp, [code] { QCoreApplication::exit(code); }, Qt::QueuedConnection);
}
