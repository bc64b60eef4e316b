#include "details/gui/StartDetails.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace waybill {
namespace {

class dlgDownSpout : public DetailDialog {
  public:
    dlgDownSpout(KickoutStyle style, const DetailDialogContext& context)
        : DetailDialog(context, QStringLiteral("Downspout Detail")) {
        setObjectName(QStringLiteral("dlgDownSpout"));
        auto* inputs = new QVBoxLayout;
        auto* sizes = new QGridLayout;
        AddText(sizes, "Width", QStringLiteral("Width (Inches)"));
        AddText(sizes, "Depth", QStringLiteral("Depth (Inches)"));
        AddText(sizes, "Length", QStringLiteral("Length (ft.*hp)"));
        AddText(sizes, "SFNumber", QStringLiteral("SF Number"));
        inputs->addLayout(sizes);

        QGroupBox* strap = Frame(QStringLiteral("Downspout Strap Detail"), inputs);
        auto* strapLayout = new QGridLayout(strap);
        AddText(strapLayout, "StrapSFNumber", QStringLiteral("Strap SF Number"));
        chkAddStrap_ = new QCheckBox(QStringLiteral("Add Strap Detail"), this);
        chkAddStrap_->setObjectName(QStringLiteral("chkAddStrap"));
        strapLayout->addWidget(chkAddStrap_, strapLayout->rowCount(), 0, 1, 2);

        QGroupBox* kickout = Frame(QStringLiteral("Kickout Style"), inputs);
        auto* kickoutLayout = new QVBoxLayout(kickout);
        optStandard_ = AddOption(kickoutLayout, "optStandard", QStringLiteral("Standard"));
        QRadioButton* oldStyle =
            AddOption(kickoutLayout, "optOldStyle", QStringLiteral("Old Style"));
        (style == KickoutStyle::Standard ? optStandard_ : oldStyle)->setChecked(true);
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        return MakeDownSpout(
            {Typed("Width"), Typed("Depth"), Typed("Length"), Typed("SFNumber"),
             Typed("StrapSFNumber"), chkAddStrap_->isChecked(),
             optStandard_->isChecked() ? KickoutStyle::Standard : KickoutStyle::OldStyle});
    }

  private:
    QCheckBox* chkAddStrap_;
    QRadioButton* optStandard_;
};

class dlgDSOffset : public DetailDialog {
  public:
    explicit dlgDSOffset(const DetailDialogContext& context)
        : DetailDialog(context, QStringLiteral("Downspout Offset")) {
        setObjectName(QStringLiteral("dlgDSOffset"));
        auto* inputs = new QVBoxLayout;
        auto* sizes = new QGridLayout;
        AddText(sizes, "Width", QStringLiteral("Width (Inches)"));
        AddText(sizes, "Depth", QStringLiteral("Depth (Inches)"));
        AddText(sizes, "Offset", QStringLiteral("Offset (ft.*hp)"));
        AddText(sizes, "SFNumber", QStringLiteral("SF Number"));
        inputs->addLayout(sizes);
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        return MakeDSOffset({Typed("Width"), Typed("Depth"), Typed("Offset"), Typed("SFNumber")});
    }
};

} // namespace

NewDetailPages StartDownSpout(KickoutStyle style, const DetailDialogContext& context) {
    dlgDownSpout dialog(style, context);
    return dialog.Run();
}

NewDetailPages StartDSOffset(const DetailDialogContext& context) {
    dlgDSOffset dialog(context);
    return dialog.Run();
}

} // namespace waybill
