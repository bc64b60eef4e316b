#include "app/StartFolder.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

struct StartCase {
    const char* name;
    FileDialogKind kind;
    const char* exportFolder;
    const char* workFolder;
    const char* documentFolder; // the open document lies here ("" for a new document)
    const char* documents;      // the Documents folder
    const char* expected;
};

// Folders "export", "work", "jobs", "program", "docs" and "home" exist; "gone" does not.
TEST(StartFolder, FirstUsableFolderInOrder) {
    test::TempDir dir;
    for (const char* folder : {"export", "work", "jobs", "program", "docs", "home"}) {
        std::filesystem::create_directories(dir / folder);
    }
    const StartCase cases[] = {
        {"work folder first", FileDialogKind::Document, "export", "work", "jobs", "docs", "work"},
        {"export folder for exports", FileDialogKind::Export, "export", "work", "jobs", "docs",
         "export"},
        {"export falls back to work", FileDialogKind::Export, "", "work", "jobs", "docs", "work"},
        {"document's folder", FileDialogKind::Document, "export", "", "jobs", "docs", "jobs"},
        {"missing work folder", FileDialogKind::Document, "", "gone", "jobs", "docs", "jobs"},
        {"new document: Documents", FileDialogKind::Document, "", "", "", "docs", "docs"},
        {"no Documents folder: home", FileDialogKind::Document, "", "", "", "gone", "home"},
        {"never the program folder", FileDialogKind::Export, "program", "program", "program",
         "docs", "docs"},
        {"program folder passed over", FileDialogKind::Document, "", "program", "jobs", "docs",
         "jobs"},
    };
    const auto full = [&](const char* folder) {
        return *folder == '\0' ? std::string() : (dir / folder).string();
    };
    const std::string program = full("program");
    const std::string home = full("home");
    for (const StartCase& c : cases) {
        PathSettings paths;
        paths.ExportFolder = full(c.exportFolder);
        paths.WorkFolder = full(c.workFolder);
        const std::string document =
            *c.documentFolder == '\0' ? std::string() : full(c.documentFolder) + "/4471.fwb";
        const std::string documents = full(c.documents);
        EXPECT_EQ(DialogStartFolder(c.kind, paths, {document, program, documents, home}),
                  full(c.expected))
            << c.name;
    }
}

} // namespace
} // namespace waybill
