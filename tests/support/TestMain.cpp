// Test entry: a headless application, a private settings folder and the
// recording platform double, so nothing blocks on a modal window.

#include "platform/Application.h"
#include "platform/RecordingPlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", config.path().toUtf8());
    TApplication app(argc, argv);
    setPlatform(std::make_unique<RecordingPlatform>());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
