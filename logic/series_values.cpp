// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a preferred value sets the digit bands of its panel and the series'
// tolerance; choosing a decade sets both multiplier bands.
#include "logic/form.h"

namespace logic {

// Each digit band is moved from code with the flag set, so its handler only
// shows the digit and does not drop the value being applied.
void TForm1::setDigits(Control& Sender, std::string_view value, bool& bySeries,
                       std::initializer_list<DigitTarget> targets) {
    std::size_t position = 0;
    for (const DigitTarget& target : targets) {
        if (position > 0) {
            bySeries = true;
        }
        target.list.setItemIndex(tables::digitAt(value, position).value_or(-1));
        (this->*target.click)(Sender);
        ++position;
    }
}

void TForm1::carbonSeriesClick(Control& Sender, tables::TextList values, const ListBox& list,
                               int toleranceItem) {
    State.CarbonDigitsBySeries = true;
    ListBox4.setItemIndex(toleranceItem);
    ListBox4Click(Sender);
    const std::optional<std::string_view> value = tables::textAt(values, list.itemIndex());
    if (!value) {
        return;
    }
    setDigits(Sender, *value, State.CarbonDigitsBySeries,
              {{ListBox1, &TForm1::ListBox1Click}, {ListBox2, &TForm1::ListBox2Click}});
}

// E12 values are 10 % parts: silver.
void TForm1::ListBox5Click(Control& Sender) {
    carbonSeriesClick(Sender, tables::E12Values, ListBox5, 0);
}

// E24 values are 5 % parts: gold.
void TForm1::ListBox6Click(Control& Sender) {
    carbonSeriesClick(Sender, tables::E24Values, ListBox6, 1);
}

void TForm1::ClearSeriesSelection(Control& Sender) {
    ListBox5.setItemIndex(-1);
    ListBox5Click(Sender);
    ListBox6.setItemIndex(-1);
    ListBox6Click(Sender);
}

// Decade i and multiplier item i are the same factor, so the index is used as is.
void TForm1::ListBox7Click(Control& Sender) {
    State.CarbonMultiplierByDecade = true;
    State.MetalMultiplierByDecade = true;
    const int decade = ListBox7.itemIndex();
    if (!tables::textAt(tables::DecadeList, decade)) {
        return;
    }
    ListBox3.setItemIndex(decade);
    ListBox3Click(Sender);
    ListBox24.setItemIndex(decade);
    ListBox24Click(Sender);
}

// Unlike E12 and E24, a metal-film value also re-applies the decade to its
// multiplier.
void TForm1::metalSeriesClick(Control& Sender, tables::TextList values, const ListBox& list,
                              int toleranceItem) {
    State.SavedDecade = ListBox7.itemIndex();
    State.MetalDigitsBySeries = true;
    ListBox25.setItemIndex(toleranceItem);
    ListBox25Click(Sender);
    const std::optional<std::string_view> value = tables::textAt(values, list.itemIndex());
    if (!value) {
        return;
    }
    setDigits(Sender, *value, State.MetalDigitsBySeries,
              {{ListBox21, &TForm1::ListBox21Click},
               {ListBox22, &TForm1::ListBox22Click},
               {ListBox23, &TForm1::ListBox23Click}});
    State.MetalMultiplierByDecade = true;
    ListBox24.setItemIndex(State.SavedDecade);
    ListBox24Click(Sender);
}

// E48 values are 2 % parts: red.
void TForm1::ListBox8Click(Control& Sender) {
    metalSeriesClick(Sender, tables::E48Values, ListBox8, 2);
}

// E96 values are 1 % parts: brown.
void TForm1::ListBox9Click(Control& Sender) {
    metalSeriesClick(Sender, tables::E96Values, ListBox9, 3);
}

}  // namespace logic
