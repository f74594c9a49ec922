#include "ui/QtMessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace ui {
namespace {

// A window manager's title bar holds the window's icon and up to three
// buttons beside the title, each about two lines of text square.
constexpr int kTitleBarRoomInLines = 8;

// Widens a box whose text and buttons are narrower than its title needs,
// before it is shown, so that it still opens centred.
void makeRoomForTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const QFontMetrics metrics(box.font());
    const int width = metrics.horizontalAdvance(box.windowTitle()) + kTitleBarRoomInLines * metrics.height();
    // The layout owns the item; it takes no height of its own.
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), 0, 0, 1, grid->columnCount());
}

}  // namespace

platform::MessageBoxResult QtMessageBox::show(const QString& prompt, platform::MessageBoxButtons buttons,
                                              const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok,
                    owner_ ? owner_ : QApplication::activeWindow());
    if (buttons == platform::MessageBoxButtons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowModality(owner_ ? Qt::WindowModal : Qt::ApplicationModal);
    makeRoomForTitle(box);
    // Closing the box or pressing Escape answers Cancel.
    return box.exec() == QMessageBox::Ok ? platform::MessageBoxResult::Ok : platform::MessageBoxResult::Cancel;
}

}  // namespace ui
