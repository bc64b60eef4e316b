#include "details/CapTrim.h"
#include "details/gui/DetailPreview.h"
#include "details/gui/StartDetails.h"
#include "page/AttribDefs.h"
#include "page/BlockLibrary.h"
#include "platform/gui/QtText.h"
#include "support/RecordingDialogService.h"

#include <gtest/gtest.h>
#include <map>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace waybill {
namespace {

using Typing = std::map<std::string, QString>; // field name -> text

class DetailDialogs : public testing::Test {
  protected:
    DetailDialogs() { blocks.SetFolder(std::string(WAYBILL_PROGRAM_DIR) + "/blocks"); }

    // A context whose modal run calls `drive` on the shown dialog and answers its result.
    DetailDialogContext Context(std::function<void(QDialog&)> drive) {
        return {dialogs, &blocks, attribDefs.get(),
                [drive = std::move(drive), this](QDialog& dialog) {
                    dialog.show();
                    caption = dialog.windowTitle();
                    drive(dialog);
                    return dialog.result();
                },
                nullptr};
    }

    static void Type(QDialog& dialog, const Typing& typing) {
        for (const auto& [field, text] : typing) {
            auto* box = dialog.findChild<QLineEdit*>(QString::fromStdString("txt" + field));
            ASSERT_NE(box, nullptr) << field;
            box->setText(text);
        }
    }
    static void Press(QDialog& dialog, const char* button) {
        dialog.findChild<QPushButton*>(button)->click();
    }
    static void Check(QDialog& dialog, const char* name) {
        dialog.findChild<QAbstractButton*>(name)->setChecked(true);
    }

    // Types, presses OK and expects the dialog to close with its page(s).
    std::function<void(QDialog&)> Ok(Typing typing, std::vector<const char*> checks = {}) {
        return [typing = std::move(typing), checks = std::move(checks)](QDialog& dialog) {
            Type(dialog, typing);
            for (const char* name : checks) {
                Check(dialog, name);
            }
            Press(dialog, "cmdOK");
        };
    }

    test::RecordingDialogService dialogs;
    BlockLibrary blocks;
    OpenedReferenceDatabase opened = OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    std::unique_ptr<BlockAttribDefs> attribDefs =
        std::make_unique<BlockAttribDefs>(*opened.database);
    QString caption;
};

std::string CadOf(const NewDetailPages& pages, std::size_t index = 0) {
    return pages && pages->size() > index ? (*pages)[index].CadNumber : "(no page)";
}

TEST_F(DetailDialogs, InputErrorKeepsTheDialogOpenOnItsField) {
    const NewDetailPages pages =
        StartCondHead(CondHeadOffset::None, Context([&](QDialog& dialog) {
                          Type(dialog, {{"GuWidth", "6"}, {"GuDepth", "5"}, {"DsWidth", "5.875"}});
                          Press(dialog, "cmdOK");
                          EXPECT_NE(dialog.result(), QDialog::Accepted);
                          EXPECT_TRUE(dialog.isVisible());
                          auto* field = dialog.findChild<QLineEdit*>("txtDsWidth");
                          EXPECT_EQ(dialog.focusWidget(), field);
                          EXPECT_EQ(field->selectedText(), "5.875");
                          Type(dialog, {{"DsWidth", "4"}, {"DsDepth", "3"}});
                          Press(dialog, "cmdOK");
                      }));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message,
              (UserMessage{"Downspout must be smaller than gutter by more than 1/8 inch.",
                           "Input Error", MessageIcon::Exclamation}));
    EXPECT_EQ(CadOf(pages), "conhd");
}

TEST_F(DetailDialogs, SteepSlopeWarningCancelStaysOkGoesOn) {
    dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    int accepted = -1;
    const NewDetailPages pages = StartGutter(
        GutterKind::Standard, Context([&](QDialog& dialog) {
            Type(dialog, {{"RoofSlope", "6.01"}, {"SFNumber", "S1"}});
            Press(dialog, "cmdOK");
            accepted = dialog.result();
            EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>("txtRoofSlope"));
            Press(dialog, "cmdOK");
        }));
    EXPECT_NE(accepted, QDialog::Accepted);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].message, SteepSlopeWarning());
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(CadOf(pages), "trim22");
}

TEST_F(DetailDialogs, StandardGutterGreysOutWidthAndDepthAndOptionsFollowTheEntry) {
    StartGutter(GutterKind::Standard, Context([](QDialog& dialog) {
                    EXPECT_FALSE(dialog.findChild<QLineEdit*>("txtWidth")->isEnabled());
                    EXPECT_FALSE(dialog.findChild<QLineEdit*>("txtDepth")->isEnabled());
                    EXPECT_TRUE(dialog.findChild<QLineEdit*>("txtRoofSlope")->isEnabled());
                    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optApexSpan")->isChecked());
                    Press(dialog, "cmdCancel");
                }));
    StartGutter(GutterKind::Oversize, Context([](QDialog& dialog) {
                    EXPECT_TRUE(dialog.findChild<QLineEdit*>("txtWidth")->isEnabled());
                    Press(dialog, "cmdCancel");
                }));
    StartCondHead(CondHeadOffset::Right, Context([](QDialog& dialog) {
                      EXPECT_TRUE(dialog.findChild<QRadioButton*>("optRight")->isChecked());
                      Press(dialog, "cmdCancel");
                  }));
    StartEndDam(EndDamPanel::ApexSeamIIPlus, Context([](QDialog& dialog) {
                    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optApexSeamIIPlus")->isChecked());
                    Press(dialog, "cmdCancel");
                }));
}

TEST_F(DetailDialogs, PreviewFollowsTheTyping) {
    ASSERT_TRUE(opened.database) << opened.error;
    StartGutter(GutterKind::Standard, Context([](QDialog& dialog) {
                    auto* preview = dialog.findChild<DetailPreview*>("picPreview");
                    ASSERT_NE(preview, nullptr);
                    // Nothing typed yet: the reason, no drawing.
                    EXPECT_EQ(preview->Problem(),
                              "Invalid Roof Slope. Slope must be greater than 0.");
                    Type(dialog, {{"RoofSlope", "4"}, {"SFNumber", "S7"}});
                    Check(dialog, "optStormGrip");
                    EXPECT_TRUE(preview->Problem().isEmpty());
                    const auto layers = preview->Layers(preview->DrawingArea(preview->size()));
                    ASSERT_EQ(layers.size(), 1u);
                    EXPECT_NE(layers[0].drawing, nullptr);
                    QStringList texts;
                    for (const AttributeText& text : layers[0].texts) {
                        texts << text.text;
                    }
                    EXPECT_TRUE(texts.contains(QString::fromUtf8("108\u00B0")))
                        << texts.join('|').toStdString();
                    EXPECT_TRUE(texts.contains("S7"));
                    EXPECT_TRUE(texts.contains(FromCp1252("1'-9\xD8")));
                    preview->grab(); // paints without a display
                    Press(dialog, "cmdCancel");
                }));
}

} // namespace
} // namespace waybill
