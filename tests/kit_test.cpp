// The kit's promises that the game relies on: inclusive rectangles, pixel
// centres, drawing state, drawing modes, text placement, menus, alerts,
// locking and quitting.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QRegion>
#include <QTimer>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <Alert.h>
#include <AppDefs.h>
#include <Application.h>
#include <Catalog.h>
#include <Menu.h>
#include <MenuBar.h>
#include <MenuItem.h>
#include <Message.h>
#include <TextView.h>
#include <Window.h>

#include "FontFace.h"
#include "gui_support.h"

namespace {

constexpr rgb_color kWhite = {255, 255, 255, 255};
constexpr rgb_color kBlack = {0, 0, 0, 255};
constexpr rgb_color kRed = {255, 0, 0, 255};

// A window that records what reaches its hooks.
class ProbeWindow : public BWindow {
public:
    explicit ProbeWindow(bool* deleted = nullptr)
        : BWindow(BRect(10, 10, 209, 109), "probe", B_TITLED_WINDOW, B_NOT_RESIZABLE)
        , fDeleted(deleted)
    {
    }
    ~ProbeWindow() override
    {
        if (fDeleted)
            *fDeleted = true;
    }
    // Takes the lock again inside the dispatch that holds it, as the game's
    // window does.
    void MessageReceived(BMessage* message) override
    {
        Lock();
        codes.push_back(message->what);
        Unlock();
    }
    bool QuitRequested() override
    {
        quitRequests++;
        if (agree)
            be_app->PostMessage(B_QUIT_REQUESTED);
        return agree;
    }

    std::vector<uint32> codes;
    int quitRequests = 0;
    bool agree = true;

private:
    bool* fDeleted;
};

// A view that starts white and counts the calls of its Draw hook.
class CanvasView : public BView {
public:
    CanvasView()
        : BView(BRect(0, 0, 199, 99), "canvas", B_FOLLOW_ALL_SIDES, B_WILL_DRAW)
    {
    }
    void Draw(BRect) override
    {
        draws++;
        SetHighColor(kWhite);
        FillRect(Bounds());
    }
    void MouseDown(BPoint where) override { presses.push_back(where); }

    int draws = 0;
    std::vector<BPoint> presses;
};

struct Canvas {
    ProbeWindow* window = new ProbeWindow;
    CanvasView* view = new CanvasView;
    Canvas() { window->AddChild(view); }
    ~Canvas() { delete window; }
};

TEST(KitGeometry, RectanglesIncludeBothEdges)
{
    BRect rect(0, 0, 580, 340);
    EXPECT_EQ(rect.Width(), 580);
    EXPECT_EQ(rect.Height(), 340);
    rect.OffsetTo(BPoint(100, 100));
    EXPECT_EQ(rect.right, 680);
    EXPECT_EQ(rect.bottom, 440);

    Canvas canvas;
    EXPECT_EQ(WidgetOf(canvas.view)->size(), QSize(200, 100));
    EXPECT_EQ(WidgetOf(canvas.window)->size(), QSize(200, 100));
    canvas.view->SetHighColor(kBlack);
    canvas.view->FillRect(BRect(10, 20, 30, 40));
    const Pixels pixels(canvas.view);
    EXPECT_TRUE(pixels.Is(10, 20, Qt::black));
    EXPECT_TRUE(pixels.Is(30, 40, Qt::black));
    EXPECT_FALSE(pixels.Touched(9, 30, Qt::white));
    EXPECT_FALSE(pixels.Touched(31, 30, Qt::white));
    EXPECT_FALSE(pixels.Touched(20, 19, Qt::white));
    EXPECT_FALSE(pixels.Touched(20, 41, Qt::white));
}

TEST(KitGeometry, StrokesAreCentredOnPixelCentres)
{
    Canvas canvas;
    BView* view = canvas.view;
    view->SetHighColor(kBlack);
    view->SetPenSize(1);
    view->StrokeLine(BPoint(10, 5), BPoint(60, 5));
    view->SetPenSize(3);
    view->StrokeLine(BPoint(10, 50), BPoint(60, 50));
    const Pixels pixels(view);
    for (int x = 12; x <= 58; x += 7) {
        EXPECT_FALSE(pixels.Touched(x, 5, Qt::black)) << x;
        EXPECT_FALSE(pixels.Touched(x, 4, Qt::white)) << x;
        EXPECT_FALSE(pixels.Touched(x, 6, Qt::white)) << x;
        for (int y = 49; y <= 51; y++)
            EXPECT_FALSE(pixels.Touched(x, y, Qt::black)) << x << "," << y;
        EXPECT_FALSE(pixels.Touched(x, 48, Qt::white)) << x;
        EXPECT_FALSE(pixels.Touched(x, 52, Qt::white)) << x;
    }
}

TEST(KitDrawing, StateStaysInForceUntilSetAgain)
{
    Canvas canvas;
    BView* view = canvas.view;
    view->SetHighColor(kRed);
    view->SetPenSize(3);
    view->FillRect(BRect(0, 0, 5, 5));
    view->StrokeLine(BPoint(20, 20), BPoint(40, 20));
    const BPoint triangle[3] = {BPoint(60, 10), BPoint(90, 10), BPoint(75, 40)};
    view->FillPolygon(triangle, 3);
    const Pixels pixels(view);
    EXPECT_TRUE(pixels.Is(2, 2, Qt::red));
    EXPECT_TRUE(pixels.Is(30, 21, Qt::red)); // still three pixels wide
    EXPECT_TRUE(pixels.Is(75, 20, Qt::red));
}

TEST(KitDrawing, FillsAndStrokesLookTheSameInBothModes)
{
    Canvas a, b;
    for (auto [view, mode] : {std::pair {a.view, B_OP_COPY}, std::pair {b.view, B_OP_OVER}}) {
        view->SetDrawingMode(mode);
        view->SetHighColor(kRed);
        const BPoint hexagon[6] = {BPoint(16, 50), BPoint(33, 20), BPoint(67, 20), BPoint(84, 50),
            BPoint(67, 80), BPoint(33, 80)};
        view->FillPolygon(hexagon, 6);
        view->SetHighColor(kBlack);
        view->StrokePolygon(hexagon, 6, true);
        view->SetPenSize(3);
        view->StrokeLine(BPoint(25, 65), BPoint(75, 35));
    }
    EXPECT_EQ(Pixels(a.view).Image(), Pixels(b.view).Image());
}

// How many pixels' worth of black lies on the white canvas.
double InkArea(const Pixels& pixels)
{
    const QImage& image = pixels.Image();
    double sum = 0;
    for (int y = 0; y < image.height(); y++) {
        for (int x = 0; x < image.width(); x++)
            sum += (255 - qRed(image.pixel(x, y))) / 255.0;
    }
    return sum / (pixels.Scale() * pixels.Scale());
}

// Checks that the device pixels painted black are exactly those whose centres
// lie inside the area, given in view coordinates; centres on its border may
// go either way.
void ExpectWholePixels(const Pixels& pixels, const QPolygonF& area)
{
    const qreal s = pixels.Scale();
    QPolygonF device;
    for (const QPointF& p : area)
        device << (p + QPointF(0.5, 0.5)) * s; // a view coordinate names a pixel's centre
    for (int y = 0; y < pixels.Image().height(); y++) {
        for (int x = 0; x < pixels.Image().width(); x++) {
            const QPointF centre(x + 0.5, y + 0.5);
            bool onBorder = false;
            for (int i = 0; i < device.size(); i++) {
                const QLineF edge(device[i], device[(i + 1) % device.size()]);
                const QPointF d = edge.p2() - edge.p1();
                const qreal cross
                    = d.x() * (centre.y() - edge.p1().y()) - d.y() * (centre.x() - edge.p1().x());
                onBorder |= std::abs(cross) / edge.length() < 1e-3;
            }
            if (onBorder)
                continue;
            const QRgb expected
                = device.containsPoint(centre, Qt::OddEvenFill) ? 0xff000000 : 0xffffffff;
            ASSERT_EQ(pixels.Image().pixel(x, y), expected) << "device pixel " << x << "," << y;
        }
    }
}

TEST(KitDrawing, ShapesTakeWholePixelsWhileLinesAreSmooth)
{
    Canvas triangle, rect, line;
    const BPoint corners[3] = {BPoint(10, 10), BPoint(90, 20), BPoint(30, 70)};
    triangle.view->SetHighColor(kBlack);
    triangle.view->FillPolygon(corners, 3);
    ExpectWholePixels(Pixels(triangle.view), QPolygonF({{10, 10}, {90, 20}, {30, 70}}));

    // A rectangle reaches half a pixel beyond its coordinates, which name the
    // centres of its outermost pixels.
    rect.view->SetHighColor(kBlack);
    rect.view->FillRect(BRect(10.5f, 10, 19.25f, 19));
    ExpectWholePixels(Pixels(rect.view), QPolygonF(QRectF(QPointF(10, 9.5), QPointF(19.75, 19.5))));

    line.view->SetHighColor(kBlack);
    line.view->SetPenSize(3);
    line.view->StrokeLine(BPoint(20, 60), BPoint(120, 80));
    EXPECT_NEAR(InkArea(Pixels(line.view)), 3 * std::hypot(100, 20), 3);
}

int DistinctColours(const Pixels& pixels, int left, int top, int right, int bottom)
{
    std::vector<QRgb> seen;
    for (int y = top; y <= bottom; y++) {
        for (int x = left; x <= right; x++) {
            const QRgb c = pixels.At(x, y).rgb();
            if (std::find(seen.begin(), seen.end(), c) == seen.end())
                seen.push_back(c);
        }
    }
    return int(seen.size());
}

TEST(KitDrawing, OverBlendsTextEdgesWhileCopyReplacesPixels)
{
    Canvas over, copy;
    for (auto [view, mode] : {std::pair {over.view, B_OP_OVER}, std::pair {copy.view, B_OP_COPY}}) {
        view->SetDrawingMode(mode);
        view->SetFontSize(24);
        view->SetHighColor(kBlack);
        view->DrawString("8", BPoint(20, 50));
    }
    EXPECT_GT(DistinctColours(Pixels(over.view), 15, 20, 45, 55), 4);
    EXPECT_EQ(DistinctColours(Pixels(copy.view), 15, 20, 45, 55), 2);
}

TEST(KitText, DrawStringStartsOnTheBaselineAndLeavesThePenAfterIt)
{
    Canvas joined, parts;
    for (BView* view : {joined.view, parts.view}) {
        view->SetDrawingMode(B_OP_OVER);
        view->SetFontSize(24);
        view->SetHighColor(kBlack);
    }
    joined.view->DrawString("1357", BPoint(20, 60));
    parts.view->DrawString("13", BPoint(20, 60));
    parts.view->DrawString("57");
    EXPECT_EQ(Pixels(joined.view).Image(), Pixels(parts.view).Image());

    const InkBox ink = FindInk(Pixels(joined.view), 0, 0, 199, 99);
    ASSERT_FALSE(ink.Empty());
    EXPECT_EQ(ink.bottom, 60); // digits sit on the baseline row
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.left, 24);
    EXPECT_LE(ink.right, 20 + joined.view->StringWidth("1357"));
}

TEST(KitText, MetricsFollowTheFontSize)
{
    Canvas canvas;
    BView* view = canvas.view;
    view->SetFontSize(18);
    const float small = view->StringWidth("555");
    font_height smallHeight;
    view->GetFontHeight(&smallHeight);
    view->SetFontSize(24);
    const float large = view->StringWidth("555");
    font_height largeHeight;
    view->GetFontHeight(&largeHeight);
    EXPECT_NEAR(large / small, 24.0 / 18.0, 0.05);
    EXPECT_NEAR(view->StringWidth("555555"), 2 * large, 0.01);
    EXPECT_GT(largeHeight.ascent, 18);
    EXPECT_LT(largeHeight.ascent, 26);
    EXPECT_NEAR(largeHeight.ascent / smallHeight.ascent, 24.0 / 18.0, 0.1);
}

// The kit lays text out itself; where it has to be shaped (Arabic joins and
// runs from the right; Japanese needs the desktop's other fonts) it must come
// out as Qt's own painter draws the same string.
TEST(KitText, ShapedTextComesOutAsQtPaintsIt)
{
    const std::vector<std::pair<QFontDatabase::WritingSystem, const char*>> texts = {
        {QFontDatabase::Latin, "Du verlierst"},
        {QFontDatabase::Arabic, "لقد خسرت"},
        {QFontDatabase::Japanese, "あなたの負け"},
        {QFontDatabase::SimplifiedChinese, "你赢了"},
    };
    for (const auto& [script, text] : texts) {
        if (QFontDatabase::families(script).isEmpty()) {
            ADD_FAILURE() << "no font for " << text << "; fonts-droid-fallback has one";
            continue;
        }
        Canvas canvas;
        canvas.view->SetDrawingMode(B_OP_OVER);
        canvas.view->SetFontSize(24);
        canvas.view->SetHighColor(kBlack);
        canvas.view->DrawString(text, BPoint(20, 60));
        // Both in device pixels, whatever the scale.
        const Pixels shown(canvas.view);
        const QImage kit = shown.Image().convertToFormat(QImage::Format_RGB32);
        const qreal scale = shown.Scale();

        QImage qt(kit.size(), QImage::Format_RGB32);
        qt.setDevicePixelRatio(scale);
        qt.fill(Qt::white);
        QFont font(QString::fromLatin1(FontFace::kFamily));
        font.setPixelSize(24);
        font.setHintingPreference(QFont::PreferNoHinting);
        QPainter painter(&qt);
        painter.setFont(font);
        painter.drawText(QPointF(20, 61), QString::fromUtf8(text));
        painter.end();

        const InkBox ours = FindInk(kit, kit.rect()), theirs = FindInk(qt, qt.rect());
        ASSERT_FALSE(ours.Empty()) << text;
        EXPECT_NEAR(ours.left, theirs.left, scale) << text;
        EXPECT_NEAR(ours.right, theirs.right, scale) << text;
        EXPECT_NEAR(ours.top, theirs.top, scale) << text;
        EXPECT_NEAR(ours.bottom, theirs.bottom, scale) << text;
        EXPECT_NEAR(canvas.view->StringWidth(text), QFontMetricsF(font).horizontalAdvance(text), 1)
            << text;
        // The letters themselves: the columns holding ink fall into as many
        // groups either way (Arabic's joined letters make two words, not
        // eight marks).
        const QRect row(0, int(30 * scale), kit.width(), int(40 * scale));
        EXPECT_EQ(InkGroups(kit, row, true, 1), InkGroups(qt, row, true, 1)) << text;
    }
}

TEST(KitView, DrawMakesTheImageOnceAndDrawingStaysOnScreen)
{
    Canvas canvas;
    canvas.view->SetViewColor(kRed);
    canvas.window->Show();
    ProcessEvents();
    EXPECT_EQ(canvas.view->draws, 1);
    // Drawing outside Draw, then letting the screen update, keeps the drawing.
    canvas.view->SetHighColor(kBlack);
    canvas.view->FillRect(BRect(0, 0, 9, 9));
    QWidget* widget = WidgetOf(canvas.view);
    const QImage shown = widget->grab().toImage();
    ProcessEvents();
    EXPECT_EQ(canvas.view->draws, 1);
    EXPECT_EQ(
        shown.pixelColor(int(5 * shown.devicePixelRatio()), int(5 * shown.devicePixelRatio())),
        QColor(Qt::black));
    EXPECT_EQ(Pixels(canvas.view).Image().devicePixelRatio(), RequestedScale());
    EXPECT_EQ(Pixels(canvas.view).Image().width(), 200 * RequestedScale());
}

// Collects the areas of the screen that Qt repaints.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

TEST(KitView, WhatIsDrawnOutsideDrawReachesTheScreen)
{
    Canvas canvas;
    canvas.window->Show();
    ProcessEvents();
    QWidget* widget = WidgetOf(canvas.view);
    PaintWatch watch;
    widget->installEventFilter(&watch);
    BView* view = canvas.view;
    view->SetHighColor(kBlack);
    const BPoint triangle[3] = {BPoint(10, 10), BPoint(40, 10), BPoint(25, 40)};
    view->FillPolygon(triangle, 3);
    view->SetPenSize(3);
    view->StrokeLine(BPoint(60, 80), BPoint(120, 50));
    view->StrokePolygon(triangle, 3, true);
    view->SetFontSize(18);
    view->DrawString("42", BPoint(150, 60));
    view->FillRect(BRect(170, 70, 190, 90));
    ProcessEvents();
    for (QRect drawn : {QRect(10, 10, 31, 31), QRect(60, 50, 61, 31), QRect(150, 46, 20, 15),
             QRect(170, 70, 21, 21)})
        EXPECT_TRUE(watch.painted.contains(drawn)) << drawn.x() << "," << drawn.y();
    widget->removeEventFilter(&watch);
}

TEST(KitView, MousePressesReachTheViewInViewCoordinates)
{
    Canvas canvas;
    canvas.window->Show();
    ProcessEvents();
    QWidget* widget = WidgetOf(canvas.view);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(42, 17),
            widget->mapToGlobal(QPointF(42, 17)), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }
    ASSERT_EQ(canvas.view->presses.size(), 2u);
    EXPECT_EQ(canvas.view->presses[0].x, 42);
    EXPECT_EQ(canvas.view->presses[0].y, 17);
    EXPECT_EQ(canvas.view->draws, 1);
}

TEST(KitWindow, FixedSizeTitledWindowAtItsFrame)
{
    Canvas canvas;
    QWidget* widget = WidgetOf(canvas.window);
    EXPECT_EQ(widget->windowTitle(), "probe");
    EXPECT_EQ(widget->minimumSize(), QSize(200, 100));
    EXPECT_EQ(widget->maximumSize(), QSize(200, 100));
    EXPECT_EQ(widget->pos(), QPoint(10, 10));
    EXPECT_EQ(canvas.view->Window(), canvas.window);
}

// The menus of a bar as its widget shows them: the first item of the first menu.
QAction* FirstItem(BMenuBar* bar)
{
    auto* shown = static_cast<QMenuBar*>(WidgetOf(bar));
    return shown->actions().first()->menu()->actions().first();
}

TEST(KitMenus, ItemsPostCopiesOfTheirMessagesToTheWindow)
{
    Canvas canvas;
    auto* bar
        = new BMenuBar(BRect(0, 0, 199, 19), "bar", B_FOLLOW_ALL_SIDES, B_ITEMS_IN_ROW, false);
    auto* menu = new BMenu("Game");
    auto* item = new BMenuItem("Go", new BMessage('go__'), 'G', 0);
    menu->AddItem(item);
    bar->AddItem(menu);
    canvas.view->AddChild(bar);
    QAction* action = FirstItem(bar);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    action->trigger();
    action->trigger();
    ProcessEvents();
    EXPECT_EQ(canvas.window->codes, (std::vector<uint32> {'go__', 'go__'}));
    EXPECT_EQ(item->Message()->what, uint32('go__'));
    EXPECT_EQ(bar->Parent(), canvas.view);
}

// Where the menus' font needs more height than the bar's frame gives, the
// bar takes it and the window grows, its views moving down by as much.
TEST(KitMenus, TheBarFitsItsHeightToALargeFont)
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPixelSize(40);
    QApplication::setFont(large);
    Canvas canvas;
    auto* bar
        = new BMenuBar(BRect(0, 0, 199, 19), "bar", B_FOLLOW_ALL_SIDES, B_ITEMS_IN_ROW, false);
    bar->AddItem(new BMenu("Game"));
    canvas.view->AddChild(bar);
    QApplication::setFont(normal);

    QWidget* barWidget = WidgetOf(bar);
    const int grown = barWidget->height() - 20;
    EXPECT_GE(barWidget->height(), QFontMetrics(large).height());
    EXPECT_EQ(barWidget->pos(), QPoint(0, 0));
    EXPECT_EQ(WidgetOf(canvas.view)->geometry(), QRect(0, grown, 200, 100));
    EXPECT_EQ(WidgetOf(canvas.window)->maximumSize(), QSize(200, 100 + grown));
}

TEST(KitMenus, ADisabledMenuDisablesItsItemsAndTheirShortcuts)
{
    Canvas canvas;
    auto* bar
        = new BMenuBar(BRect(0, 0, 199, 19), "bar", B_FOLLOW_ALL_SIDES, B_ITEMS_IN_ROW, false);
    auto* menu = new BMenu("Edit");
    menu->SetEnabled(false);
    auto* item = new BMenuItem("Copy", new BMessage('copy'), 'C', 0);
    menu->AddItem(item);
    bar->AddItem(menu);
    canvas.view->AddChild(bar);
    QMenu* shown = static_cast<QMenuBar*>(WidgetOf(bar))->actions().first()->menu();
    EXPECT_FALSE(shown->isEnabled());
    EXPECT_FALSE(shown->menuAction()->isEnabled());
    EXPECT_FALSE(FirstItem(bar)->isEnabled());
}

// Finds the alert's dialog once it runs, checks it, and presses a button.
void AnswerAlert(int button, std::function<void(QDialog*)> check)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        check(dialog);
        dialog->findChildren<QPushButton*>().at(button)->click();
    });
}

TEST(KitAlert, ShowsItsTextAndButtonsAndReturnsThePressedIndex)
{
    AnswerAlert(1, [](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Title");
        EXPECT_EQ(dialog->size(), QSize(310, 150));
        EXPECT_TRUE(dialog->isModal());
        QStringList texts;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains("First line\nsecond line\n")) << texts.join("|").toStdString();
        QStringList buttons;
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            buttons << button->text();
        EXPECT_EQ(buttons, QStringList({"One", "Two"}));
        bool hasIcon = false;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            hasIcon |= !label->pixmap().isNull();
        EXPECT_TRUE(hasIcon);
    });
    auto* alert
        = new BAlert("Title", nullptr, "One", "Two", nullptr, B_WIDTH_AS_USUAL, B_INFO_ALERT);
    alert->TextView()->Insert("First line\n");
    alert->TextView()->Insert("second line\n");
    alert->ResizeTo(310, 150);
    EXPECT_EQ(alert->Go(), 1);
    ProcessEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<QDialog*>(widget), nullptr) << "the alert outlived Go";
}

TEST(KitCatalog, FindsTheDesktopsLanguageAsGettextDoes)
{
    using Asked = std::vector<std::string>;
    EXPECT_EQ(
        BCatalog::LanguagesAsked(nullptr, nullptr, nullptr, "de_DE.UTF-8"), Asked({"de_DE", "de"}));
    EXPECT_EQ(
        BCatalog::LanguagesAsked("", "", "pt_BR.UTF-8@x", "de_DE.UTF-8"), Asked({"pt_BR", "pt"}));
    EXPECT_EQ(BCatalog::LanguagesAsked("fr:ja_JP", "ar_EG.UTF-8", nullptr, "de_DE.UTF-8"),
        Asked({"fr", "ja_JP", "ja"}))
        << "LANGUAGE stands in for the locale";
    EXPECT_EQ(BCatalog::LanguagesAsked("fr", "C", nullptr, "de_DE.UTF-8"), Asked()) << "C wins";
    EXPECT_EQ(BCatalog::LanguagesAsked("fr", nullptr, nullptr, "C.UTF-8"), Asked({"fr"}))
        << "C.UTF-8 is not C";
    EXPECT_EQ(BCatalog::LanguagesAsked("fr", nullptr, nullptr, nullptr), Asked());
}

// A compiled catalogue of these texts, in the machine's byte order or the
// other, with its texts in any order the writer chose.
std::string MoBytes(const std::vector<std::pair<std::string, std::string>>& texts, bool swapped)
{
    auto word = [&](std::string& out, uint32_t value) {
        value = swapped ? __builtin_bswap32(value) : value;
        out.append(reinterpret_cast<const char*>(&value), 4);
    };
    const uint32_t count = uint32_t(texts.size()), originals = 28, translations = 28 + 8 * count;
    std::string head, strings;
    for (uint32_t value : {0x950412deu, 0u, count, originals, translations, 0u, 0u})
        word(head, value);
    std::string tables[2];
    const uint32_t start = 28 + 16 * count;
    for (int side = 0; side < 2; side++) {
        for (const auto& pair : texts) {
            const std::string& text = side ? pair.second : pair.first;
            word(tables[side], uint32_t(text.size()));
            word(tables[side], uint32_t(start + strings.size()));
            strings += text + '\0';
        }
    }
    return head + tables[0] + tables[1] + strings;
}

// A catalogue from another machine reads the same; one cut short or with
// a length beyond its end leaves the texts it cannot read as written.
TEST(KitCatalog, ReadsEitherByteOrderAndSurvivesADamagedFile)
{
    char made[] = "/tmp/tavrin-catalog-XXXXXX";
    ASSERT_NE(mkdtemp(made), nullptr);
    const std::filesystem::path folder = made;
    std::filesystem::create_directories(folder / "de/LC_MESSAGES");
    const std::string file = (folder / "de/LC_MESSAGES/test.mo").string();
    auto write = [&](const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; };
    auto german = [&] { return BCatalog("test", {folder.string()}, {"de"}); };
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"", "Content-Type: text/plain; charset=UTF-8\n"}, {"File", "Datei"}, {"Exit", "Beenden"}};

    for (bool swapped : {false, true}) {
        write(MoBytes(texts, swapped));
        const BCatalog catalog = german();
        EXPECT_EQ(catalog.Language(), "de");
        EXPECT_STREQ(catalog.GetString("File"), "Datei");
        EXPECT_STREQ(catalog.GetString("Exit"), "Beenden");
        const char* other = "Copy";
        EXPECT_EQ(catalog.GetString(other), other);
    }
    std::string bytes = MoBytes(texts, false);
    write(bytes.substr(0, bytes.size() - 8)); // "Beenden" is cut
    EXPECT_STREQ(german().GetString("File"), "Datei");
    EXPECT_STREQ(german().GetString("Exit"), "Exit");
    bytes[28 + 8 * 3 + 8 * 2] = '\xff'; // the length of "Beenden"
    write(bytes);
    EXPECT_STREQ(german().GetString("Exit"), "Exit");
    write(bytes.substr(0, 20));
    EXPECT_EQ(german().Language(), "") << "no catalogue at all";
    std::filesystem::remove_all(folder);
}

TEST(KitApplication, QuittingAsksEveryWindowAndDropsRepeatedRequests)
{
    bool deleted = false;
    auto* window = new ProbeWindow(&deleted);
    window->Show();
    const int warnings = QtWarningCount();
    be_app->PostMessage(B_QUIT_REQUESTED);
    be_app->Run(); // returns once the application has quit
    EXPECT_TRUE(deleted);
    EXPECT_EQ(QtWarningCount(), warnings);
}

TEST(KitApplication, AWindowThatRefusesKeepsTheApplicationRunning)
{
    bool deleted = false;
    auto* window = new ProbeWindow(&deleted);
    window->agree = false;
    window->Show();
    be_app->PostMessage(B_QUIT_REQUESTED);
    QTimer::singleShot(50, [&] {
        EXPECT_EQ(window->quitRequests, 1);
        window->agree = true;
        be_app->PostMessage(B_QUIT_REQUESTED);
    });
    be_app->Run();
    EXPECT_TRUE(deleted);
}

TEST(KitApplication, ClosingAWindowGoesThroughQuitRequested)
{
    bool deleted = false;
    auto* window = new ProbeWindow(&deleted);
    window->Show();
    ProcessEvents();
    QTimer::singleShot(0, [&] { WidgetOf(window)->close(); });
    be_app->Run(); // the window asks the application to quit
    EXPECT_TRUE(deleted);
}

TEST(KitApplication, TakesNoArgumentsAndKnowsItsDesktopId)
{
    EXPECT_EQ(QCoreApplication::arguments().size(), 1);
    // Wayland takes the desktop file's name as the app id, X11 the
    // application name as the window class.
    EXPECT_EQ(QGuiApplication::desktopFileName(), kTestDesktopId);
    EXPECT_EQ(QCoreApplication::applicationName(), kTestDesktopId);
}

} // namespace
