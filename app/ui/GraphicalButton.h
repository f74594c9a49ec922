#pragma once

#include "platform/Units.h"

#include <QPushButton>

class QPainter;

namespace ui {

// A command button that paints its own back colour with a raised 3-D edge.
class GraphicalButton : public QPushButton {
    Q_OBJECT
public:
    explicit GraphicalButton(const QString& caption, QWidget* parent);

    void setBackColor(platform::Colour colour);
    platform::Colour backColor() const { return backColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCaption(QPainter& painter, const QRect& textRect);

    platform::Colour backColor_ = platform::colours::kLightGrey;
};

}  // namespace ui
