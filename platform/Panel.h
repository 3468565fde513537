#pragma once

// TPanel: a plain container filled with one colour, without bevel or
// caption. Its children are placed by the window that owns it.

#include "platform/TColor.h"

#include <QWidget>

namespace tavrin {

class TPanel : public QWidget {
    Q_OBJECT

public:
    // Starts with the colour of button faces, as the window's own colour.
    explicit TPanel(QWidget *parent = nullptr);

    void SetColor(TColor color);
    TColor Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_color = clBtnFace;
};

} // namespace tavrin
