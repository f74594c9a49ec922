#include "ui/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
platform::MessageBoxResult QtMessageBox::show(const QString& prompt, platform::MessageBoxButtons buttons,
                                              const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok,
                    owner_ ? owner_ : QApplication::activeWindow());
    if (buttons == platform::MessageBoxButtons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowModality(owner_ ? Qt::WindowModal : Qt::ApplicationModal);
    // Closing the box or pressing Escape answers Cancel.
    return box.exec() == QMessageBox::Ok ? platform::MessageBoxResult::Ok : platform::MessageBoxResult::Cancel;
}

}  // namespace ui
