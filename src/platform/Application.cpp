#include "platform/Application.h"

#include "platform/Errors.h"
#include "platform/Platform.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException();
        return false;
    }
}

bool ReportException() {
    try {
        throw;
    } catch (const EConvertError& e) {
        platform().generalError(e.message());
    } catch (const std::exception& e) {
        platform().generalError(QString::fromUtf8(e.what()));
    } catch (...) {
        platform().generalError(QStringLiteral("Unknown error"));
    }
    return false;
}
