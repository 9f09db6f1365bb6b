// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "logic/control.h"
#include "logic/edit.h"
#include "logic/form_state.h"
#include "logic/list_box.h"
#include "logic/paint_box.h"
#include "logic/radio_button.h"
#include "logic/static_controls.h"
#include "logic/window.h"
#include "tables/band_tables.h"
#include "tables/series.h"

namespace logic {

// Where the window goes when it is first shown.
enum class Placement { Designed, ScreenCenter };

// The calculator window: every control under its layout name, the state the
// handlers share, and the handlers themselves. Building it builds the layout
// (which runs no handler) and then runs FormCreate.
class TForm1 : public Window {
public:
    TForm1();
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;
    TForm1(TForm1&&) = delete;
    TForm1& operator=(TForm1&&) = delete;

    // The window is shown for the first time: every visible box paints.
    void show() { expose(); }
    [[nodiscard]] Placement placement() const { return placement_; }

    // Every control of the window, for those who look them up by name.
    [[nodiscard]] Control* findControl(std::string_view name);

    // Preferred values.
    GroupBox GroupBox1{"GroupBox1", "Les valeurs normalisées :"};
    Label Label6{"Label6", "Série E12 :", "Série E12 : 12 valeurs différentes par décade."};
    Label Label9{"Label9", "Série E24 :", "Série E24 : 24 valeurs différentes par décade."};
    Label Label10{"Label10", "Série E48 :", "Série E48 : 48 valeurs différentes par décade."};
    Label Label11{"Label11", "Série E96 :", "Série E96 : 96 valeurs différentes par décade."};
    Label Label22{"Label22", "Une série \"n\" se compose des valeurs arrondies "};
    Label Label19{"Label19", "des nombres :"};
    Label Label25{"Label25", "Exemple : la 4ème valeur (décade 1 à 10) de la série"};
    Label Label24{"Label24", "E24 a pour valeur 1,3 :"};
    Image Image3{"Image3"};
    Image Image4{"Image4"};
    ListBox ListBox5{"ListBox5"};
    ListBox ListBox6{"ListBox6"};
    ListBox ListBox8{"ListBox8"};
    ListBox ListBox9{"ListBox9"};
    GroupBox GroupBox3{"GroupBox3", "Choisir le nombre de bandes :"};
    GroupBox GroupBox4{"GroupBox4", "Choisir la série :"};
    RadioButton RadioButton1{"RadioButton1", "E12", GroupBox4, Checked::no};
    RadioButton RadioButton2{"RadioButton2", "E24", GroupBox4, Checked::no};
    RadioButton RadioButton3{"RadioButton3", "E48", GroupBox4, Checked::yes};
    RadioButton RadioButton4{"RadioButton4", "E96", GroupBox4, Checked::no};
    RadioButton RadioButton4B{"RadioButton4B", "4", GroupBox3, Checked::no};
    RadioButton RadioButton5B{"RadioButton5B", "5", GroupBox3, Checked::yes};
    RadioButton RadioButton6B{"RadioButton6B", "6 ", GroupBox3, Checked::no};

    // Decades.
    GroupBox GroupBox6{"GroupBox6", "Multiples ou décades :"};
    Label Label8{"Label8", "Choisir la décades :",
                 "Selectionner les multiples ou décades des séries E12 ou E24."};
    ListBox ListBox7{"ListBox7"};
    Label Label7{"Label7", ""};

    // Four-band carbon-film resistor.
    GroupBox GroupBox2{"GroupBox2", "Résistance à couche carbone :"};
    Image Image1{"Image1"};
    Edit Edit1{"Edit1", "1", ReadOnly::yes};
    Edit Edit2{"Edit2", "0", ReadOnly::yes};
    Edit Edit3{"Edit3", "x0,1", ReadOnly::yes};
    Label Label1{"Label1", "Ohm(s) à"};
    Edit Edit4{"Edit4", "±5%", ReadOnly::yes};
    Label Label2{"Label2", "1er valeur", "Sélectionner la 1er bague."};
    Label Label3{"Label3", "2ème valeur", "Sélectionner la 2ème bague."};
    Label Label4{"Label4", "3) Multiplicateur", "Sélectionner la 3ème bague."};
    Label Label5{"Label5", "4) Tolérence", "Sélectionner la tolérence."};
    ListBox ListBox1{"ListBox1"};
    ListBox ListBox2{"ListBox2"};
    ListBox ListBox3{"ListBox3"};
    ListBox ListBox4{"ListBox4"};
    PaintBox PaintBox1{"PaintBox1", tables::Maroon, repaints()};
    PaintBox PaintBox2{"PaintBox2", tables::ButtonFace, repaints()};
    PaintBox PaintBox3{"PaintBox3", tables::ButtonFace, repaints()};
    PaintBox PaintBox4{"PaintBox4", tables::Silver, repaints()};

    // Five- and six-band metal-film resistor.
    GroupBox GroupBox5{"GroupBox5", "Résistance à couche métalique :"};
    Image Image2{"Image2"};
    Label Label21{"Label21", "Temp. Coeff.", "Sélectionner le coefficient de température."};
    Label Label20{"Label20", "(ppm /°C)", "Sélectionner la tolérence."};
    Edit Edit26{"Edit26", "", ReadOnly::yes};
    Edit Edit21{"Edit21", "1", ReadOnly::yes};
    Edit Edit22{"Edit22", "0", ReadOnly::yes};
    Edit Edit23{"Edit23", "0", ReadOnly::no};
    Edit Edit24{"Edit24", "x0,1", ReadOnly::yes};
    Label Label16{"Label16", "Ohm(s) à"};
    Edit Edit25{"Edit25", "±5%", ReadOnly::yes};
    Label Label15{"Label15", "1er valeur", "Sélectionner la 1er bague."};
    Label Label14{"Label14", "2ème valeur", "Sélectionner la 2ème bague."};
    Label Label17{"Label17", "3ème valeur", "Sélectionner la 3ème bague."};
    Label Label13{"Label13", "4) Multiplicateur", "Sélectionner la 4ème bague."};
    Label Label12{"Label12", "5) Tolérence", "Sélectionner la tolérence."};
    Label Label18{"Label18", "6) Temp. Coeff.", "Sélectionner le coefficient de température."};
    ListBox ListBox21{"ListBox21"};
    ListBox ListBox22{"ListBox22"};
    ListBox ListBox23{"ListBox23"};
    ListBox ListBox24{"ListBox24"};
    ListBox ListBox25{"ListBox25"};
    ListBox ListBox26{"ListBox26"};
    PaintBox PaintBox21{"PaintBox21", tables::ButtonFace, repaints()};
    PaintBox PaintBox22{"PaintBox22", tables::ButtonFace, repaints()};
    PaintBox PaintBox23{"PaintBox23", tables::ButtonFace, repaints()};
    PaintBox PaintBox24{"PaintBox24", tables::ButtonFace, repaints()};
    PaintBox PaintBox25{"PaintBox25", tables::Red, repaints()};
    PaintBox PaintBox26{"PaintBox26", tables::Maroon, repaints()};

    // The window's menu.
    MenuItem proposde1{"proposde1", "à propos de..."};
    PopupMenu PopupMenu1{"PopupMenu1", {&proposde1}};

    FormState State;

    void FormCreate(Control& Sender);

    // Four-band panel.
    void ListBox1Click(Control& Sender);
    void ListBox2Click(Control& Sender);
    void ListBox3Click(Control& Sender);
    void ListBox4Click(Control& Sender);

    // Five- and six-band panel.
    void ListBox21Click(Control& Sender);
    void ListBox22Click(Control& Sender);
    void ListBox23Click(Control& Sender);
    void ListBox24Click(Control& Sender);
    void ListBox25Click(Control& Sender);
    void ListBox26Click(Control& Sender);

    // E12, E24 and the decades.
    void ListBox5Click(Control& Sender);
    void ListBox6Click(Control& Sender);
    void ListBox7Click(Control& Sender);
    void ClearSeriesSelection(Control& Sender);

    // E48 and E96.
    void ListBox8Click(Control& Sender);
    void ListBox9Click(Control& Sender);

    // Series and band count.
    void RadioButton1Click(Control& Sender);
    void RadioButton2Click(Control& Sender);
    void RadioButton3Click(Control& Sender);
    void RadioButton4Click(Control& Sender);
    void RadioButton4BClick(Control& Sender);
    void RadioButton5BClick(Control& Sender);
    void RadioButton6BClick(Control& Sender);

    // Repainting.
    void SaveColors(Control& Sender);
    void PaintBox24Paint(Control& Sender);

    // The window's menu.
    void proposde1Click(Control& Sender);

private:
    using Method = void (TForm1::*)(Control&);
    Handler bind(Method method);
    void bindEvents();

    // Shared by the band handlers.
    struct Band {
        ListBox& list;
        Edit& readout;
        PaintBox& overlay;
    };
    static bool showItem(tables::BandTable table, int index, Edit& readout, PaintBox& overlay);
    static void recordAndFill(PaintBox& overlay, tables::Colour& remembered);
    void digitClick(Control& Sender, const Band& band, bool& bySeries, Method clearSeries,
                    tables::Colour& remembered);
    void multiplierClick(Control& Sender, const Band& band, bool& byDecade, std::int32_t& index,
                         ListBox& seriesA, ListBox& seriesB);
    void forgetMetalSeriesValue(Control& Sender);

    // Shared by the series value handlers.
    struct DigitTarget {
        ListBox& list;
        Method click;
    };
    void setDigits(Control& Sender, std::string_view value, bool& bySeries,
                   std::initializer_list<DigitTarget> targets);
    void carbonSeriesClick(Control& Sender, tables::TextList values, const ListBox& list,
                           int toleranceItem);
    void metalSeriesClick(Control& Sender, tables::TextList values, const ListBox& list,
                          int toleranceItem);

    // Shared by the radio buttons.
    struct SeriesChoice {
        ListBox& own;
        ListBox& toleranceList;
        int toleranceItem;
        Method toleranceClick;
        Method bandCountClick;
        RadioButton& bandCount;
    };
    void chooseSeries(Control& Sender, const SeriesChoice& choice);
    void useCarbonPanel();
    void useMetalPanel();
    static void dropSeries(RadioButton& series, ListBox& values, bool keepSelection);

    Placement placement_ = Placement::Designed;
};

// Where the About box sends its reader.
inline constexpr std::string_view AuthorAddress = "https://resistances.example.org";

// The program's one window.
extern TForm1* Form1;

}  // namespace logic
