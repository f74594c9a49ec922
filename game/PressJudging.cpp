// Judging a press on a target, the gauge marker, and the life meter.
#include "game/Form1.h"
#include "platform/Conversions.h"

#include <algorithm>
#include <limits>

namespace game {

using platform::kTrue;

namespace {

constexpr int kMarkerStep = 170;  // twips per gauge point

const QString kScoredCaption = QStringLiteral("OK");
const QString kMissedCaption = QStringLiteral("miss");

}  // namespace

void Form1::Command3_MouseDown(int index, Qt::MouseButton button)
{
    CommandButton& target = Command3.at(static_cast<std::size_t>(index));
    // Hidden or disabled targets take no presses; the middle button does nothing at all.
    if (!target.Visible || !target.Enabled || (button != Qt::LeftButton && button != Qt::RightButton))
        return;

    if (inHitZone(target)) {
        const std::size_t colourIndex = button == Qt::LeftButton ? 0 : 1;
        const bool rightColour = target.BackColor == platform::leadingNumber(colourCodes.at(colourIndex));
        if (target.Caption.isEmpty() && rightColour) {
            // The gauge holds at its top rather than overflow in an endless game.
            if (gauge < std::numeric_limits<platform::Integer>::max())
                gauge = platform::addChecked(gauge, 1);
            target.BackColor = platform::colours::kWhite;
            target.Caption = kScoredCaption;
        } else {
            const platform::Integer lowered = platform::subtractChecked(gauge, 1);
            const platform::Integer missed = platform::addChecked(missCount, 1);
            gauge = lowered;
            missCount = missed;
            target.Enabled = false;
            MissMiss(kTrue, static_cast<platform::Integer>(index));
        }
        moveMarkerToGauge();
    }
    if (gauge == kGameOverGauge)
        GameOver();
}

QString Form1::lifeMeter(platform::Integer missCount)
{
    const int livesLeft = std::clamp<int>(kLives - missCount, 0, kLives);
    return QString(livesLeft, QChar(0x25A0));
}

bool Form1::inHitZone(const CommandButton& target)
{
    return target.Top > kUpperHitLine - kTargetHeight && target.Top < kLowerHitLine;
}

void Form1::MissMiss(platform::Integer sortmiss, platform::Integer index)
{
    Label5.Caption = lifeMeter(missCount);
    if (sortmiss == kTrue) {
        CommandButton& target = Command3.at(static_cast<std::size_t>(index));
        target.Caption = kMissedCaption;
        target.BackColor = platform::colours::kLightGrey;
    }
    if (missCount == kLives)
        GameOver();
}

// The marker climbs 170 twips per gauge point from its rest; a full gauge shows
// at rest since the level-up is due. Worked out wide and held to what a
// position can hold, so no gauge can overflow it.
void Form1::moveMarkerToGauge()
{
    if (gauge == kLevelUpGauge) {
        Shape1.Top = kMarkerRestTop;
        return;
    }
    const long top = static_cast<long>(kMarkerRestTop) - long{kMarkerStep} * gauge;
    Shape1.Top = static_cast<platform::Twips>(std::clamp<long>(top, std::numeric_limits<platform::Integer>::min(),
                                                               std::numeric_limits<platform::Integer>::max()));
}

}  // namespace game
