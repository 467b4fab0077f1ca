#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace {
std::unique_ptr<PlatformServices>& current() {
    static std::unique_ptr<PlatformServices> services = std::make_unique<QtPlatform>();
    return services;
}
} // namespace

PlatformServices& platform() { return *current(); }

std::unique_ptr<PlatformServices> setPlatform(std::unique_ptr<PlatformServices> services) {
    if (!services) services = std::make_unique<QtPlatform>();
    std::swap(current(), services);
    return services;
}
