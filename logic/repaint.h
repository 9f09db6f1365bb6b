// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <vector>

namespace logic {

class PaintBox;

// Repaint requests of the paint boxes, served in paint order: within a group
// box in layout order, the carbon-film group before the metal-film group.
// Requests made while a repaint runs are served after it, in the same pass
// when the box comes later in paint order, else in the next pass.
class RepaintQueue {
public:
    void setPaintOrder(std::initializer_list<PaintBox*> boxes);

    void request(const PaintBox& box);
    void requestAll();
    [[nodiscard]] bool pending() const;

    // The next box whose repaint is due, taken off the queue; nullptr when none is.
    PaintBox* takeNext();

private:
    struct Entry {
        PaintBox* box;
        bool requested;
    };
    std::vector<Entry> entries_;
    std::size_t cursor_ = 0;
};

}  // namespace logic
