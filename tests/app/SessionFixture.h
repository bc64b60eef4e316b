#pragma once

#include "app/EditSession.h"
#include "FilesFixture.h"
#include "page/AttribDefs.h"
#include "refdb/ReferenceDatabase.h"
#include "support/LockEditor.h"

#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace waybill::test {

// The window's boxes as the session sees them: typing waiting to be taken, and the cells and
// fields the user was sent back to.
class WaitingTyping : public PendingTyping {
  public:
    std::optional<TypedEdit> TakeTyping() override { return std::exchange(waiting, {}); }
    void Retype(CellPosition cell) override { retyped.push_back(cell); }
    void FocusTitleField(TitleBlockField field) override { focused.push_back(field); }

    std::optional<TypedEdit> waiting;
    std::vector<CellPosition> retyped;
    std::vector<TitleBlockField> focused;
};

// Pages of the shipped default document.
inline constexpr int kSteelPage = 2;
inline constexpr int kCablePage = 6;
inline constexpr int kClip2Page = 11;
inline constexpr int kZeePage = 12;
inline constexpr int kRoofPanelPage = 24;

// An edit session of a run on the shipped reference database, default document, red-line
// pages and drawings, with every notice kept.
class SessionTest : public RunTest {
  protected:
    static void SetUpTestSuite() {
        opened =
            std::make_unique<OpenedReferenceDatabase>(OpenReferenceDatabase(WAYBILL_REFERENCE_DB));
        ASSERT_TRUE(opened->database) << opened->error;
    }
    static void TearDownTestSuite() { opened.reset(); }

    SessionTest() {
        session.SetListener([this](SessionChanges changes) { notices.push_back(changes); });
    }

    SessionSetup Setup(LockSystem* locks = nullptr) {
        return {opened->database.get(), &defs, program / "blocks", program / "Red-line.fwb",
                Files(locks)};
    }

    // A session of this workstation (WS-12, process 5000) that locks its documents, started
    // on no document.
    EditSession& Locked() {
        if (!locked) {
            locked = std::make_unique<EditSession>(Setup(&me), questions);
            locked->Start({});
            questions.messages.clear();
        }
        return *locked;
    }

    // Starts the run and opens a copy of the default document on page `page`.
    std::string OpenSample(int page = 1) {
        session.Start({});
        const std::string sample = SampleDocument();
        session.Files().Open(sample, DocumentFiles::OpenedFrom::Dialog);
        session.ShowPage(page);
        questions.messages.clear();
        notices.clear();
        return sample;
    }

    // Typing committed into one line-item cell.
    TypingOutcome Type(int row, int column, const std::string& text,
                       const std::string& step = "Cell Edit") {
        return session.CommitTyping({step, {{}, {{row, column, text}}}});
    }

    const std::string& Cell(int row, int column) const {
        return session.View().grid->Cell(row, column);
    }

    std::vector<std::string> Cads() const {
        std::vector<std::string> cads;
        for (const auto& page : session.Waybill().Pages()) {
            cads.push_back(page->CadNumber);
        }
        return cads;
    }

    static inline std::unique_ptr<OpenedReferenceDatabase> opened;
    BlockAttribDefs defs{*opened->database};
    EditSession session{Setup(), questions};
    std::vector<SessionChanges> notices;
    LockEditor me{"WS-12", 5000};
    std::unique_ptr<EditSession> locked;
};

} // namespace waybill::test
