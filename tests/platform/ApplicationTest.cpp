// Errors that escape an event handler reach the general error report and
// the program keeps running.

#include "platform/Application.h"
#include "platform/Errors.h"
#include "platform/RecordingPlatform.h"

#include <QEvent>
#include <gtest/gtest.h>

namespace {
class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) StrToInt("abc");
        if (e->type() == QEvent::User + 1) throw std::runtime_error("broken");
        return QObject::event(e);
    }
};
} // namespace

TEST(Application, EscapingErrorsAreReportedAndTheLoopGoesOn) {
    RecordingPlatformGuard rec;
    Thrower object;
    QEvent conversion(QEvent::User);
    QEvent other(static_cast<QEvent::Type>(QEvent::User + 1));
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &conversion));
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &other));
    EXPECT_EQ(rec->texts("general"), (QStringList{"'abc' is not a valid integer value", "broken"}));
}
