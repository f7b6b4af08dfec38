#pragma once

// TForm2, the notebook window, as plain C++. It is built anew at every
// opening and shown modally; it owns no data, only a copy of the notebook
// text that it shows, saves and prints:
//
//   design window's notebook text ──copy──> bmem ──> "Zapis notatnika" (file)
//   Tw ──> "Wydruk tabeli" (printer), "Zapis tabeli" (file)
//   bmem ──> "Wydruk notatnika" (printer)
//   "Kasowanie" ──> empties both, resets the counters and the section name
//   "Powrót"    ──> the next default section name into the design window

#include "engine/design_state.h"
#include "toolkit/controls.h"
#include "toolkit/platform_services.h"
#include "windows/notebook_record.h"

namespace vexa {

// What the notebook window works on, all of it owned elsewhere.
struct NotebookParts {
    Memo& notebookText;              // the design window's hidden notebook text
    EditField& sectionName;          // the design window's section name field
    const NotebookRecords& records;  // the saved results, 1 .. twind - 1
    DesignState& state;              // the counters twind, mempusty, odc_number
    PlatformServices& platform;
};

class TForm2 : public Form {
public:
    explicit TForm2(NotebookParts parts);
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    Memo bmem;  // the notebook, read-only
    Button TabPrint;
    Button TabSave;
    Memo Memo1;  // never visible: the line buffer of the table export
    Button Wydruk;
    Button Zapisz;
    Button Memzer;
    Button Powrot;

    // Building the window: the notebook copied in, scrolled to its newest entry.
    void FormCreate();

    void PowrotClick();
    void TabPrintClick();
    void TabSaveClick();
    void WydrukClick();
    void ZapiszClick();
    void MemzerClick();

private:
    void layOut();

    NotebookParts parts_;
};

}  // namespace vexa
