#include "ui/QtMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kPrompt = QStringLiteral("ハイスコアをクリアしますか?");

// What the box showed while it was up, and how the key answered it.
struct AnsweredBox {
    int buttons = 0;
    QString defaultButton;
    bool promptSelectable = true;
    platform::MessageBoxResult answer{};
};

AnsweredBox answerWithKey(Qt::Key key)
{
    AnsweredBox seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (const QPushButton* button : box->findChildren<QPushButton*>()) {
            ++seen.buttons;
            if (button->isDefault())
                seen.defaultButton = button->text();
        }
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text() == kPrompt)
                seen.promptSelectable = label->textInteractionFlags() != Qt::NoTextInteraction;
        }
        QTest::keyClick(box, key);
    });
    ui::QtMessageBox messageBox;
    seen.answer = messageBox.show(kPrompt, platform::MessageBoxButtons::OkCancel, QStringLiteral("確認"));
    return seen;
}

// The prompt is not text to select; OK is the default and Enter takes it,
// Escape answers Cancel.
TEST(MessageBox, FixedPromptOkByDefaultEscapeCancels)
{
    const AnsweredBox escaped = answerWithKey(Qt::Key_Escape);
    EXPECT_EQ(escaped.buttons, 2);
    EXPECT_EQ(escaped.defaultButton, QStringLiteral("OK"));
    EXPECT_FALSE(escaped.promptSelectable);
    EXPECT_EQ(escaped.answer, platform::MessageBoxResult::Cancel);

    EXPECT_EQ(answerWithKey(Qt::Key_Return).answer, platform::MessageBoxResult::Ok);
}

}  // namespace
