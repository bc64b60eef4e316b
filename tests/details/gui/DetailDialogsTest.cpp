#include "details/DetailExpect.h"
#include "details/gui/DetailDialog.h"
#include "details/gui/DetailPreview.h"
#include "page/AttribDefs.h"
#include "page/BlockLibrary.h"
#include "page/PageData.h"
#include "platform/gui/QtText.h"
#include "support/RecordingDialogService.h"

#include <gtest/gtest.h>
#include <map>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace waybill {
namespace {

using test::Entry;
using Typing = std::map<std::string, QString>; // field name -> text

class DetailDialogs : public testing::Test {
  protected:
    DetailDialogs() { blocks.SetFolder(std::string(WAYBILL_PROGRAM_DIR) + "/blocks"); }

    // Opens the entry's dialog and calls `drive` on it while it is shown.
    std::optional<std::vector<Page>> Open(std::string_view entry,
                                          std::function<void(DetailDialog&)> drive) {
        const DetailDialogContext context{dialogs, &blocks, attribDefs.get(),
                                          [&drive](QDialog& dialog) {
                                              dialog.show();
                                              drive(static_cast<DetailDialog&>(dialog));
                                              return dialog.result();
                                          },
                                          nullptr};
        return StartDetail(Entry(entry), context);
    }

    template <typename Widget> static Widget* Find(QDialog& dialog, const QString& name) {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static void Type(QDialog& dialog, const Typing& typing) {
        for (const auto& [field, text] : typing) {
            if (auto* box = Find<QLineEdit>(dialog, QString::fromStdString("txt" + field))) {
                box->setText(text);
            }
        }
    }
    static void Press(QDialog& dialog, const char* button) {
        dialog.findChild<QPushButton*>(button)->click();
    }

    test::RecordingDialogService dialogs;
    BlockLibrary blocks;
    OpenedReferenceDatabase opened = OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    std::unique_ptr<BlockAttribDefs> attribDefs =
        std::make_unique<BlockAttribDefs>(*opened.database);
};

// Every entry's dialog shows its form: each field's box or check box with its label, greyed
// where the entry ignores it, each option's buttons with the entry's choice; and what is typed
// and picked there is what the dialog hands to the generator.
TEST_F(DetailDialogs, EveryEntryShowsItsFormAndReadsItsInputs) {
    for (const DetailGenerator& generator : DetailCatalogue()) {
        for (const DetailVariant& variant : generator.variants) {
            SCOPED_TRACE(std::string(variant.menuName));
            const auto pages = Open(variant.menuName, [&](DetailDialog& dialog) {
                EXPECT_EQ(dialog.objectName(), FromCp1252(variant.form->dialog));
                EXPECT_EQ(dialog.windowTitle(), FromCp1252(variant.caption));
                DetailInputs expected = variant.Preset();
                for (const DetailField& field : variant.form->fields) {
                    const QString name = FromCp1252(field.name);
                    const bool enabled = !variant.Greyed(field.name);
                    if (field.kind == DetailFieldKind::Check) {
                        auto* check = Find<QCheckBox>(dialog, "chk" + name);
                        ASSERT_NE(check, nullptr);
                        EXPECT_EQ(check->text(), FromCp1252(field.label));
                        check->setChecked(true);
                        expected.choices[std::string(field.name)] = 1;
                    } else if (field.kind == DetailFieldKind::Option) {
                        const int preset = variant.Preset().Choice(field.name);
                        for (std::size_t i = 0; i < field.choices.size(); ++i) {
                            auto* button =
                                Find<QRadioButton>(dialog, FromCp1252(field.choices[i].control));
                            ASSERT_NE(button, nullptr);
                            EXPECT_EQ(button->text(), FromCp1252(field.choices[i].caption));
                            EXPECT_EQ(button->isChecked(), static_cast<int>(i) == preset);
                        }
                        Find<QRadioButton>(dialog, FromCp1252(field.choices.back().control))
                            ->setChecked(true);
                        expected.choices[std::string(field.name)] =
                            static_cast<int>(field.choices.size()) - 1;
                    } else {
                        auto* box = Find<QLineEdit>(dialog, "txt" + name);
                        auto* label = Find<QLabel>(dialog, "lbl" + name);
                        ASSERT_TRUE(box && label);
                        EXPECT_EQ(label->text(), FromCp1252(field.label));
                        EXPECT_EQ(label->buddy(), box);
                        EXPECT_EQ(box->isEnabled(), enabled);
                        box->setText(name + "\u00E9"); // Windows-1252 E9
                        expected.texts[std::string(field.name)] = std::string(field.name) + "\xE9";
                    }
                }
                const DetailInputs read = dialog.Inputs();
                EXPECT_EQ(read.texts, expected.texts);
                EXPECT_EQ(read.choices, expected.choices);
                Press(dialog, "cmdCancel");
            });
            EXPECT_FALSE(pages);
        }
    }
}

TEST_F(DetailDialogs, DottedLengthBoxesHintTheirFormAndShowTheLengthRead) {
    Open("mnuOversizeStdKO", [](DetailDialog& dialog) {
        auto* box = Find<QLineEdit>(dialog, "txtLength");
        auto* reading = Find<QLabel>(dialog, "lblLengthReading");
        ASSERT_TRUE(box && reading);
        EXPECT_EQ(box->placeholderText(), "ft.iiss, e.g. 10.0608");
        EXPECT_EQ(reading->text(), "");
        box->setText("10.1208"); // what is read is the core's
        EXPECT_EQ(reading->text(), FromCp1252(FtDottedReading("10.1208")));
        EXPECT_EQ(Find<QLineEdit>(dialog, "txtWidth")->placeholderText(), "");
        Press(dialog, "cmdCancel");
    });
}

// OK adds what the generator makes of the dialog's inputs.
TEST_F(DetailDialogs, InputErrorKeepsTheDialogOpenOnItsField) {
    DetailInputs inputs;
    const auto pages = Open("mnuCondHeadNormal", [&inputs](DetailDialog& dialog) {
        Type(dialog, {{"GuWidth", "6"}, {"GuDepth", "5"}, {"DsWidth", "5.875"}});
        Press(dialog, "cmdOK");
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(dialog.isVisible());
        auto* field = dialog.findChild<QLineEdit*>("txtDsWidth");
        EXPECT_EQ(dialog.focusWidget(), field);
        EXPECT_EQ(field->selectedText(), "5.875");
        Type(dialog, {{"DsWidth", "4"}, {"DsDepth", "3"}});
        inputs = dialog.Inputs();
        Press(dialog, "cmdOK");
    });
    EXPECT_EQ(dialogs.messages.size(), 1u);
    const DetailResult made = Entry("mnuCondHeadNormal").make(inputs);
    ASSERT_TRUE(pages && test::PagesOf(made));
    EXPECT_EQ(*pages, test::PagesOf(made)->pages);
}

TEST_F(DetailDialogs, SteepSlopeWarningCancelStaysOkGoesOn) {
    dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    int accepted = -1;
    const auto pages = Open("mnuAutoPgGutStandard", [&](DetailDialog& dialog) {
        Type(dialog, {{"RoofSlope", "6.01"}, {"SFNumber", "S1"}});
        Press(dialog, "cmdOK");
        accepted = dialog.result();
        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>("txtRoofSlope"));
        Press(dialog, "cmdOK");
    });
    EXPECT_NE(accepted, QDialog::Accepted);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].message, SteepSlopeWarning());
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(pages && pages->size() == 1);
}

// The preview shows what the OK will add and ask, as it is typed, and draws it as the page
// does at any size.
TEST_F(DetailDialogs, PreviewShowsEveryPageTheWarningAndTheTextsAsThePageDoes) {
    ASSERT_TRUE(opened.database) << opened.error;
    Open("mnuOversizeStdKO", [](DetailDialog& dialog) {
        auto* preview = dialog.findChild<DetailPreview*>("picPreview");
        Type(dialog, {{"Width", "4"},
                      {"Depth", "5"},
                      {"Length", "10.0608"},
                      {"SFNumber", "S1"},
                      {"StrapSFNumber", "S2"}});
        EXPECT_EQ(preview->PageCount(), 1);
        dialog.findChild<QCheckBox*>("chkAddStrap")->setChecked(true);
        ASSERT_EQ(preview->PageCount(), 2);
        const QRectF first = preview->DrawingArea(0, preview->size());
        const QRectF second = preview->DrawingArea(1, preview->size());
        EXPECT_FALSE(first.intersects(second));
        EXPECT_TRUE(QRectF(preview->rect()).contains(first.united(second)));
        EXPECT_FALSE(preview->Layers(1, second).empty());
        preview->grab();
        Press(dialog, "cmdCancel");
    });
    Open("mnuAutoPgGutStandard", [this](DetailDialog& dialog) {
        auto* preview = dialog.findChild<DetailPreview*>("picPreview");
        // Nothing typed yet: the reason, no drawing.
        EXPECT_FALSE(preview->Problem().isEmpty());
        Type(dialog, {{"RoofSlope", "4"}, {"SFNumber", "S7"}});
        EXPECT_TRUE(preview->Problem().isEmpty());
        const auto layers = preview->Layers(0, preview->DrawingArea(0, preview->size()));
        ASSERT_EQ(layers.size(), 1u);
        EXPECT_NE(layers[0].drawing, nullptr);
        EXPECT_TRUE(std::any_of(layers[0].texts.begin(), layers[0].texts.end(),
                                [](const AttributeText& text) { return text.text == "S7"; }));
        Type(dialog, {{"RoofSlope", "6.01"}});
        EXPECT_EQ(preview->Warning(), MessageText(SteepSlopeWarning().text));
        EXPECT_GE(preview->DrawingArea(0, preview->size()).top(), 1.0); // below the warning
        // At any size the texts are the page's for a picture of that size: never grown over
        // their neighbours, nor drawn at another scale.
        const QRectF small = preview->DrawingArea(0, preview->minimumSize());
        const auto shown = preview->Layers(0, small).at(0).texts;
        const auto page = PictureTexts(ReadPageBlocks(preview->Pages().at(0).PageData).at(0),
                                       attribDefs.get(), *layers[0].drawing, small.size());
        ASSERT_EQ(shown.size(), page.size());
        for (std::size_t k = 0; k < page.size(); ++k) {
            EXPECT_EQ(shown[k].font.pixelSize(), page[k].font.pixelSize()) << k;
            EXPECT_EQ(shown[k].topLeft, page[k].topLeft) << k;
        }
        Type(dialog, {{"RoofSlope", "6"}});
        EXPECT_TRUE(preview->Warning().isEmpty());
        EXPECT_LT(preview->minimumWidth(), preview->width()); // it can be made smaller
        Press(dialog, "cmdCancel");
    });
}

} // namespace
} // namespace waybill
