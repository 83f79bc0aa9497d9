// The game in each language it ships, and in a made-up one that makes every
// text about 40 % longer and accents its letters: every text the player sees
// or hears comes from the catalogue, and each shows whole where it is shown.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <Catalog.h>
#include <MenuBar.h>

#include "fakerand.h"
#include "gui_support.h"
#include "tavview.h"
#include "tavwindow.h"

namespace {

std::vector<std::string> ShippedLanguages()
{
    std::vector<std::string> languages;
    std::istringstream list(TAVRIN_LANGUAGES);
    for (std::string language; std::getline(list, language, ',');)
        languages.push_back(language);
    return languages;
}

// One language's catalogue in force while this lives, and the direction its
// script runs in, as the application sets them at start-up.
class InLanguage {
public:
    explicit InLanguage(const std::string& language)
        : fCatalog("tavrin", {TAVRIN_LOCALE_DIR}, {language})
        , fBefore(be_catalog)
    {
        be_catalog = &fCatalog;
        if (fCatalog.IsRightToLeft())
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }
    ~InLanguage()
    {
        be_catalog = fBefore;
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }
    const BCatalog& Catalog() const { return fCatalog; }

private:
    BCatalog fCatalog;
    const BCatalog* fBefore;
};

// The game's window as the application opens it, in focus.
struct GameWindow {
    tavwindow* window = new tavwindow(kWindowFrame);
    tavview* view = window->boardView;

    GameWindow()
    {
        fakerand::Reset(5);
        window->Show();
        WidgetOf(window)->activateWindow();
        view->MakeFocus(true);
        ProcessEvents();
    }
    ~GameWindow() { delete window; }

    QMenuBar* Bar() const { return static_cast<QMenuBar*>(WidgetOf(window->menuBar)); }
    void Press(Qt::Key key) const { PressKey(view, key); }
};

// Every text the menus show, titles first.
std::vector<std::string> MenuTexts(QMenuBar* bar)
{
    std::vector<std::string> texts;
    for (QAction* title : bar->actions()) {
        texts.push_back(title->text().toStdString());
        for (QAction* item : title->menu()->actions()) {
            if (!item->isSeparator())
                texts.push_back(item->text().toStdString());
        }
    }
    return texts;
}

// Opens the about box from its menu item, checks that it has grown to show
// all its text (as it does for a large font), and closes it; gives the texts
// it showed.
std::vector<std::string> AboutTexts(const GameWindow& game, const std::string& language)
{
    std::vector<std::string> texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue; // the icon
            texts.push_back(label->text().toStdString());
            const int needed = label->hasHeightForWidth() ? label->heightForWidth(label->width())
                                                          : label->sizeHint().height();
            EXPECT_GE(label->height(), needed) << language;
        }
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            texts.push_back(button->text().toStdString());
            EXPECT_GE(button->width(), button->sizeHint().width()) << language;
        }
        dialog->reject();
    });
    poll.start(0);
    ChooseMenuItem(game.window, "Ctrl+A");
    poll.stop();
    EXPECT_FALSE(texts.empty()) << language << ": no about box";
    return texts;
}

// The menu titles show whole in the bar (in the bar's far corner for a
// script written from the right), each menu is no wider than the window,
// and either result lies between the two score fields.
void ExpectFits(const GameWindow& game, const std::string& language)
{
    QMenuBar* bar = game.Bar();
    for (QAction* title : bar->actions()) {
        const QRect at = bar->actionGeometry(title);
        EXPECT_TRUE(!at.isEmpty() && bar->rect().contains(at))
            << language << ": " << title->text().toStdString();
        EXPECT_LE(title->menu()->sizeHint().width(), bar->width()) << language;
    }
    // A script's taller fallback font (Noto CJK) takes a few rows of the
    // board view's top, never more room in the window.
    EXPECT_EQ(WidgetOf(game.window)->size(), QSize(581, 341)) << language;
    const QRect first = bar->actionGeometry(bar->actions().first());
    EXPECT_EQ(first.center().x() > bar->width() / 2, be_catalog->IsRightToLeft()) << language;

    game.view->SetFontSize(kTextSize);
    for (const char* result : {"You Win", "You Lose"}) {
        const float width = game.view->StringWidth(B_TRANSLATE(result));
        EXPECT_GT(kResultSpot.x - width / 2, ScoreFrame(Board::Player).right) << language;
        EXPECT_LT(kResultSpot.x + width / 2, ScoreFrame(Board::Computer).left) << language;
    }
}

TEST(Languages, EveryShippedLanguageLoadsAndFits)
{
    for (const std::string& language : ShippedLanguages()) {
        InLanguage in(language);
        ASSERT_EQ(in.Catalog().Language(), language) << "no catalogue";
        EXPECT_STRNE(B_TRANSLATE("New Game"), "New Game") << language;
        GameWindow game;
        ExpectFits(game, language);
        AboutTexts(game, language);
    }
}

// Whether a text is in the made-up language: no plain letter outside the
// game's name, which is never translated.
bool IsPseudo(std::string text)
{
    for (size_t at; (at = text.find("Tavrin")) != std::string::npos;)
        text.erase(at, 6);
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            return false;
    }
    return true;
}

// Everything readers can read of the board: the cells in their table, the
// other items and the words of the latest announcement.
void AddTexts(QAccessibleInterface* item, std::vector<std::string>& texts)
{
    for (int i = 0; i < item->childCount(); i++)
        AddTexts(item->child(i), texts);
    if (item->childCount() == 0) {
        texts.push_back(item->text(QAccessible::Name).toStdString());
        texts.push_back(item->text(QAccessible::Description).toStdString());
    }
}

std::vector<std::string> HeardTexts(tavview* view)
{
    std::vector<std::string> texts;
    AddTexts(QAccessible::queryAccessibleInterface(WidgetOf(view)), texts);
    return texts;
}

// A whole game by keys, column by column from the left, with a visit to
// the computer's board, a step against an edge, a taken cell and a key after
// the end, so that every kind of sentence is heard.
std::set<std::string> PlayWholeGame(const GameWindow& game)
{
    std::set<std::string> heard;
    auto press = [&](Qt::Key key) {
        game.Press(key);
        for (const std::string& text : HeardTexts(game.view))
            heard.insert(text);
    };
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    press(Qt::Key_Backtab);
    // Presses the key until the cursor stays, placing the tile on every
    // free cell on the way.
    auto walk = [&](Qt::Key key, bool place) {
        for (int cell = -1; cell != game.view->cursorCell;) {
            cell = game.view->cursorCell;
            if (place && game.view->playerBoard[cell] == 0) {
                press(Qt::Key_Return);
                press(Qt::Key_Return);
                press(Qt::Key_Return); // now taken
            }
            press(key);
        }
    };
    walk(Qt::Key_Left, false);
    for (int column = 0; column < 5; column++) {
        walk(Qt::Key_Up, false);
        press(Qt::Key_L);
        press(Qt::Key_S);
        walk(Qt::Key_Down, true);
        press(Qt::Key_Right);
    }
    EXPECT_TRUE(game.view->IsGameOver());
    press(Qt::Key_Return);
    return heard;
}

TEST(Languages, AMadeUpLanguageReachesEveryTextAndFits)
{
    InLanguage in("qaa");
    ASSERT_EQ(in.Catalog().Language(), "qaa");
    GameWindow game;
    ExpectFits(game, "qaa");
    std::vector<std::string> shown = MenuTexts(game.Bar());
    for (const std::string& text : AboutTexts(game, "qaa"))
        shown.push_back(text);
    for (const std::string& text : shown)
        EXPECT_TRUE(IsPseudo(text)) << "not translated: " << text;

    const std::set<std::string> heard = PlayWholeGame(game);
    EXPECT_GT(heard.size(), 100u);
    for (const std::string& text : heard)
        EXPECT_TRUE(IsPseudo(text)) << "not translated: " << text;
    for (const char* sentence : {"[Ñö çéĺĺ", "[Ţĥé ĝáɱé íš öṽéŕ", "[Ţĥíš íš ţĥé çöɱþûţéŕ'š ƀöáŕð",
             "[Ţĥíš çéĺĺ íš ţáķéñ", "[Ƒíñáĺ šçöŕéš: [ýöû"}) {
        bool found = false;
        for (const std::string& text : heard)
            found |= text.find(sentence) != std::string::npos;
        EXPECT_TRUE(found) << "never heard: " << sentence;
    }
    // What L and S say, up to their first number.
    for (const char* said : {B_TRANSLATE("Rising"), B_TRANSLATE("here"),
             B_TRANSLATE("Turn %turn% of 19. Tile to place: %tile%. Scores: %scores%.")}) {
        const std::string start = std::string(said).substr(0, std::string(said).find('%'));
        bool found = false;
        for (const std::string& text : heard)
            found |= text.find(start) != std::string::npos;
        EXPECT_TRUE(found) << "never heard: " << start;
    }
}

} // namespace
