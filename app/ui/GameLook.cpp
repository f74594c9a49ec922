#include "ui/GameLook.h"
#include "ui/FormFonts.h"

#include <QApplication>
#include <QProxyStyle>

namespace ui {
namespace {

class GameStyle final : public QProxyStyle {
public:
    GameStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        // Plain OK and Cancel read best in a box of one short line; theme
        // icons would also load the whole icon theme for one small box.
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        if (hint == SH_MessageBox_TextInteractionFlags)
            return Qt::NoTextInteraction;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void installGameLook()
{
    QApplication::setStyle(new GameStyle);  // the application owns its style
    installFontSubstitutions();
    // Message boxes speak Japanese too; one font for everything also keeps a
    // second font file out of memory.
    QApplication::setFont(gothic(9.75));
}

}  // namespace ui
