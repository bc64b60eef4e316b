#include "details/CapTrim.h"
#include "details/gui/StartDetails.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace waybill {
namespace {

class dlgMansardCapTrim : public DetailDialog {
  public:
    explicit dlgMansardCapTrim(const DetailDialogContext& context)
        : DetailDialog(context, QStringLiteral("Mansard Cap Trim")) {
        setObjectName(QStringLiteral("dlgMansardCapTrim"));
        auto* inputs = new QVBoxLayout;
        QGroupBox* face = Frame(QStringLiteral("Out/Out of Mansard Face"), inputs);
        auto* faceLayout = new QGridLayout(face);
        AddText(faceLayout, "Dim", QStringLiteral("Dim. (in inches)"));
        auto* numbers = new QGridLayout;
        AddText(numbers, "CtSF", QStringLiteral("Cap Trim - SF"));
        AddText(numbers, "BcSF", QStringLiteral("Backing Clip - SF"));
        inputs->addLayout(numbers);
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        return MakeCapTrim({Typed("Dim"), Typed("CtSF"), Typed("BcSF")});
    }
};

class dlgEndDam : public DetailDialog {
  public:
    dlgEndDam(EndDamPanel panel, const DetailDialogContext& context)
        : DetailDialog(context, QStringLiteral("End Dam Detail")) {
        setObjectName(QStringLiteral("dlgEndDam"));
        auto* inputs = new QVBoxLayout;
        auto* fields = new QGridLayout;
        AddText(fields, "AngleP2", QStringLiteral("Angle \"P2\" (in decimal degrees)"));
        AddText(fields, "EdNo", QStringLiteral("ED Number"));
        inputs->addLayout(fields);
        opt24R_ = AddOption(inputs, "optApexSeam24R", QStringLiteral("Apex Seam-24R"));
        QRadioButton* iiPlus =
            AddOption(inputs, "optApexSeamIIPlus", QStringLiteral("Apex Seam-II/Plus"));
        (panel == EndDamPanel::ApexSeam24R ? opt24R_ : iiPlus)->setChecked(true);
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        return MakeEndDam(
            {Typed("AngleP2"), Typed("EdNo"),
             opt24R_->isChecked() ? EndDamPanel::ApexSeam24R : EndDamPanel::ApexSeamIIPlus});
    }

  private:
    QRadioButton* opt24R_;
};

} // namespace

NewDetailPages StartCapTrim(const DetailDialogContext& context) {
    dlgMansardCapTrim dialog(context);
    return dialog.Run();
}

NewDetailPages StartEndDam(EndDamPanel panel, const DetailDialogContext& context) {
    dlgEndDam dialog(panel, context);
    return dialog.Run();
}

} // namespace waybill
