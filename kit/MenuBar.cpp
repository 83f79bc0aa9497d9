#include "MenuBar.h"

#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

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
    QWidget* bar = Widget();
    const int needed = bar->sizeHint().height() - bar->height();
    bar->setParent(Window()->Widget());
    bar->move(0, 0);
    bar->show();
    bar->raise();
    if (needed > 0) {
        Window()->MakeRoomAtTop(needed, this);
        bar->resize(bar->width(), bar->height() + needed);
    }
    // F10 opens the first menu, as it does across the desktop.
    auto* menus = static_cast<QMenuBar*>(bar);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), Window()->Widget());
    QObject::connect(f10, &QShortcut::activated, menus, [menus] {
        if (!menus->actions().isEmpty())
            menus->setActiveAction(menus->actions().first());
    });
}
