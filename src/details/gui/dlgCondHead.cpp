#include "details/gui/StartDetails.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace waybill {

namespace {

class dlgCondHead : public DetailDialog {
  public:
    dlgCondHead(CondHeadOffset offset, const DetailDialogContext& context)
        : DetailDialog(context, QStringLiteral("Conductor Head Detail")) {
        setObjectName(QStringLiteral("dlgCondHead"));
        auto* inputs = new QVBoxLayout;
        QGroupBox* dimensions = Frame(QStringLiteral("Dimensions (in inches)"), inputs);
        auto* sizes = new QGridLayout(dimensions);
        AddText(sizes, "GuWidth", QStringLiteral("Gutter Width"));
        AddText(sizes, "GuDepth", QStringLiteral("Gutter Depth"));
        AddText(sizes, "DsWidth", QStringLiteral("Downspout Width"));
        AddText(sizes, "DsDepth", QStringLiteral("Downspout Depth"));
        auto* numbers = new QGridLayout;
        AddText(numbers, "CHNumber", QStringLiteral("CH Number"));
        AddText(numbers, "ValleyGutterNo", QStringLiteral("Valley Gutter Number"));
        inputs->addLayout(numbers);

        QGroupBox* side = Frame(QStringLiteral("Offset"), inputs);
        auto* sideLayout = new QHBoxLayout(side);
        optRight_ = AddOption(sideLayout, "optRight", QStringLiteral("Right"));
        QRadioButton* none = AddOption(sideLayout, "optNone", QStringLiteral("None"));
        optLeft_ = AddOption(sideLayout, "optLeft", QStringLiteral("Left"));
        (offset == CondHeadOffset::Right  ? optRight_
         : offset == CondHeadOffset::Left ? optLeft_
                                          : none)
            ->setChecked(true);
        Finish(inputs);
    }

  protected:
    DetailResult Generate() const override {
        const CondHeadOffset offset = optRight_->isChecked()  ? CondHeadOffset::Right
                                      : optLeft_->isChecked() ? CondHeadOffset::Left
                                                              : CondHeadOffset::None;
        return MakeCondHead({Typed("GuWidth"), Typed("GuDepth"), Typed("DsWidth"), Typed("DsDepth"),
                             Typed("CHNumber"), Typed("ValleyGutterNo"), offset});
    }

  private:
    QRadioButton* optRight_;
    QRadioButton* optLeft_;
};

} // namespace

NewDetailPages StartCondHead(CondHeadOffset offset, const DetailDialogContext& context) {
    dlgCondHead dialog(offset, context);
    return dialog.Run();
}

} // namespace waybill
