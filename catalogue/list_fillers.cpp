#include "catalogue/list_fillers.h"

#include "catalogue/design_choices.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

std::string typeItem(const Rura_1& type, const std::string& roughness) {
    return type.nazwa + "      k=" + roughness + " mm";
}

std::string twoDecimals(double roughness) { return formatFixed(roughness, 3, 2); }

void addOptimalItems(ComboBox& typeList) {
    typeList.Add(kOptimalClassN);
    typeList.Add(kOptimalClassT);
}

// Refills the type list with one roughness per type, keeping the selected
// position, and shows the class of the selected type.
template <typename RoughnessText>
void refillTypeList(const Catalogue& catalogue, ListControls& lists, RoughnessText roughness) {
    ComboBox& typeList = lists.Combo_Typ;
    const int distanceFromEnd = typeList.Count() - typeList.ItemIndex();
    typeList.Clear();
    for (int number = 1; number <= catalogue.ilosc_typow; ++number)
        typeList.Add(typeItem(catalogue.type(number), roughness(catalogue.type(number))));
    addOptimalItems(typeList);
    typeList.setItemIndex(typeList.Count() - distanceFromEnd);
    const int selected = typeList.ItemIndex();
    lists.Bkl.Text =
        selected >= 0 && selected < catalogue.ilosc_typow ? catalogue.type(selected + 1).klasa : std::string();
}

bool smallLocalLosses(const ListControls& lists) { return lists.RadioGroup4.ItemIndex() == local_losses::kSmall; }

}  // namespace

TypeItem typeItemAt(const ComboBox& typeList, int position) {
    const int count = typeList.Count();
    if (position < 0 || position >= count) return TypeItem::None;
    if (position == count - 2) return TypeItem::OptimalClassN;
    if (position == count - 1) return TypeItem::OptimalClassT;
    return TypeItem::CatalogueType;
}

bool isOptimalItem(const ComboBox& typeList, int position) {
    const TypeItem item = typeItemAt(typeList, position);
    return item == TypeItem::OptimalClassN || item == TypeItem::OptimalClassT;
}

void Kombo_start(const Catalogue& catalogue, ListControls& lists) {
    ComboBox& typeList = lists.Combo_Typ;
    typeList.Clear();
    for (int number = 1; number <= catalogue.ilosc_typow; ++number)
        typeList.Add(typeItem(catalogue.type(number), formatGeneral(catalogue.type(number).k1)));
    addOptimalItems(typeList);
    typeList.setItemIndex(0);
}

void Kombo_Deszcz(const Catalogue& catalogue, ListControls& lists) {
    const bool small = smallLocalLosses(lists);
    refillTypeList(catalogue, lists,
                   [small](const Rura_1& type) { return small ? formatGeneral(type.k1) : twoDecimals(type.k2); });
}

void Kombo_Byt(const Catalogue& catalogue, ListControls& lists) {
    const bool small = smallLocalLosses(lists);
    refillTypeList(catalogue, lists, [small](const Rura_1& type) { return twoDecimals(small ? type.k3 : type.k4); });
}

void SredLoad(const Catalogue& catalogue, ListControls& lists) {
    lists.ComboSred.Clear();
    lists.ComboSred.Add(kAnyDiameter);
    const int number = lists.Combo_Typ.ItemIndex() + 1;
    if (typeItemAt(lists.Combo_Typ, number - 1) != TypeItem::CatalogueType) {
        lists.Label9.Visible = lists.ComboSred.Visible = false;
        lists.LabelSDR.Visible = lists.ComboSDR.Visible = false;
        return;
    }
    const Rura_1& type = catalogue.type(number);
    for (int j = 1; j <= type.ilosc_sred; ++j) lists.ComboSred.Add(formatGeneral(type.diameter(j).dout));
    lists.ComboSred.setItemIndex(0);
    lists.Label9.Visible = lists.ComboSred.Visible = true;

    if (type.klasa == "SDR") {
        lists.ComboSDR.Clear();
        const SdrList& values = type.nazwa.find("PE") != std::string::npos ? catalogue.sdrpe : catalogue.sdrpp;
        for (int n = 0; n < values.ilosc; ++n) lists.ComboSDR.Add(formatFixed(values.wartosc[n], 3, 1));
        lists.ComboSDR.setItemIndex(0);
        lists.LabelSDR.Visible = lists.ComboSDR.Visible = true;
    } else {
        lists.LabelSDR.Visible = lists.ComboSDR.Visible = false;
    }
}

}  // namespace vexa
