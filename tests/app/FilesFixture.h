#pragma once

#include "app/DocumentFiles.h"
#include "app/PageOrder.h"
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

inline constexpr int kShippedPages = 29; // in the shipped default document

// What a run of the editor is given: the shipped program folder, a work folder, recovery
// copies in a folder of their own, settings in memory, a home without a Documents folder, a
// clock that stands still and questions that are recorded.
class RunTest : public ::testing::Test {
  protected:
    RunTest() { paths.DefFwb = (program / "Default.fwb").string(); }

    // The files' part of the run, locking documents through `locks` (none: no locks).
    FileSetup Files(LockSystem* locks = nullptr) {
        return {&paths,
                &settings,
                recovery.Path(),
                &clock,
                locks,
                program.string(),
                (home / "Documents").string(),
                home.Path().string()};
    }

    // A copy of the shipped default document in the work folder.
    std::string SampleDocument(const std::string& name = "sample.fwb") {
        std::filesystem::copy_file(program / "Default.fwb", work / name);
        return (work / name).string();
    }

    static Book Read(const std::filesystem::path& path) {
        Book book;
        EXPECT_EQ(ReadFWB(path, book), std::nullopt);
        return book;
    }

    const std::filesystem::path program = WAYBILL_PROGRAM_DIR;
    TempDir work, recovery;
    TempDir home; // without a Documents folder
    PathSettings paths;
    MemorySettings settings;
    FixedClock clock;
    RecordingQuestions questions;
};

// One run's document files over a document of their own, with what they asked of their host.
struct FilesRun : DocumentFiles::Host {
    FilesRun(FileSetup setup, Questions& questions, const LocationIndex& positions)
        : files(std::move(setup), questions, document, positions, *this) {}

    void StoreTyping() override { ++typingStored; }
    void ShowReplaced(SessionChanges changes) override { shown.push_back(changes); }
    void Notify(SessionChanges changes) override { notices.push_back(changes); }
    void SetStatusNote(std::string text) override { note = std::move(text); }

    // Changes made as the session makes them, each one step.
    void SetCustomer(const std::string& customer) {
        document.Record("Title Block Edit", [&](Book& book) { book.Customer = customer; });
    }
    void AddPage(PageLines data = {}) {
        document.Record("Add Page", [&](Book& book) {
            book.Add("pre_rel-01", "", "RELEASE", data, AfterLastPage);
        });
    }

    Document document;
    DocumentFiles files;
    std::vector<SessionChanges> shown; // each replaced document shown, with what was told
    std::vector<SessionChanges> notices;
    std::string note;
    int typingStored = 0;
};

// The document files of a run on the positions of the shipped default document's pages.
class FilesTest : public RunTest {
  protected:
    std::unique_ptr<FilesRun> NewRun(LockSystem* locks = nullptr) {
        return std::make_unique<FilesRun>(Files(locks), questions, positions);
    }

    // Starts the run and opens a copy of the default document.
    std::string OpenSample() {
        files.Start({});
        const std::string sample = SampleDocument();
        files.Open(sample, DocumentFiles::OpenedFrom::Dialog);
        questions.messages.clear();
        run.notices.clear();
        run.shown.clear();
        return sample;
    }

    Book defaults = Read(program / "Default.fwb");
    const LocationIndex positions = MakeLocationIndex(defaults);
    FilesRun run{Files(), questions, positions};
    DocumentFiles& files = run.files;
    const Document& doc = run.document;
};

} // namespace waybill::test
