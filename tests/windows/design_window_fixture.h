#pragma once

// A started program on a given catalogue file, with helpers that act as the
// user would: every action goes through the event dispatch and the controls'
// user entry points.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/design_choices.h"
#include "support/recording_platform.h"
#include "windows/design_window.h"
#include "windows/program.h"

namespace vexa::testing_support {

class DesignWindowFixture : public ::testing::Test {
protected:
    // Starts the program on `catalogue` as its data file.
    void startWith(const std::filesystem::path& catalogue) {
        program_ = std::make_unique<Program>(platform, catalogue);
        program_->start();
    }

    TForm1& form() { return program_->Form1(); }
    Program& program() { return *program_; }
    DesignState& state() { return program_->state(); }

    void act(const std::function<void()>& action) { program_->act(action); }
    void pickType(int position) {
        act([&] { form().Combo_Typ.userSelect(position); });
    }
    void pickDiameter(int position) {
        act([&] { form().ComboSred.userSelect(position); });
    }
    void pickSdr(int position) {
        act([&] { form().ComboSDR.userSelect(position); });
    }
    void pickSewage(int item) {
        act([&] { form().RadioGroup1.userSelect(item); });
    }
    void pickLosses(int item) {
        act([&] { form().RadioGroup4.userSelect(item); });
    }
    void pickSlopeCriterion(int item) {
        act([&] { form().RadioGroup2.userSelect(item); });
    }
    void pickPipeCriterion(int item) {
        act([&] { form().RadioGroup3.userSelect(item); });
    }
    void type(EditField& field, const std::string& text) {
        act([&] { field.userType(text); });
    }
    void calculate() {
        act([&] { form().Button1.userClick(); });
    }

    // Flow and slope typed, then "Oblicz".
    void calculate(const std::string& flow, const std::string& slope) {
        type(form().Bqwe, flow);
        type(form().Bimin, slope);
        calculate();
    }
    void minimise(const std::string& from, const std::string& to) {
        pickSlopeCriterion(slope_criterion::kMinimise);
        type(form().Bistart, from);
        type(form().Bistop, to);
    }

    // Bd, Bnrkat, Bkl, Bk, Bi, Bh, Br, Bv, Bws, Bwp as the window shows them.
    std::vector<std::string> results() {
        TForm1& f = form();
        return {f.Bd.Text, f.Bnrkat.Text, f.Bkl.Text, f.Bk.Text,  f.Bi.Text,
                f.Bh.Text, f.Br.Text,     f.Bv.Text,  f.Bws.Text, f.Bwp.Text};
    }
    std::vector<std::string> noResults() { return std::vector<std::string>(10); }

    RecordingPlatform platform;

private:
    std::unique_ptr<Program> program_;
};

}  // namespace vexa::testing_support
