#pragma once

// PopulateBar's view of the window: the launcher bar list1, its picture
// list ImageList1 and the entry pictures.

#include "bar/BarBuilder.h"

#include <functional>

namespace tavrin {

class EntryIcons;
class ImageList;
class TmxButton;
class TmxOutlookBarPro;

class BarPopulationTarget : public BarBuilder {
public:
    using ButtonClick = std::function<void(TmxButton *sender)>;

    // None of the references is owned. Every button added gets
    // `buttonClick` as its OnClick.
    BarPopulationTarget(TmxOutlookBarPro &bar, const ImageList &imageList1, EntryIcons &icons,
                        ButtonClick buttonClick);

    int AddHeader(const QString &caption) override;
    int AddButton(int header, const QString &caption, const QString &hint) override;
    bool AddEntryIcon(const QString &target) override;
    void UseSmallImages(int header) override;
    void SetButtonImageIndex(int header, int button, int imageIndex) override;
    int HeaderCount() const override;
    void SetActiveHeader(int header) override;
    void SetHeaderTransparent(int header) override;

private:
    TmxOutlookBarPro &bar_;
    const ImageList &imageList1_;
    EntryIcons &icons_;
    ButtonClick buttonClick_;
};

} // namespace tavrin
