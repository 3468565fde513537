#include "platform/SkinCursor.h"

#include "platform/RasterImage.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

namespace tavrin {

std::optional<QCursor> CursorFromFrame(const CursorFrame &frame)
{
    QImage image;
    if (frame.IsPng()) {
        image = QImage::fromData(frame.png.data(), int(frame.png.size()), "PNG");
        if (image.isNull() || image.width() > MaxCursorSide || image.height() > MaxCursorSide)
            return std::nullopt;
    } else {
        image = ToQImage(frame.image);
    }
    if (image.isNull())
        return std::nullopt;
    const int hotX = std::clamp(frame.hotspotX, 0, image.width() - 1);
    const int hotY = std::clamp(frame.hotspotY, 0, image.height() - 1);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

SkinCursor::SkinCursor(QObject *parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { NextStep(); });
}

void SkinCursor::SetCursor(std::optional<CursorFile> cursor)
{
    timer_.stop();
    frames_.clear();
    steps_.clear();
    step_ = 0;
    if (cursor) {
        for (const CursorFrame &frame : cursor->frames) {
            std::optional<QCursor> shown = CursorFromFrame(frame);
            if (!shown) {
                frames_.clear();
                break;
            }
            frames_.push_back(*shown);
        }
        const std::size_t steps = std::min(cursor->sequence.size(), cursor->jiffies.size());
        for (std::size_t i = 0; i < steps && !frames_.empty(); ++i) {
            const std::size_t frame = std::size_t(cursor->sequence[i]);
            if (frame >= frames_.size()) {
                frames_.clear();
                break;
            }
            steps_.push_back({frame, std::max(1, cursor->jiffies[i]) * 1000 / 60});
        }
        if (steps_.empty())
            frames_.clear();
        if (frames_.empty())
            steps_.clear();
    }
    ShowStep(0);
}

void SkinCursor::Attach(const std::vector<QWidget *> &widgets)
{
    for (QWidget *widget : widgets) {
        if (widget == nullptr)
            continue;
        const bool known = std::any_of(widgets_.begin(), widgets_.end(),
                                       [widget](const QPointer<QWidget> &w) { return w == widget; });
        if (!known)
            widgets_.emplace_back(widget);
    }
    ApplyToWidgets();
}

QCursor SkinCursor::Current() const
{
    if (steps_.empty())
        return QCursor(Qt::ArrowCursor);
    return frames_[steps_[step_].frame];
}

void SkinCursor::ShowStep(std::size_t step)
{
    step_ = step;
    ApplyToWidgets();
    if (steps_.size() > 1)
        timer_.start(steps_[step_].milliseconds);
}

void SkinCursor::NextStep()
{
    if (steps_.empty())
        return;
    ShowStep((step_ + 1) % steps_.size());
}

void SkinCursor::ApplyToWidgets()
{
    const QCursor cursor = Current();
    for (const QPointer<QWidget> &widget : widgets_) {
        if (widget)
            widget->setCursor(cursor);
    }
}

} // namespace tavrin
