#include "game/Form1Window.h"

#include "ui/CaptionFrame.h"
#include "ui/FormControls.h"
#include "ui/FormFonts.h"
#include "ui/FormGeometry.h"
#include "ui/GraphicalButton.h"
#include "ui/TargetButton.h"
#include "ui/WindowFront.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace game {

using platform::Twips;
using ui::addLabel;
using ui::gothic;
using ui::LabelLook;
using ui::paintBackground;
using ui::setForeColor;
using ui::TwipsBox;
namespace colours = platform::colours;

namespace {

// The gauge marker is a white mark of this size, whatever the gauge.
constexpr Twips kMarkerWidth = 495;
constexpr Twips kMarkerHeight = 150;

}  // namespace

Form1Window::SyncingMessageBox::SyncingMessageBox(Form1Window& window, platform::MessageBoxService& inner)
    : window_(window), inner_(inner)
{
}

platform::MessageBoxResult Form1Window::SyncingMessageBox::show(const QString& prompt,
                                                                platform::MessageBoxButtons buttons,
                                                                const QString& title)
{
    window_.showState();
    return inner_.show(prompt, buttons, title);
}

Form1Window::Form1Window(Form1Services services)
    : messageBox_(*this, services.messageBox),
      form_({messageBox_, services.random, services.highScores, std::move(services.showNameEntry)}),
      Timer1(Form1::kTick, this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zentap3"));
    setWindowIcon(ui::gameIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(gothic(9.75));
    paintBackground(*this, colours::kPaleCyan);
    // The layout is made for this client size; it neither grows nor shrinks.
    setGeometry(ui::twipsRect(3660, 2190, 5370, 3870));
    setFixedSize(size());

    Timer1.setObjectName(QStringLiteral("Timer1"));
    buildControls();
    connectHandlers();
}

void Form1Window::buildControls()
{
    // Created back to front: later siblings are drawn over earlier ones.
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("Life:"), {2865, 2415, 660, 405}, {gothic(18)});
    ui::addPicture(this, QStringLiteral("Image1"), QStringLiteral(":/assets/level.png"), 240, -105);
    Label4 = addLabel(this, QStringLiteral("Label4"), form_.Label4.Caption, {30, 300, 1830, 870},
                      {gothic(48, true), colours::kBlue, Qt::AlignHCenter | Qt::AlignTop});
    Label5 = addLabel(this, QStringLiteral("Label5"), form_.Label5.Caption, {3525, 2430, 1650, 360}, {gothic(15.75)});
    buildGauge();
    buildPlayField();
    buildHighScoreBox();

    Command2 = new ui::GraphicalButton(form_.Command2.Caption, this);
    Command2->setObjectName(QStringLiteral("Command2"));
    ui::placeInTwips(*Command2, 2955, 2910, 2355, 945);
    Command2->setFont(gothic(27.75, true));
    Command2->setBackColor(form_.Command2.BackColor);

    Command1 = new QPushButton(form_.Command1.Caption, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::placeInTwips(*Command1, 3090, 1950, 2070, 465);
    Command1->setFont(gothic(9));

    // The mouse does everything here. A button with the keyboard focus would
    // take Space or Enter as a click, and a stray key could clear the table or
    // end a game; a target or Start! that is disabled would hand its focus on
    // to the next button.
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::NoFocus);
    showState();
}

void Form1Window::buildGauge()
{
    ui::addPicture(this, QStringLiteral("Image2(0)"), QStringLiteral(":/assets/gauge.png"), 600, 1410);

    Shape1 = new QLabel(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    paintBackground(*Shape1, colours::kWhite);
    setForeColor(*Shape1, colours::kBlack);

    const QFont legend = gothic(9.75, true);
    addLabel(this, QStringLiteral("Label1(0)"), QStringLiteral("NextLevel"), {390, 1365, 1035, 195},
             {legend, colours::kBlue, Qt::AlignLeft | Qt::AlignTop, true});
    addLabel(this, QStringLiteral("Label1(1)"), QStringLiteral("GameOver"), {345, 3630, 1035, 195},
             {legend, colours::kBlue, Qt::AlignLeft | Qt::AlignTop, true});
    addLabel(this, QStringLiteral("Label1(2)"), QStringLiteral("-0"), {1065, 3105, 495, 195},
             {legend, colours::kPaleBlue, Qt::AlignLeft | Qt::AlignTop, true});
    addLabel(this, QStringLiteral("Label1(3)"), QStringLiteral("-5"), {1035, 2250, 495, 195},
             {legend, colours::kMidBlue, Qt::AlignLeft | Qt::AlignTop, true});
}

void Form1Window::buildPlayField()
{
    Frame1 = new QWidget(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::placeInTwips(*Frame1, 1800, 0, 1050, form_.Frame1.Height);
    paintBackground(*Frame1, colours::kWhite);

    // The hit zone's two yellow lines, 3 pixels wide, centred on their y.
    for (int i = 0; i < 2; ++i) {
        const Twips y = i == 0 ? Form1::kUpperHitLine : Form1::kLowerHitLine;
        auto* line = new QWidget(Frame1);
        line->setObjectName(QStringLiteral("Line1(%1)").arg(i));
        line->setGeometry(0, platform::twipsToPixels(y) - 1, platform::twipsToPixels(1080), 3);
        paintBackground(*line, colours::kYellow);
    }

    for (int i = 0; i < 2; ++i) {
        auto* target = new ui::TargetButton(Frame1);
        target->setObjectName(QStringLiteral("Command3(%1)").arg(i));
        target->setFont(ui::formFont(ui::westernSans(), 9.75));
        Command3[static_cast<std::size_t>(i)] = target;
    }
}

void Form1Window::buildHighScoreBox()
{
    auto* frame2 = new ui::CaptionFrame(QStringLiteral("HighScore"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    ui::placeInTwips(*frame2, 3015, 180, 2310, 1665);
    frame2->setFont(gothic(18, true));
    paintBackground(*frame2, colours::kPaleCyan);
    setForeColor(*frame2, colours::kTeal);

    const TwipsBox boxes[6] = {{60, 435, 1770, 405},  {60, 840, 1770, 405},  {60, 1245, 1770, 405},
                               {1800, 435, 420, 345}, {1710, 780, 510, 345}, {1710, 1125, 510, 345}};
    for (int i = 0; i < 6; ++i) {
        const bool isLevel = i >= 3;
        const LabelLook look = isLevel ? LabelLook{gothic(15.75, true), colours::kBlack, Qt::AlignRight | Qt::AlignTop}
                                       : LabelLook{gothic(9.75)};
        Label3[static_cast<std::size_t>(i)] =
            addLabel(frame2, QStringLiteral("Label3(%1)").arg(i), form_.Label3[static_cast<std::size_t>(i)].Caption,
                     boxes[i], look);
    }

    Command4 = new ui::GraphicalButton(form_.Command4.Caption, frame2);
    Command4->setObjectName(QStringLiteral("Command4"));
    ui::placeInTwips(*Command4, 675, 1410, 1575, 210);
    Command4->setFont(gothic(8.25));
}

void Form1Window::connectHandlers()
{
    connect(Command2, &QPushButton::clicked, this, [this] { run([this] { form_.Command2_Click(); }); });
    connect(Command1, &QPushButton::clicked, this, [this] { run([this] { form_.Command1_Click(); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { run([this] { form_.Command4_Click(); }); });
    connect(&Timer1, &platform::PacedTimer::tick, this, [this] { run([this] { form_.Timer1_Timer(); }); });
    for (std::size_t i = 0; i < Command3.size(); ++i) {
        connect(Command3[i], &ui::TargetButton::mouseDown, this, [this, i](Qt::MouseButton button) {
            run([this, i, button] { form_.Command3_MouseDown(static_cast<int>(i), button); });
        });
    }
}

void Form1Window::load()
{
    run([this] { form_.Form_Load(); });
}

void Form1Window::Show()
{
    ui::bringForward(*this);
}

void Form1Window::setLabel3Caption(int index, const QString& caption)
{
    run([this, index, &caption] { form_.setLabel3Caption(index, caption); });
}

void Form1Window::closeEvent(QCloseEvent* event)
{
    run([this] { form_.Form_Unload(); });
    event->accept();
}

void Form1Window::keyPressEvent(QKeyEvent* event)
{
    run([this, event] { form_.Form_KeyDown(event->key(), static_cast<int>(event->modifiers())); });
}

template <typename Handler>
void Form1Window::run(Handler&& handler)
{
    handler();
    showState();
}

void Form1Window::showState()
{
    for (std::size_t i = 0; i < Command3.size(); ++i) {
        const CommandButton& state = form_.Command3[i];
        ui::TargetButton& target = *Command3[i];
        target.setGeometry(ui::twipsRect(state.Left, state.Top, Form1::kTargetWidth, Form1::kTargetHeight));
        target.setText(state.Caption);
        target.setBackColor(state.BackColor);
        target.setEnabled(state.Enabled);
        target.setVisible(state.Visible);
    }
    Label4->setText(form_.Label4.Caption);
    Label5->setText(form_.Label5.Caption);
    Shape1->setGeometry(ui::twipsRect(form_.Shape1.Left, form_.Shape1.Top, kMarkerWidth, kMarkerHeight));
    Command2->setEnabled(form_.Command2.Enabled);
    Command1->setEnabled(form_.Command1.Enabled);
    Command4->setEnabled(form_.Command4.Enabled);
    for (std::size_t i = 0; i < Label3.size(); ++i)
        Label3[i]->setText(form_.Label3[i].Caption);

    if (form_.Timer1.Enabled && !Timer1.isActive())
        Timer1.start();
    else if (!form_.Timer1.Enabled && Timer1.isActive())
        Timer1.stop();
}

}  // namespace game
