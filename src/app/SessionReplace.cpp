// The edit session's replace (EditSession.h): each replaced value goes through the rules typing
// goes through.
#include "app/EditSession.h"
#include "page/PageData.h"
#include "units/Text.h"

#include <algorithm>

namespace waybill {

using namespace SessionChange;
namespace {

// The finish is chosen from the page's finish list and the sheet numbers are counted, so
// nobody types them; the other fields are typed freely.
bool IsTypedField(int field) {
    return field != TblkFinish && field != TblkSheetNumber && field != TblkSheetTotal;
}

void ShowOnce(Questions& questions, const std::vector<UserMessage>& messages) {
    std::vector<std::string> shown;
    for (const UserMessage& message : messages) {
        if (std::find(shown.begin(), shown.end(), message.text) == shown.end()) {
            shown.push_back(message.text);
            questions.ShowMessage(message);
        }
    }
}

} // namespace

EditSession::CellCommit EditSession::ReplaceInView(const FindHit& hit, const TextMatcher& matcher,
                                                   std::string_view replacement,
                                                   std::vector<UserMessage>& invalid) {
    if (!hit.replaceable) {
        return CellCommit::Refused;
    }
    const auto change = ReplaceAtPlace(view_, hit.place, matcher, replacement);
    if (!change) {
        return CellCommit::Unchanged;
    }
    switch (hit.place.kind) {
    case PlaceKind::RevisionCell:
        return CellCommit::Refused;
    case PlaceKind::Cell:
        return CommitCell(change->cells.front(), invalid);
    case PlaceKind::TitleBlockField:
    case PlaceKind::PageDescription:
        if (!IsTypedField(hit.place.field)) {
            return CellCommit::Refused;
        }
        break;
    case PlaceKind::Attribute:
        // The member editor keeps a member's values consistent with its part code.
        if (IsMemberBlock(hit.place.block)) {
            return CellCommit::Refused;
        }
        break;
    }
    return ApplyPageChanges(view_, *change) ? CellCommit::Written : CellCommit::Unchanged;
}

EditSession::ReplaceOutcome EditSession::Replace(const FindHit& hit, const FindOptions& options,
                                                 std::string_view replacement) {
    StoreTyping();
    ReplaceOutcome outcome;
    if (hit.place.page != document_.GetBook().CurPage()) {
        ShowPage(hit.place.page);
    }
    if (!shown_ || hit.place.page != document_.GetBook().CurPage()) {
        return outcome;
    }
    std::vector<UserMessage> invalid;
    switch (ReplaceInView(hit, TextMatcher(options), replacement, invalid)) {
    case CellCommit::Refused:
        outcome.skipped.push_back(hit);
        break;
    case CellCommit::Written:
        outcome.replaced = 1;
        RecordView("Replace", PageTexts | PageDrawing);
        break;
    case CellCommit::Unchanged:
        break;
    }
    ShowOnce(questions_, invalid);
    return outcome;
}

EditSession::ReplaceOutcome EditSession::ReplaceAll(const FindOptions& options,
                                                    std::string_view replacement) {
    StoreTyping();
    ReplaceOutcome outcome;
    PlaceNames names(setup_.database);
    const std::vector<FindHit> hits = FindAll(document_.GetBook(), names, options);
    if (hits.empty()) {
        replaceSkipped_.clear();
        return outcome;
    }
    const TextMatcher matcher(options);
    const int current = document_.GetBook().CurPage();
    std::vector<UserMessage> invalid;
    const bool recorded = document_.Record("Replace All", [&](Book& book) {
        // Hits come page by page: each page is rendered once, changed, and composed back.
        for (auto first = hits.begin(); first != hits.end();) {
            const int page = first->place.page;
            const auto last = std::find_if(
                first, hits.end(), [page](const FindHit& hit) { return hit.place.page != page; });
            book.GotoPage(page);
            Render(book, false);
            bool changed = false;
            for (; first != last; ++first) {
                switch (ReplaceInView(*first, matcher, replacement, invalid)) {
                case CellCommit::Refused:
                    outcome.skipped.push_back(*first);
                    break;
                case CellCommit::Written:
                    ++outcome.replaced;
                    changed = true;
                    break;
                case CellCommit::Unchanged:
                    break;
                }
            }
            if (changed) {
                ComposePageData(view_, book);
            }
        }
        book.GotoPage(current);
    });
    replaceSkipped_ = outcome.skipped;
    document_.GotoPage(current);
    Render(document_.GetBook(), false);
    Notify(recorded ? PageShown | PageList | Header | History : PageShown);
    ShowOnce(questions_, invalid);
    return outcome;
}

} // namespace waybill
