// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/repaint.h"

#include <algorithm>

namespace logic {

void RepaintQueue::setPaintOrder(std::initializer_list<PaintBox*> boxes) {
    entries_.clear();
    for (PaintBox* box : boxes) {
        entries_.push_back(Entry{box, false});
    }
    cursor_ = 0;
}

void RepaintQueue::request(const PaintBox& box) {
    for (Entry& entry : entries_) {
        if (entry.box == &box) {
            entry.requested = true;
        }
    }
}

void RepaintQueue::requestAll() {
    for (Entry& entry : entries_) {
        entry.requested = true;
    }
}

bool RepaintQueue::pending() const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [](const Entry& entry) { return entry.requested; });
}

PaintBox* RepaintQueue::takeNext() {
    for (std::size_t scanned = 0; scanned < entries_.size(); ++scanned) {
        const std::size_t index = (cursor_ + scanned) % entries_.size();
        if (entries_[index].requested) {
            entries_[index].requested = false;
            cursor_ = (index + 1) % entries_.size();
            return entries_[index].box;
        }
    }
    cursor_ = 0;
    return nullptr;
}

}  // namespace logic
