#pragma once

#include "platform/Units.h"

#include <QPushButton>

class QPainter;

namespace ui {

// A command button that paints its own back colour with a raised 3-D edge,
// and reports every mouse button that goes down on it: 1 left, 2 right,
// 4 middle.
class GraphicalButton : public QPushButton {
    Q_OBJECT
public:
    explicit GraphicalButton(const QString& caption, QWidget* parent);

    void setBackColor(platform::Colour colour);
    platform::Colour backColor() const { return backColor_; }

signals:
    void mouseDown(int button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintCaption(QPainter& painter, const QRect& textRect);

    platform::Colour backColor_ = platform::colours::kLightGrey;
};

}  // namespace ui
