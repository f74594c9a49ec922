#include "highscores/Form2Window.h"

#include "highscores/HighScoreFormat.h"
#include "ui/FormControls.h"
#include "ui/FormFonts.h"
#include "ui/FormGeometry.h"
#include "ui/GraphicalButton.h"
#include "ui/WindowFront.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QValidator>

namespace highscores {

using platform::kTwipsPerPixel;
using ui::addLabel;
using ui::gothic;
namespace colours = platform::colours;

namespace {

// Lets into the name box what hs.hsd can keep exactly of what is typed,
// pasted or committed by an input method. A character it cannot keep (a line
// end or another control character, a double quote, a character outside the
// code page) is dropped on its own, and the rest goes in.
class NameFilter final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        // The cursor stays after what was kept of the text before it.
        pos = static_cast<int>(storableName(input.left(pos)).size());
        input = storableName(input);
        return Acceptable;
    }
};

}  // namespace

Form2Window::Form2Window(Module1& table, MainWindowLink& mainWindow, std::uint8_t level, std::uint8_t rank)
    : messageBox_(*this), entry_(table, mainWindow, messageBox_, level, rank)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Form2"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(gothic(9));
    ui::paintBackground(*this, colours::kPaleCyan);
    setFixedSize(ui::twipsRect(0, 0, 4680, 2775).size());

    buildControls();
    Form_Load();
}

void Form2Window::buildControls()
{
    // Created back to front: the picture, the name box and OK lie above the
    // labels where they overlap.
    addLabel(this, QStringLiteral("Label1"), QStringLiteral("ハイスコアに入ったYo!"), {60, 120, 4575, 720},
             {gothic(24), colours::kRed});
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("位"), {2550, 1125, 1155, 1065},
             {gothic(48, false, true), colours::kOrange});
    addLabel(this, QStringLiteral("Label3"), QStringLiteral("Name:"), {195, 2160, 870, 450}, {gothic(15.75, true)});

    Text1 = new QLineEdit(QStringLiteral("名無しさん"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    ui::placeInTwips(*Text1, 1110, 2085, 2805, 540);
    Text1->setFont(gothic(20.25));
    Text1->setValidator(new NameFilter(Text1));

    Command1 = new ui::GraphicalButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::placeInTwips(*Command1, 3975, 2040, 660, 615);
    Command1->setBackColor(colours::kPaleCyan);
    // With the keyboard on OK, Enter presses it as Space does.
    Command1->setAutoDefault(true);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    ui::placeInTwips(*Picture1, 1230, 630, 1410, 1380);
    // The picture is shown from its top-left corner and cut at the box's edge.
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    setTabOrder(Text1, Command1);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Text1, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    connect(Text1, &QLineEdit::textEdited, this, [this] { nameEdited_ = true; });
}

void Form2Window::bringForward()
{
    ui::bringForward(*this);
    nameEdited_ = false;
    Text1->selectAll();
    Text1->setFocus();
}

void Form2Window::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Coming forward together with the main window, this window may lose the
    // keyboard to it for a moment, and the name box then drops its
    // selection. Until the player edits the name, it is selected again
    // whenever the window has the keyboard back.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !nameEdited_)
        Text1->selectAll();
}

void Form2Window::Form_Load()
{
    centreOnScreen();
    Picture1->setPixmap(ui::artwork(QStringLiteral(":/assets/rank%1.png").arg(entry_.shownRank())));
}

// Centres the window's outer frame, title bar included, on its screen.
void Form2Window::centreOnScreen()
{
    const QRect screenArea = screen()->geometry();
    const QSize outer = frameGeometry().size();
    const int left = ui::centredTwips(screenArea.width() * kTwipsPerPixel, outer.width() * kTwipsPerPixel);
    const int top = ui::centredTwips(screenArea.height() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
    move(screenArea.topLeft() + QPoint(platform::twipsToPixels(left), platform::twipsToPixels(top)));
}

void Form2Window::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // A window manager frames the window only once it is on screen, so the
    // load step could centre no more than the bare window. The first move
    // that comes with a frame centres it again, once: after that the window
    // stays wherever the player drags it.
    if (!centredWithFrame_ && frameGeometry().size() != size()) {
        centredWithFrame_ = true;
        centreOnScreen();
    }
}

void Form2Window::Command1_Click()
{
    if (entry_.Command1_Click(Text1->text()))
        close();
}

void Form2Window::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

}  // namespace highscores
