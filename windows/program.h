#pragma once

// The one object that owns everything the program shares: the platform
// services it talks through, the catalogue, the design state, the notebook
// records and the windows. Nothing is global, so every test starts from a fresh program.

#include <filesystem>
#include <functional>
#include <memory>

#include "catalogue/catalogue.h"
#include "engine/design_state.h"
#include "toolkit/platform_services.h"
#include "windows/notebook_record.h"

namespace vexa {

class TForm1;
class TForm2;
class TForm3;

class Program {
public:
    // `catalogueFile` is the data file: "pipe_vexa.dat" in the process's
    // current directory at start-up.
    Program(PlatformServices& platform, std::filesystem::path catalogueFile);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the design window, runs its creation and show reactions (which
    // read the catalogue and fill the lists), then creates the parametric and
    // the notebook window, hidden. A broken catalogue throws; a missing one has asked the
    // platform to end the program.
    void start();
    // The same in two steps, so that a skin can show the window in between:
    // creation (with its creation reaction), then the show reaction and the
    // other window.
    void createDesignWindow();
    void showDesignWindow();

    // The same start on a catalogue read and linked before (a copy is taken),
    // without reading the file again.
    void startWith(const Catalogue& loaded);

    // Runs one user action through the event dispatch.
    void act(const std::function<void()>& action);

    PlatformServices& platform() { return platform_; }
    const std::filesystem::path& catalogueFile() const { return catalogueFile_; }

    Catalogue& catalogue() { return *catalogue_; }
    const Catalogue& catalogue() const { return *catalogue_; }
    DesignState& state() { return state_; }
    const DesignState& state() const { return state_; }

    // The notebook records, the results table's rows.
    NotebookRecords& Tw() { return tw_; }
    const NotebookRecords& Tw() const { return tw_; }

    TForm1& Form1() { return *form1_; }
    // The notebook window of the last opening (hidden before the first).
    TForm2& Form2() { return *form2_; }
    // The parametric window, created hidden after the design window's show reaction.
    TForm3& Form3() { return *form3_; }
    // Whether the parametric and the notebook window have been created.
    bool hasOtherWindows() const { return form3_ != nullptr; }

    // Builds the notebook window anew on the notebook as it stands and shows
    // it modally; returns when it is closed.
    void showNotebookWindow();

private:
    PlatformServices& platform_;
    std::filesystem::path catalogueFile_;
    std::unique_ptr<Catalogue> catalogue_;  // large: kept off the stack
    DesignState state_;
    NotebookRecords tw_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm2> form2_;

    std::unique_ptr<TForm2> newNotebookWindow();
    // The windows created after the design window has read the catalogue.
    void createOtherWindows();
};

}  // namespace vexa
