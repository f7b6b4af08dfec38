#include "windows/event_dispatch.h"

#include "toolkit/errors.h"

namespace vexa {

void runUserAction(PlatformServices& platform, const std::function<void()>& action, const std::function<void()>& undo) {
    try {
        action();
    } catch (const ConversionError& error) {
        platform.showError(error.what());
    } catch (const FileError& error) {
        platform.showError(error.what());
    } catch (const PrintError& error) {
        platform.showError(error.what());
    } catch (const std::exception& error) {
        if (undo) undo();
        platform.showError(std::string(kUnexpectedErrorPrefix) + error.what());
    }
}

}  // namespace vexa
