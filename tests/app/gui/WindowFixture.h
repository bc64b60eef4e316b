#pragma once

#include "app/gui/dlgAddPage.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/QSettingsStore.h"
#include "app/gui/WaybillMain.h"
#include "app/gui/WindowCommands.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "support/RecordingDialogService.h"
#include "support/TempDir.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

namespace waybill::test {

inline QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Answers the window's modal dialogs in the order the test expects them; an unexpected dialog
// fails the test and is cancelled.
class ModalScript {
  public:
    int Run(QDialog& dialog) {
        shown.push_back(dialog.objectName());
        if (handlers.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
            return QDialog::Rejected;
        }
        auto handler = std::move(handlers.front());
        handlers.pop_front();
        return handler(dialog);
    }

    std::deque<std::function<int(QDialog&)>> handlers;
    std::vector<QString> shown;
};

// A program folder with the shipped data, a settings store of its own and a main window
// started on them.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        const std::filesystem::path shipped = WAYBILL_PROGRAM_DIR;
        for (const char* name : {"Default.fwb", "DefWaybill.db", "Red-line.fwb"}) {
            std::filesystem::copy_file(shipped / name, program / name);
        }
        for (const char* folder : {"fonts", "blocks"}) {
            std::filesystem::copy(shipped / folder, program / folder,
                                  std::filesystem::copy_options::recursive);
        }
    }

    // Runs the start-up; false when it gave up.
    bool Start(const QString& commandLine = {}) {
        window.reset();
        store = std::make_unique<QSettingsStore>(
            std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
        module = std::make_unique<WaybillMain>(Q(program.Path()), *store);
        module->recoveryFolder = Q(recovery.Path());
        window = StartWaybill(
            *module, dialogs, [this](QDialog& d) { return modal.Run(d); }, commandLine);
        if (window) {
            window->activateWindow();
            QCoreApplication::processEvents();
        }
        return window != nullptr;
    }

    QSettings Settings() const { return QSettings(settingsFile, QSettings::IniFormat); }

    void Trigger(const char* name) {
        QAction* action = window->Action(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    bool Enabled(const char* name) const {
        return window->Action(QString::fromLatin1(name))->isEnabled();
    }

    void Open(const std::filesystem::path& path) {
        dialogs.openAnswers.push_back(path.string());
        Trigger("mnuFileOpen");
    }

    // Types into a title-block box the way a user does, replacing its text.
    QLineEdit* Type(int titleField, const QString& text) {
        QLineEdit* box = window->Page().TitleBlockBox(titleField);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        return box;
    }

    // Adds the default document's pages at these 1-based positions through the dialog.
    void Add(std::vector<int> templates,
             QRadioButton* dlgAddPage::*option = &dlgAddPage::optAfterLast) {
        modal.handlers.push_back([templates, option](QDialog& d) {
            auto& dialog = dynamic_cast<dlgAddPage&>(d);
            dialog.lvAddPages->clearSelection();
            for (const int number : templates) {
                dialog.lvAddPages->topLevelItem(number - 1)->setSelected(true);
            }
            (dialog.*option)->click();
            dialog.OKButton->click();
            return dialog.result();
        });
        Trigger("mnuCtrlsAddPg");
    }

    // Answers the next dialog by clicking one of its buttons.
    template <class Dialog> void AnswerWith(QPushButton* Dialog::*button) {
        modal.handlers.push_back([button](QDialog& d) {
            (dynamic_cast<Dialog&>(d).*button)->click();
            return d.result();
        });
    }

    std::vector<std::string> Cads() const {
        std::vector<std::string> cads;
        for (const auto& page : window->Session().Waybill().Pages()) {
            cads.push_back(page->CadNumber);
        }
        return cads;
    }

    // A copy of the shipped default document.
    std::filesystem::path SampleDocument(const std::string& name = "sample.fwb") {
        std::filesystem::copy_file(program / "Default.fwb", work / name);
        return work / name;
    }

    // Types into a line-item cell through the cell box and commits it with Enter.
    void TypeCell(int row, int column, const QString& text) {
        CellGrid* grid = window->Page().LineItemGrid();
        grid->setFocus();
        grid->SetCurrent(row, column);
        QTest::keyClicks(grid, text.left(1)); // opens the cell box
        QTest::keyClicks(window->Page().CellBoxEditor(), text.mid(1));
        QTest::keyClick(window->Page().CellBoxEditor(), Qt::Key_Return);
    }

    std::string Cell(int row, int column) const {
        return window->Page().View().grid->Cell(row, column);
    }

    QString DocPath() const { return QString::fromStdString(window->Session().Doc().Path()); }
    QString WorkFolder() const {
        return QString::fromStdString(window->Session().Files().WorkFolder());
    }

    TempDir program, work, settingsDir, recovery;
    QString settingsFile = Q(settingsDir / "Waybill.conf");
    RecordingDialogService dialogs;
    ModalScript modal;
    // Declared in the order they are needed, so the window goes first.
    std::unique_ptr<QSettingsStore> store;
    std::unique_ptr<WaybillMain> module;
    std::unique_ptr<frmWaybillMain> window;
};

} // namespace waybill::test
