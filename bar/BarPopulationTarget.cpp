#include "bar/BarPopulationTarget.h"

#include "bar/EntryIcons.h"
#include "bar/OutlookBar.h"

namespace tavrin {

BarPopulationTarget::BarPopulationTarget(TmxOutlookBarPro &bar, const ImageList &imageList1, EntryIcons &icons,
                                         ButtonClick buttonClick)
    : bar_(bar), imageList1_(imageList1), icons_(icons), buttonClick_(std::move(buttonClick))
{
}

int BarPopulationTarget::AddHeader(const QString &caption)
{
    bar_.AddHeader().Caption = caption;
    return bar_.HeaderCount() - 1;
}

int BarPopulationTarget::AddButton(int header, const QString &caption, const QString &hint)
{
    TmxHeader &owner = bar_.Header(header);
    TmxButton &button = owner.AddButton();
    button.Caption = caption;
    button.Hint = hint;
    button.OnClick = buttonClick_;
    return owner.ButtonCount() - 1;
}

bool BarPopulationTarget::AddEntryIcon(const QString &target)
{
    return icons_.AddEntryIcon(target);
}

void BarPopulationTarget::UseSmallImages(int header)
{
    bar_.Header(header).SmallImages = &imageList1_;
    bar_.update();
}

void BarPopulationTarget::SetButtonImageIndex(int header, int button, int imageIndex)
{
    bar_.Header(header).Button(button).ImageIndex = imageIndex;
    bar_.update();
}

int BarPopulationTarget::HeaderCount() const
{
    return bar_.HeaderCount();
}

void BarPopulationTarget::SetActiveHeader(int header)
{
    bar_.SetActiveHeader(header);
}

void BarPopulationTarget::SetHeaderTransparent(int header)
{
    bar_.Header(header).BackgroundStyle = TmxBackgroundStyle::btTransparent;
    bar_.update();
}

} // namespace tavrin
