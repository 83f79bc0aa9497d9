#include "MenuBar.h"

#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>

#include <algorithm>

#include "Window.h"

namespace {

class PlainTitles : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* data) const override
    {
        if (hint == SH_UnderlineShortcut)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// The height the bar needs for a title in its own font, margins included.
// Qt sizes a title by the line height of every font that draws it, and a
// fallback font for a script with more room above and below its letters
// (Noto CJK for Japanese and Chinese) would make the window grow for no more
// than that room; the letters fit in the height the bar's font needs.
int TitleHeight(const QMenuBar* bar)
{
    const QStyle* style = bar->style();
    QStyleOptionMenuItem title;
    title.initFrom(bar);
    title.menuItemType = QStyleOptionMenuItem::Normal;
    const QSize text = bar->fontMetrics().size(Qt::TextShowMnemonic, QStringLiteral("M"));
    const int frame = style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar)
        + style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, bar);
    return style->sizeFromContents(QStyle::CT_MenuBarItem, &title, text, bar).height() + 2 * frame;
}

} // namespace

BMenuBar::BMenuBar(BRect frame, const char* name, uint32, menu_layout, bool)
    : BView(frame, name, new QMenuBar)
{
    auto* style = new PlainTitles;
    style->setParent(Widget());
    Widget()->setStyle(style);
    // Keep the bar inside the window even where the desktop offers a global menu.
    static_cast<QMenuBar*>(Widget())->setNativeMenuBar(false);
}

BMenuBar::~BMenuBar() = default;

// Alt with a menu's first letter opens it, as desktop users expect; the
// letter is not underlined, so the bar looks as it always has. A title in a
// script without such letters names its key after an ampersand, as in
// "ファイル(&F)".
bool BMenuBar::AddItem(BMenu* menu)
{
    fMenus.emplace_back(menu);
    menu->fBar = this;
    const QString title = menu->Menu()->title();
    if (!title.contains(QLatin1Char('&')))
        menu->Menu()->setTitle(QLatin1Char('&') + title);
    static_cast<QMenuBar*>(Widget())->addMenu(menu->Menu());
    return true;
}

// The bar lies over the top of the window whatever view holds it, so that the
// window can make room for it above everything else.
void BMenuBar::AttachedToWindow()
{
    auto* bar = static_cast<QMenuBar*>(Widget());
    const int room = TitleHeight(bar) - bar->height();
    bar->setParent(Window()->Widget());
    bar->move(0, 0);
    bar->show();
    bar->raise();
    if (room > 0)
        Window()->MakeRoomAtTop(room, this);
    // Beyond the room its font needs, the bar takes a few rows more of the
    // view below, which Qt needs to show titles in a taller fallback font.
    bar->resize(
        bar->width(), std::max(bar->height() + std::max(room, 0), bar->sizeHint().height()));
    // F10 opens the first menu, as it does across the desktop.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), Window()->Widget());
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().first());
    });
}
