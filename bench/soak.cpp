// SPDX-License-Identifier: GPL-3.0-or-later
// Ten million random user actions on the model; the peak memory must stay flat.
// Prints the peak resident size after each million.
#include <sys/resource.h>

#include <cstdio>
#include <random>
#include <vector>

#include "logic/form.h"

namespace {

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main() {
    logic::TForm1 form;
    form.show();
    const std::vector<logic::ListBox*> lists{
        &form.ListBox1,  &form.ListBox2,  &form.ListBox3,  &form.ListBox4,  &form.ListBox5,
        &form.ListBox6,  &form.ListBox7,  &form.ListBox8,  &form.ListBox9,  &form.ListBox21,
        &form.ListBox22, &form.ListBox23, &form.ListBox24, &form.ListBox25, &form.ListBox26};
    const std::vector<logic::RadioButton*> buttons{
        &form.RadioButton1,  &form.RadioButton2,  &form.RadioButton3, &form.RadioButton4,
        &form.RadioButton4B, &form.RadioButton5B, &form.RadioButton6B};
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };

    constexpr long Million = 1'000'000;
    std::printf("actions,peak_rss_kb\n");
    for (long action = 1; action <= 10 * Million; ++action) {
        switch (pick(8)) {
            case 0:
            case 1:
            case 2:
            case 3: {
                logic::ListBox& list = *lists[pick(lists.size())];
                form.userSelect(list,
                                static_cast<int>(pick(static_cast<std::size_t>(list.count()))));
                break;
            }
            case 4:
            case 5:
                form.userChoose(*buttons[pick(buttons.size())]);
                break;
            case 6:
                form.expose();
                break;
            default:
                form.userType(form.Edit23, std::to_string(pick(1000)));
                break;
        }
        if (action % Million == 0) {
            std::printf("%ld,%ld\n", action, peakKilobytes());
            std::fflush(stdout);
        }
    }
    return 0;
}
