#pragma once

// The skin's cursor (slot 1 of the cursor table) shown over a set of
// widgets. An animated cursor steps through its sequence on a timer; with
// no cursor the widgets show the default arrow.

#include "platform/CursorFile.h"

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>
#include <vector>

class QWidget;

namespace tavrin {

class SkinCursor : public QObject {
public:
    explicit SkinCursor(QObject *parent = nullptr);

    // Replaces the cursor; the widgets already showing it change at once.
    // Frames that cannot be turned into a cursor make the whole cursor
    // fall back to the default arrow.
    void SetCursor(std::optional<CursorFile> cursor);

    // The widgets get the slot's cursor from now on (cursor number 1).
    // Widgets already attached stay attached.
    void Attach(const std::vector<QWidget *> &widgets);

    // What the widgets show now.
    QCursor Current() const;
    bool HasSkinCursor() const { return !frames_.empty(); }
    std::size_t StepCount() const { return steps_.size(); }
    std::size_t CurrentStep() const { return step_; }
    bool IsAnimating() const { return timer_.isActive(); }

private:
    struct Step {
        std::size_t frame;
        int milliseconds;
    };

    void ShowStep(std::size_t step);
    void NextStep();
    void ApplyToWidgets();

    std::vector<QCursor> frames_;
    std::vector<Step> steps_;
    std::size_t step_ = 0;
    QTimer timer_;
    std::vector<QPointer<QWidget>> widgets_;
};

// The QCursor of one frame, or nothing when the frame cannot be shown.
std::optional<QCursor> CursorFromFrame(const CursorFrame &frame);

} // namespace tavrin
