#include "details/gui/StartDetails.h"
#include "details/RidgeCap.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace waybill {
namespace {

class dlgPreventRidgeCap : public DetailDialog {
  public:
    explicit dlgPreventRidgeCap(const DetailDialogContext& context)
        : DetailDialog(context, QStringLiteral("Prevent Ridge Cap & End Cap")) {
        setObjectName(QStringLiteral("dlgPreventRidgeCap"));
        auto* inputs = new QVBoxLayout;
        auto* fields = new QGridLayout;
        AddText(fields, "RoofSlope", QStringLiteral("Roof Slope"));
        AddText(fields, "LegLength", QStringLiteral("Ridge Cap Leg Length *hp"));
        AddText(fields, "RcSFNo", QStringLiteral("Ridge Cap SF No."));
        AddText(fields, "EcSFNo", QStringLiteral("End Cap SF No."));
        inputs->addLayout(fields);
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        return MakePreventRidgeCap(
            {Typed("RoofSlope"), Typed("LegLength"), Typed("RcSFNo"), Typed("EcSFNo")});
    }
};

class dlgSSeamRidgeCap : public DetailDialog {
  public:
    explicit dlgSSeamRidgeCap(const DetailDialogContext& context)
        : DetailDialog(context, QStringLiteral("Apex Seam Ridge Cap & End Cap")) {
        setObjectName(QStringLiteral("dlgSSeamRidgeCap"));
        auto* inputs = new QVBoxLayout;
        auto* fields = new QGridLayout;
        AddText(fields, "RoofSlope", QStringLiteral("Roof Slope"));
        AddText(fields, "PPToRidge", QStringLiteral("Distance from Peak Purlin to Ridge (*hp)"));
        AddText(fields, "PanOHang", QStringLiteral("Panel Overhang Past Peak Purlin (*hp)"));
        AddText(fields, "RcSFNo", QStringLiteral("Ridge Cap SF No."));
        AddText(fields, "EcSFNo", QStringLiteral("End Cap SF No."));
        inputs->addLayout(fields);

        QGroupBox* panels = Frame(QStringLiteral("Panel Type"), inputs);
        auto* panelLayout = new QHBoxLayout(panels);
        AddOption(panelLayout, "optStormGrip16", QStringLiteral("Storm Grip-16"))->setChecked(true);
        opt24R_ = AddOption(panelLayout, "optApexSeam24R", QStringLiteral("Apex Seam-24R"));
        QGroupBox* clips = Frame(QStringLiteral("Clip Type:"), inputs);
        auto* clipLayout = new QHBoxLayout(clips);
        AddOption(clipLayout, "optLow", QStringLiteral("Low"))->setChecked(true);
        optHigh_ = AddOption(clipLayout, "optHigh", QStringLiteral("High"));
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        return MakeSSeamRidgeCap(
            {Typed("RoofSlope"), Typed("PPToRidge"), Typed("PanOHang"), Typed("RcSFNo"),
             Typed("EcSFNo"),
             opt24R_->isChecked() ? SeamPanel::ApexSeam24R : SeamPanel::StormGrip16,
             optHigh_->isChecked() ? ClipType::High : ClipType::Low});
    }

  private:
    QRadioButton* opt24R_;
    QRadioButton* optHigh_;
};

} // namespace

NewDetailPages StartPreventRidgeCap(const DetailDialogContext& context) {
    dlgPreventRidgeCap dialog(context);
    return dialog.Run();
}

NewDetailPages StartSSeamRidgeCap(const DetailDialogContext& context) {
    dlgSSeamRidgeCap dialog(context);
    return dialog.Run();
}

} // namespace waybill
