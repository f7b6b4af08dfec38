#pragma once

// The engine on a catalogue built in code, with the controls it reads as
// bare models: no window around them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/design_choices.h"
#include "engine/engine_context.h"
#include "support/recording_platform.h"
#include "toolkit/numbers.h"

namespace vexa::testing_support {

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() {
        RadioGroup1.Items = {"zalecane", "normatywne", "bytowe"};
        RadioGroup2.Items = {"bez zmiany", "minimalizacja"};
        RadioGroup3.Items = {"0", "1", "2", "3", "4"};
        RadioGroup4.Items = {"małe", "duże"};
        RadioGroup1.setItemIndex(sewage_kind::kRainRecommended);
        RadioGroup2.setItemIndex(slope_criterion::kKeep);
        RadioGroup3.setItemIndex(pipe_criterion::kNone);
        RadioGroup4.setItemIndex(local_losses::kSmall);
        ComboSDR.Visible = false;
        state.setWindowStartValues();
    }

    // Adds a type with the same roughness for every case; returns its number.
    int addType(const std::string& name, const std::string& klasa, double roughness,
                const std::vector<std::pair<double, double>>& diameters) {
        Catalogue& c = *catalogue;
        Rura_1& type = c.type(++c.ilosc_typow);
        c.r_ind = c.ilosc_typow;
        type.nazwa = name;
        type.klasa = klasa;
        type.k1 = type.k2 = type.k3 = type.k4 = roughness;
        type.ilosc_sred = static_cast<int>(diameters.size());
        for (int j = 1; j <= type.ilosc_sred; ++j) {
            type.diameter(j).dout = diameters[j - 1].first;
            type.diameter(j).din = diameters[j - 1].second;
            type.diameter(j).kod = name + "-" + std::to_string(j);
        }
        return c.ilosc_typow;
    }

    // The type list as the window fills it, with `position` selected, and
    // the diameter list of that type with "dowolna" selected.
    void selectType(int position) {
        Combo_Typ.Clear();
        for (int n = 1; n <= catalogue->ilosc_typow; ++n) Combo_Typ.Add(catalogue->type(n).nazwa);
        Combo_Typ.Add("Rura optymalna - klasa N");
        Combo_Typ.Add("Rura optymalna - klasa T");
        Combo_Typ.setItemIndex(position);
        ComboSred.Clear();
        ComboSred.Add("dowolna");
        if (position < catalogue->ilosc_typow) {
            const Rura_1& type = catalogue->type(position + 1);
            for (int j = 1; j <= type.ilosc_sred; ++j) ComboSred.Add(formatGeneral(type.diameter(j).dout));
        }
        ComboSred.setItemIndex(0);
        state.rurtyp = position + 1;
    }

    void setSdrList(const std::vector<std::string>& items, int selected) {
        ComboSDR.Items = items;
        ComboSDR.setItemIndex(selected);
        ComboSDR.Visible = true;
    }

    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    DesignState state;
    RecordingPlatform platform;
    ComboBox Combo_Typ, ComboSred, ComboSDR;
    RadioGroup RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4;
    EditField Bqwe, Bimin, Bistart, Bistop, Bwyp;
    EditField Bd, Bnrkat, Bkl, Bk, Bi, Bh, Br, Bv, Bws, Bwp;
    EngineContext context{
        *catalogue, state,
        DesignControls{Combo_Typ, ComboSred, ComboSDR, RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4, Bqwe,
                       Bimin,     Bistart,   Bistop,   Bwyp,        Bd,          Bnrkat,      Bkl,         Bk,
                       Bi,        Bh,        Br,       Bv,          Bws,         Bwp},
        platform};
};

}  // namespace vexa::testing_support
