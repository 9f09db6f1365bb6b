// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few best candidates of an exact search, kept in rank order while the
// search runs, and the deviation the next one must not exceed: the bound
// that lets the search stop early and still be exact.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace searches {

// `Candidate` has a `double deviation`; `Order` ranks two candidates
// (`before`) and tells duplicates apart (`same`). Both take non-const
// references, so a candidate may build its sort key when first asked. Of two
// that are the same, only the one ranked first is kept.
template <typename Candidate, typename Order>
class Podium {
public:
    // Deviations within `tie` of each other count as equal and are ranked by
    // the order's other criteria.
    Podium(double target, double tie, int size, Order order)
        : target_(target),
          tie_(tie),
          size_(static_cast<std::size_t>(std::max(size, 1))),
          order_(std::move(order)) {}

    // The deviation a candidate must not exceed to be kept.
    [[nodiscard]] double threshold() const { return threshold_; }
    [[nodiscard]] bool tooFar(double value) const { return std::abs(value - target_) > threshold_; }

    // Offers a candidate of the given value, made by `make()` only if it
    // may be kept; false once it is too far off for it, or anything further
    // off in the same direction, to be kept.
    template <typename Make>
    bool offer(double value, Make make) {
        const double deviation = std::abs(value - target_);
        if (!(deviation <= threshold_)) {
            return false;
        }
        Candidate candidate = make();
        candidate.deviation = deviation;
        keep(std::move(candidate));
        return true;
    }

    // Best first.
    [[nodiscard]] const std::vector<Candidate>& kept() const { return kept_; }

    // Whether `a` ranks before `b`: the smaller deviation, then the order.
    bool before(Candidate& a, Candidate& b) const {
        if (std::abs(a.deviation - b.deviation) > tie_) {
            return a.deviation < b.deviation;
        }
        return order_.before(a, b);
    }

private:
    void keep(Candidate candidate) {
        if (size_ > 1) {
            const auto twin = std::find_if(kept_.begin(), kept_.end(), [&](Candidate& kept) {
                return order_.same(candidate, kept);
            });
            if (twin != kept_.end()) {
                if (!before(candidate, *twin)) {
                    return;
                }
                kept_.erase(twin);
            }
        }
        const auto place = std::find_if(kept_.begin(), kept_.end(),
                                        [&](Candidate& kept) { return before(candidate, kept); });
        if (place == kept_.end() && kept_.size() == size_) {
            return;
        }
        kept_.insert(place, std::move(candidate));
        if (kept_.size() > size_) {
            kept_.pop_back();
        }
        if (kept_.size() == size_) {
            threshold_ = kept_.back().deviation + tie_;
        }
    }

    double target_;
    double tie_;
    std::size_t size_;
    Order order_;
    double threshold_ = std::numeric_limits<double>::infinity();
    std::vector<Candidate> kept_;
};

}  // namespace searches
