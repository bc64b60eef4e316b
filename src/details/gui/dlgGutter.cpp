#include "details/gui/StartDetails.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace waybill {
namespace {

QString Caption(GutterKind kind) {
    switch (kind) {
    case GutterKind::Oversize:
        return QStringLiteral("Oversized Gutter Detail");
    case GutterKind::SevereIce:
        return QStringLiteral("Gutter Detail for Severe Icing");
    case GutterKind::Standard:
        break;
    }
    return QStringLiteral("Standard Gutter Detail");
}

class dlgGutter : public DetailDialog {
  public:
    dlgGutter(GutterKind kind, const DetailDialogContext& context)
        : DetailDialog(context, Caption(kind)), kind_(kind) {
        setObjectName(QStringLiteral("dlgGutter"));
        auto* inputs = new QVBoxLayout;
        // The standard gutter has fixed dimensions: Width and Depth are greyed out and ignored.
        QGroupBox* dimensions = Frame(QStringLiteral("Gutter Dimensions (inches)"), inputs);
        dimensions->setObjectName(QStringLiteral("fraDimensions"));
        auto* sizes = new QGridLayout(dimensions);
        AddText(sizes, "Width", QStringLiteral("Width"));
        AddText(sizes, "Depth", QStringLiteral("Depth"));
        dimensions->setEnabled(kind != GutterKind::Standard);

        auto* roof = new QGridLayout;
        AddText(roof, "RoofSlope", QStringLiteral("Roof Slope"));
        AddText(roof, "SFNumber", QStringLiteral("SF Number"));
        inputs->addLayout(roof);

        QGroupBox* panels = Frame(QStringLiteral("Panel Type"), inputs);
        auto* panelLayout = new QVBoxLayout(panels);
        optApexSpan_ = AddOption(panelLayout, "optApexSpan", QStringLiteral("Apex Span"));
        optApexSeam_ = AddOption(panelLayout, "optApexSeam24R", QStringLiteral("Apex Seam-24R"));
        AddOption(panelLayout, "optStormGrip", QStringLiteral("StormGrip"));
        optApexSpan_->setChecked(true);
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        const GutterPanel panel = optApexSpan_->isChecked()   ? GutterPanel::ApexSpan
                                  : optApexSeam_->isChecked() ? GutterPanel::ApexSeam24R
                                                              : GutterPanel::StormGrip;
        return MakeGutter(
            {kind_, Typed("Width"), Typed("Depth"), Typed("RoofSlope"), panel, Typed("SFNumber")});
    }

  private:
    GutterKind kind_;
    QRadioButton* optApexSpan_;
    QRadioButton* optApexSeam_;
};

} // namespace

NewDetailPages StartGutter(GutterKind kind, const DetailDialogContext& context) {
    dlgGutter dialog(kind, context);
    return dialog.Run();
}

} // namespace waybill
