#include "catalogue/list_fillers.h"

#include <gtest/gtest.h>

#include <memory>

#include "catalogue/design_choices.h"

namespace vexa {
namespace {

using Items = std::vector<std::string>;

class ListFillers : public testing::Test {
protected:
    ListFillers() {
        RadioGroup4.Items = {"małe", "duże"};
        RadioGroup4.setItemIndex(local_losses::kSmall);
    }

    Rura_1& addType(const std::string& nazwa, const std::string& klasa, std::vector<double> douts) {
        Rura_1& type = catalogue->type(++catalogue->ilosc_typow);
        type.nazwa = nazwa;
        type.klasa = klasa;
        type.ilosc_sred = static_cast<int>(douts.size());
        for (std::size_t j = 0; j < douts.size(); ++j) type.sred[j].dout = douts[j];
        return type;
    }

    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    ComboBox Combo_Typ, ComboSred, ComboSDR;
    Label Label9, LabelSDR;
    EditField Bkl;
    RadioGroup RadioGroup4;
    ListControls lists{Combo_Typ, ComboSred, ComboSDR, Label9, LabelSDR, Bkl, RadioGroup4};
};

TEST_F(ListFillers, TypeItemsShowTheRoughnessInTheFormOfEachFiller) {
    Rura_1& pvc = addType("PVC klasa N", "N", {110});
    pvc.k1 = 0.4;
    pvc.k2 = 0.4;
    pvc.k3 = 0.4;
    pvc.k4 = 1.25;
    Kombo_start(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.Items,
              (Items{"PVC klasa N      k=0,4 mm", "Rura optymalna - klasa N", "Rura optymalna - klasa T"}));
    EXPECT_EQ(Combo_Typ.ItemIndex(), 0);

    Kombo_Byt(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.Items[0], "PVC klasa N      k=0,40 mm");
    Kombo_Deszcz(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.Items[0], "PVC klasa N      k=0,4 mm");
    RadioGroup4.setItemIndex(local_losses::kLarge);
    Kombo_Deszcz(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.Items[0], "PVC klasa N      k=0,40 mm");
    Kombo_Byt(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.Items[0], "PVC klasa N      k=1,25 mm");
    EXPECT_EQ(Bkl.Text, "N");
}

TEST_F(ListFillers, RefillingKeepsTheSelectedPositionAndShowsItsClass) {
    addType("A", "L", {110});
    addType("B", "T", {160});
    Kombo_start(*catalogue, lists);
    Combo_Typ.setItemIndex(1);
    Kombo_Byt(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.ItemIndex(), 1);
    EXPECT_EQ(Bkl.Text, "T");
    Combo_Typ.setItemIndex(3);  // the class T optimal item
    Kombo_Deszcz(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.ItemIndex(), 3);
    EXPECT_EQ(Bkl.Text, "");
}

TEST_F(ListFillers, EmptyCatalogueOffersOnlyTheOptimalItems) {
    Kombo_start(*catalogue, lists);
    EXPECT_EQ(Combo_Typ.Items, (Items{"Rura optymalna - klasa N", "Rura optymalna - klasa T"}));
    EXPECT_EQ(Combo_Typ.Text(), "Rura optymalna - klasa N");
    SredLoad(*catalogue, lists);
    EXPECT_FALSE(ComboSred.Visible);
    EXPECT_FALSE(Label9.Visible);
    EXPECT_EQ(ComboSred.Items, Items{"dowolna"});
    EXPECT_EQ(ComboSred.ItemIndex(), -1);
}

TEST_F(ListFillers, DiameterListShowsTheOuterDiametersInGeneralForm) {
    addType("A", "N", {110, 160, 31.5});
    addType("Bez średnic", "N", {});
    Kombo_start(*catalogue, lists);
    SredLoad(*catalogue, lists);
    EXPECT_EQ(ComboSred.Items, (Items{"dowolna", "110", "160", "31,5"}));
    EXPECT_EQ(ComboSred.ItemIndex(), 0);
    EXPECT_TRUE(ComboSred.Visible);
    EXPECT_TRUE(Label9.Visible);
    Combo_Typ.setItemIndex(1);
    SredLoad(*catalogue, lists);
    EXPECT_EQ(ComboSred.Items, Items{"dowolna"});
}

TEST_F(ListFillers, SdrTypesGetThePeOrThePpList) {
    addType("PE 100 klasa SDR", "SDR", {110});
    addType("PP-HM klasa SDR", "SDR", {110});
    addType("pe małe litery", "SDR", {110});  // "PE" is case-sensitive
    addType("PVC", "N", {110});
    catalogue->sdrpe = {3, {41, 27.6, 17}};
    catalogue->sdrpp = {2, {33, 22}};
    Kombo_start(*catalogue, lists);

    SredLoad(*catalogue, lists);
    EXPECT_EQ(ComboSDR.Items, (Items{"41,0", "27,6", "17,0"}));
    EXPECT_EQ(ComboSDR.ItemIndex(), 0);
    EXPECT_TRUE(ComboSDR.Visible);
    EXPECT_TRUE(LabelSDR.Visible);
    Combo_Typ.setItemIndex(1);
    SredLoad(*catalogue, lists);
    EXPECT_EQ(ComboSDR.Items, (Items{"33,0", "22,0"}));
    Combo_Typ.setItemIndex(2);
    SredLoad(*catalogue, lists);
    EXPECT_EQ(ComboSDR.Items, (Items{"33,0", "22,0"}));
    Combo_Typ.setItemIndex(3);
    SredLoad(*catalogue, lists);
    EXPECT_FALSE(ComboSDR.Visible);
    EXPECT_FALSE(LabelSDR.Visible);
    EXPECT_EQ(ComboSDR.Items, (Items{"33,0", "22,0"}));  // left in place
}

}  // namespace
}  // namespace vexa
