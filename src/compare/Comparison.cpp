#include "compare/Comparison.h"

#include "compare/DifferenceMarks.h"

namespace waybill {

void Comparison::Start(Book base, std::string baseName, const Book& current) {
    base_ = std::move(base);
    baseName_ = std::move(baseName);
    cache_ = {};
    differences_ = CompareBooks(*base_, current, database_, cache_);
    compared_ = current;
}

void Comparison::Stop() {
    base_.reset();
    baseName_.clear();
    cache_ = {};
    differences_.clear();
    compared_ = Book();
}

bool Comparison::Update(const Book& current) {
    if (!base_ || (compared_.Pages() == current.Pages() && compared_.SameHeader(current))) {
        return false;
    }
    std::vector<Difference> differences = CompareBooks(*base_, current, database_, cache_);
    compared_ = current;
    if (differences == differences_) {
        return false;
    }
    differences_ = std::move(differences);
    return true;
}

PageChangeMarks Comparison::MarksFor(int page) const {
    return MarksForPage(differences_, page);
}

std::optional<std::size_t> Comparison::Step(std::optional<std::size_t> from, bool forward) const {
    const std::size_t count = differences_.size();
    if (count == 0) {
        return std::nullopt;
    }
    if (!from || *from >= count) {
        return forward ? 0 : count - 1;
    }
    return forward ? (*from + 1) % count : (*from + count - 1) % count;
}

} // namespace waybill
