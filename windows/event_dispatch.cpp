#include "windows/event_dispatch.h"

#include "toolkit/errors.h"

namespace vexa {

void runUserAction(PlatformServices& platform, const std::function<void()>& action) {
    try {
        action();
    } catch (const ConversionError& error) {
        platform.showError(error.what());
    } catch (const FileError& error) {
        platform.showError(error.what());
    } catch (const PrintError& error) {
        platform.showError(error.what());
    }
}

}  // namespace vexa
