#include "batch/batch_calculator.h"

#include <algorithm>
#include <optional>

#include "batch/headless_platform.h"
#include "toolkit/text.h"
#include "windows/design_window.h"
#include "windows/notebook_texts.h"
#include "windows/notebook_window.h"
#include "windows/program.h"

namespace vexa {

// What a user's notebook keeps while the inputs change: the text, the records
// and the counters. Empty until the first section has run.
struct KeptNotebook {
    std::optional<std::vector<std::string>> text;
    NotebookRecords records;
    NotebookCounters counters;

    void takeFrom(Program& program) {
        text = program.Form1().Memo1.Lines;
        records = program.Tw();
        counters = program.state().notebookCounters();
    }
    // Into a window just started: as the notebook window's "Powrót" left it.
    void restoreInto(Program& program) const {
        if (!text) return;
        program.Form1().Memo1.Lines = *text;
        program.Tw() = records;
        program.state().notebookCounters() = counters;
        program.Form1().Bnazod.Text = notebook_texts::defaultSectionName(counters.odc_number);
    }
};

namespace {

// The first box shown of the kinds that stop a section, on one line. Before
// the calculation only error boxes count: an explanation is answered with OK.
std::optional<std::string> boxShown(const HeadlessPlatform& platform, bool errorsOnly) {
    for (const auto& box : platform.boxes())
        if (!errorsOnly || box.error) return text::onOneLine(box.text);
    return std::nullopt;
}

std::string notInTheGroup(const RadioGroup& group, int item) {
    return "Pozycja " + std::to_string(item) + " nie występuje w grupie \"" + group.Caption + "\" (0-" +
           std::to_string(static_cast<int>(group.Items.size()) - 1) + ")";
}

// One section entered into a freshly started window.
class SectionRun {
public:
    SectionRun(const Catalogue& loaded, const BatchSection& section, KeptNotebook* notebook,
               std::optional<double> timeLimit)
        : platform_(timeLimit), program_(platform_, {}), section_(section), notebook_(notebook) {
        program_.startWith(loaded);
        if (notebook_) notebook_->restoreInto(program_);
    }

    BatchResult run() {
        TForm1& f = program_.Form1();
        BatchResult result;
        const auto refuse = [&](std::string message) {
            result.message = std::move(message);
            result.state = program_.state();
            return result;
        };

        if (auto problem = pickRadio(f.RadioGroup1, section_.sewage)) return refuse(*problem);
        if (auto problem = pickRadio(f.RadioGroup4, section_.losses)) return refuse(*problem);
        if (section_.type < 1 || section_.type > f.Combo_Typ.Count())
            return refuse("Typ rury nr " + std::to_string(section_.type) + " nie występuje na liście (1-" +
                          std::to_string(f.Combo_Typ.Count()) + ")");
        program_.act([&] { f.Combo_Typ.userSelect(section_.type - 1); });

        if (!section_.diameter.empty() && section_.diameter != kAnyDiameter) {
            const int item = visibleItem(f.ComboSred, section_.diameter);
            if (item < 0) return refuse("Średnica " + section_.diameter + " nie występuje na liście średnic");
            program_.act([&] { f.ComboSred.userSelect(item); });
        }
        if (!section_.sdr.empty()) {
            const int item = visibleItem(f.ComboSDR, section_.sdr);
            if (item < 0) return refuse("SDR " + section_.sdr + " nie występuje na liście SDR");
            program_.act([&] { f.ComboSDR.userSelect(item); });
        }
        if (auto problem = pickRadio(f.RadioGroup3, section_.pipeCriterion)) return refuse(*problem);
        if (auto problem = pickRadio(f.RadioGroup2, section_.slopeCriterion)) return refuse(*problem);
        if (auto box = boxShown(platform_, true)) return refuse(*box);

        platform_.clear();
        program_.act([&] {
            // An empty name leaves the default name the window shows.
            if (!section_.name.empty()) f.Bnazod.userType(section_.name);
            f.Bqwe.userType(section_.flow);
            f.Bimin.userType(section_.slope);
            f.Bistart.userType(section_.slopeFrom);
            f.Bistop.userType(section_.slopeTo);
            f.Bwyp.userType(section_.fillingLimit);
        });
        program_.act([&] { f.Button1.userClick(); });
        if (auto box = boxShown(platform_, false)) return refuse(*box);

        result.computed = true;
        result.fields = {f.Bd.Text, f.Bnrkat.Text, f.Bkl.Text, f.Bk.Text,  f.Bi.Text,
                         f.Bh.Text, f.Br.Text,     f.Bv.Text,  f.Bws.Text, f.Bwp.Text};
        result.state = program_.state();
        if (const TForm1::ShownPipe& shown = f.shownPipe(); shown.pipe) {
            result.outerDiameter = shown.pipe->dout;
            result.innerDiameter = shown.innerDiameter;
            result.typeName = shown.type->nazwa;
            result.insideSize = shown.type->listedByInsideSize();
        }
        if (notebook_) saveInNotebook(result);
        return result;
    }

private:
    // "Zapis", and "Powrót" in the notebook window that opens.
    void saveInNotebook(BatchResult& result) {
        TForm1& f = program_.Form1();
        result.nameShortened = !section_.name.empty() && f.Bnazod.Text != section_.name;
        platform_.clear();
        platform_.setModalAction([this](Form&) { program_.act([this] { program_.Form2().Powrot.userClick(); }); });
        program_.act([&] { f.Zapisz.userClick(); });
        if (auto box = boxShown(platform_, true)) result.notebookRefusal = *box;
        notebook_->takeFrom(program_);
    }

    std::optional<std::string> pickRadio(RadioGroup& group, int item) {
        if (item < 0 || item >= static_cast<int>(group.Items.size())) return notInTheGroup(group, item);
        program_.act([&] { group.userSelect(item); });
        return std::nullopt;
    }

    // The position of `text` in a list the user can see, or -1.
    static int visibleItem(const ComboBox& list, const std::string& text) {
        if (!list.Visible) return -1;
        const auto found = std::find(list.Items.begin(), list.Items.end(), text);
        return found == list.Items.end() ? -1 : static_cast<int>(found - list.Items.begin());
    }

    HeadlessPlatform platform_;
    Program program_;
    const BatchSection& section_;
    KeptNotebook* notebook_;
};

}  // namespace

BatchCalculator::BatchCalculator(const Catalogue& loaded, bool keepNotebook, std::optional<double> timeLimitSeconds)
    : loaded_(std::make_unique<Catalogue>(loaded)),
      notebook_(keepNotebook ? std::make_unique<KeptNotebook>() : nullptr),
      timeLimit_(timeLimitSeconds) {}

BatchCalculator::~BatchCalculator() = default;

BatchResult BatchCalculator::run(const BatchSection& section) {
    return SectionRun(*loaded_, section, notebook_.get(), timeLimit_).run();
}

std::vector<std::string> BatchCalculator::notebookText() const {
    if (notebook_ && notebook_->text) return *notebook_->text;
    return notebook_texts::header();  // as at start-up
}

const NotebookRecords& BatchCalculator::records() const {
    static const NotebookRecords none;
    return notebook_ ? notebook_->records : none;
}

int BatchCalculator::savedResults() const { return notebook_ && notebook_->text ? notebook_->counters.twind - 1 : 0; }

}  // namespace vexa
