#pragma once
// The application object: catches errors that escape an event handler (the
// conversion error above all), shows them through the general error report
// and keeps the program running.

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs f, showing any escaping error through the general error report.
// Returns false when f raised.
template <typename F>
bool GuardedCall(F&& f);

bool ReportException(); // call inside a catch(...) block; shows the error

template <typename F>
bool GuardedCall(F&& f) {
    try {
        f();
        return true;
    } catch (...) {
        return ReportException();
    }
}
