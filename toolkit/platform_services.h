#pragma once

// What the program asks of the desktop: message boxes, dialogs, modal
// windows and the end of the program. The Qt skin implements it for real,
// sections run without a user answer for nobody (HeadlessPlatform) and the
// tests answer from a script.

#include <optional>
#include <string>
#include <vector>

namespace vexa {

class Form;
class Printer;

struct SaveFileRequest {
    std::string title;
    std::string filter;            // for example "Pliki tekstowe (*.txt)", or a bare extension "txt"
    std::string defaultExtension;  // without the dot: "txt"
};

// What a save dialog offering kinds of file gives back.
struct SaveFileChoice {
    std::string fileName;  // UTF-8
    int kind = 0;          // the position of the kind chosen
};

// The answers of a question that can also be withdrawn ("Tak", "Nie", "Anuluj").
enum class Answer { Yes, No, Cancel };

// Why a calculation that the user cancelled stops.
inline constexpr const char* kCalculationCancelled = "Obliczenia przerwano na życzenie użytkownika.";

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Modal error box: error icon, one OK button.
    virtual void showError(const std::string& text) = 0;
    // Modal message box with the application title as caption, one OK button.
    virtual void showMessage(const std::string& text) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // Modal Yes/No/Cancel question.
    virtual Answer ask(const std::string& text) = 0;
    // Save-file dialog; the chosen path as UTF-8, nothing when cancelled.
    virtual std::optional<std::string> askSaveFileName(const SaveFileRequest& request) = 0;
    // Save-file dialog offering `kinds` of file (filters such as "Sieć w UTF-8
    // (*.csv)"), `preselected` chosen as it opens; the path and the kind
    // chosen, nothing when cancelled.
    virtual std::optional<SaveFileChoice> askSaveFileOfKind(const SaveFileRequest& request,
                                                            const std::vector<std::string>& kinds, int preselected) = 0;
    // Open-file dialog for an existing file; the same.
    virtual std::optional<std::string> askOpenFileName(const SaveFileRequest& request) = 0;
    // The print dialog: the printer the user chose, set up as the user left
    // it and owned by the platform, or nothing when cancelled.
    virtual Printer* choosePrinter() = 0;
    // A long calculation reports where it stands (`status`, such as the slope
    // reached) every few thousand examined pipes. Nothing: it goes on; a
    // text: it stops, and that text says why. The platform may show
    // progress and let the user cancel, or apply a time limit.
    virtual std::optional<std::string> calculationProgress(const std::string& status) = 0;
    // The calculation has ended, finished or stopped.
    virtual void calculationEnded() = 0;
    // Shows the window modally: the window is Visible meanwhile, and the call
    // returns once it is closed (by its Close() or by the frame's control).
    virtual void showModal(Form& window) = 0;
    // Asks the application to end once the current reaction has finished.
    virtual void terminate() = 0;
};

}  // namespace vexa
