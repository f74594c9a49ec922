#pragma once

#include <QWidget>

namespace ui {

// A frame with an etched border and its caption set into the top edge.
// Children are placed relative to the frame's top-left corner and clipped by it.
class CaptionFrame : public QWidget {
    Q_OBJECT
public:
    CaptionFrame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace ui
