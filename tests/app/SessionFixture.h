#pragma once

#include "app/EditSession.h"
#include "model/FwbFile.h"
#include "support/MemorySettings.h"
#include "support/RecordingQuestions.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace waybill::test {

// Dates and times that do not move.
class FixedClock : public SessionClock {
  public:
    std::string Today() const override { return "8/12/25"; }
    std::string TimeOfDay() const override { return "10:11:12"; }
    std::string FileTime(std::filesystem::file_time_type) const override { return "8/12/25 10:00"; }
};

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
inline constexpr int kShippedPages = 29;

// An edit session on the shipped reference database, default document, red-line pages and
// drawings, with settings in memory, recovery copies in a folder of its own, and every
// notice kept.
class SessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        opened =
            std::make_unique<OpenedReferenceDatabase>(OpenReferenceDatabase(WAYBILL_REFERENCE_DB));
        ASSERT_TRUE(opened->database) << opened->error;
    }
    static void TearDownTestSuite() { opened.reset(); }

    SessionTest() {
        paths.DefFwb = (program / "Default.fwb").string();
        session.SetListener([this](SessionChanges changes) { notices.push_back(changes); });
    }

    // A copy of the shipped default document in the work folder.
    std::string SampleDocument(const std::string& name = "sample.fwb") {
        std::filesystem::copy_file(program / "Default.fwb", work / name);
        return (work / name).string();
    }

    // Starts the run and opens a copy of the default document on page `page`.
    std::string OpenSample(int page = 1) {
        session.Start({});
        const std::string sample = SampleDocument();
        session.Open(sample, EditSession::OpenedFrom::Dialog);
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

    static Book Read(const std::filesystem::path& path) {
        Book book;
        EXPECT_EQ(ReadFWB(path, book), std::nullopt);
        return book;
    }

    static inline std::unique_ptr<OpenedReferenceDatabase> opened;
    const std::filesystem::path program = WAYBILL_PROGRAM_DIR;
    TempDir work, recovery;
    TempDir home; // without a Documents folder
    PathSettings paths;
    MemorySettings settings;
    FixedClock clock;
    RecordingQuestions questions;
    BlockAttribDefs defs{*opened->database};
    EditSession session{{opened->database.get(), &defs, &paths, &settings, program / "blocks",
                         program / "Red-line.fwb", recovery.Path(), &clock, nullptr,
                         program.string(), (home / "Documents").string(), home.Path().string()},
                        questions};
    std::vector<SessionChanges> notices;
};

} // namespace waybill::test
