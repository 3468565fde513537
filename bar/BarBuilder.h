#pragma once
#include <QString>
namespace tavrin {
// What PopulateBar needs from the launcher bar and its picture list.
class BarBuilder {
public:
    virtual ~BarBuilder() = default;
    virtual int AddHeader(const QString &caption) = 0;                        // returns the new header's index
    virtual int AddButton(int header, const QString &caption, const QString &hint) = 0; // returns the new button's index in that header; its click goes to the window's _button_click
    virtual bool AddEntryIcon(const QString &target) = 0;                     // appends the entry's picture to ImageList1; true when one was appended
    virtual void UseSmallImages(int header) = 0;                              // header uses ImageList1 as its small-picture list
    virtual void SetButtonImageIndex(int header, int button, int imageIndex) = 0;
    virtual int HeaderCount() const = 0;
    virtual void SetActiveHeader(int header) = 0;                              // -1: none
    virtual void SetHeaderTransparent(int header) = 0;
};
}
