#pragma once

#include "platform/Units.h"

#include <QPushButton>

class QPainter;

namespace ui {

// A command button that paints its own back colour, the palette's button
// colour, with a raised 3-D edge.
class GraphicalButton : public QPushButton {
    Q_OBJECT
public:
    explicit GraphicalButton(const QString& caption, QWidget* parent);

    void setBackColor(platform::Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCaption(QPainter& painter, const QRect& textRect);
};

}  // namespace ui
