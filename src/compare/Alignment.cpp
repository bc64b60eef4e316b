#include "compare/Alignment.h"

#include <algorithm>
#include <unordered_map>

namespace waybill {
namespace {

// Up to this many cells the whole table of common lengths is kept (4 MB); beyond it a longer
// stretch is halved, each half worked out with two rows of lengths, so memory stays linear.
constexpr std::size_t kMaxTableCells = std::size_t{1} << 20;

using Ids = std::vector<int>;

struct Span {
    int begin;
    int end;
    int Size() const { return end - begin; }
};

class Aligner {
  public:
    Aligner(Ids first, Ids second) : x_(std::move(first)), y_(std::move(second)) {}

    AlignedPairs Run() {
        Align({0, static_cast<int>(x_.size())}, {0, static_cast<int>(y_.size())});
        return std::move(pairs_);
    }

  private:
    void Align(Span a, Span b) {
        while (a.Size() > 0 && b.Size() > 0 && x_[a.begin] == y_[b.begin]) {
            pairs_.emplace_back(a.begin++, b.begin++);
        }
        int tail = 0;
        while (tail < a.Size() && tail < b.Size() && x_[a.end - 1 - tail] == y_[b.end - 1 - tail]) {
            ++tail;
        }
        a.end -= tail;
        b.end -= tail;
        if (a.Size() > 0 && b.Size() > 0) {
            if (static_cast<std::size_t>(a.Size() + 1) * static_cast<std::size_t>(b.Size() + 1) <=
                kMaxTableCells) {
                AlignByTable(a, b);
            } else if (a.Size() == 1) {
                const auto found = std::find(y_.begin() + b.begin, y_.begin() + b.end, x_[a.begin]);
                if (found != y_.begin() + b.end) {
                    pairs_.emplace_back(a.begin, static_cast<int>(found - y_.begin()));
                }
            } else {
                const int middle = a.begin + a.Size() / 2;
                const Ids front = FrontLengths({a.begin, middle}, b);
                const Ids back = BackLengths({middle, a.end}, b);
                int split = 0;
                for (int k = 1; k <= b.Size(); ++k) {
                    if (front[k] + back[k] > front[split] + back[split]) {
                        split = k;
                    }
                }
                Align({a.begin, middle}, {b.begin, b.begin + split});
                Align({middle, a.end}, {b.begin + split, b.end});
            }
        }
        for (int k = 0; k < tail; ++k) {
            pairs_.emplace_back(a.end + k, b.end + k);
        }
    }

    // lengths[i][j]: the longest common part of x[a.begin + i..] and y[b.begin + j..]; walked
    // from the start, it gives the pairs in order.
    void AlignByTable(Span a, Span b) {
        const int n = a.Size();
        const int m = b.Size();
        const auto width = static_cast<std::size_t>(m + 1);
        std::vector<int> lengths(static_cast<std::size_t>(n + 1) * width, 0);
        const auto at = [&](int i, int j) -> int& {
            return lengths[static_cast<std::size_t>(i) * width + static_cast<std::size_t>(j)];
        };
        for (int i = n - 1; i >= 0; --i) {
            for (int j = m - 1; j >= 0; --j) {
                at(i, j) = x_[a.begin + i] == y_[b.begin + j]
                               ? at(i + 1, j + 1) + 1
                               : std::max(at(i + 1, j), at(i, j + 1));
            }
        }
        int i = 0;
        int j = 0;
        while (i < n && j < m) {
            if (x_[a.begin + i] == y_[b.begin + j]) {
                pairs_.emplace_back(a.begin + i++, b.begin + j++);
            } else if (at(i + 1, j) >= at(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
    }

    // Entry k: the longest common part of x[a] and y[b.begin..b.begin + k).
    Ids FrontLengths(Span a, Span b) const {
        Ids previous(static_cast<std::size_t>(b.Size() + 1), 0);
        Ids current = previous;
        for (int i = a.begin; i < a.end; ++i) {
            for (int k = 1; k <= b.Size(); ++k) {
                current[k] = x_[i] == y_[b.begin + k - 1] ? previous[k - 1] + 1
                                                          : std::max(previous[k], current[k - 1]);
            }
            std::swap(previous, current);
        }
        return previous;
    }

    // Entry k: the longest common part of x[a] and y[b.begin + k..b.end).
    Ids BackLengths(Span a, Span b) const {
        Ids previous(static_cast<std::size_t>(b.Size() + 1), 0);
        Ids current = previous;
        for (int i = a.end - 1; i >= a.begin; --i) {
            for (int k = b.Size() - 1; k >= 0; --k) {
                current[k] = x_[i] == y_[b.begin + k] ? previous[k + 1] + 1
                                                      : std::max(previous[k], current[k + 1]);
            }
            std::swap(previous, current);
        }
        return previous;
    }

    Ids x_;
    Ids y_;
    AlignedPairs pairs_;
};

} // namespace

AlignedPairs AlignSequences(const std::vector<std::string>& first,
                            const std::vector<std::string>& second) {
    // Numbers stand for the texts, so the tables compare integers.
    std::unordered_map<std::string_view, int> numbers;
    const auto number = [&](const std::vector<std::string>& items) {
        Ids ids;
        ids.reserve(items.size());
        for (const std::string& item : items) {
            ids.push_back(numbers.emplace(item, static_cast<int>(numbers.size())).first->second);
        }
        return ids;
    };
    Ids x = number(first);
    Ids y = number(second);
    return Aligner(std::move(x), std::move(y)).Run();
}

} // namespace waybill
