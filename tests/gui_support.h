#pragma once

// Helpers for tests that look at what the kit shows: the Qt widgets behind
// its views and windows, and what a view shows in view pixels.

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <cmath>
#include <memory>

#include <View.h>
#include <Window.h>

#include "ViewData.h"
#include "WindowWidget.h"
#include "ink.h"

int QtWarningCount();
double RequestedScale();

class BApplication;
// The application the test program runs, made by the program's own
// application file, and the desktop id it gives it.
std::unique_ptr<BApplication> MakeTestApplication();
extern const char* const kTestDesktopId;

// The widget that shows a view: its own kind, or one named after the view.
inline QWidget* WidgetOf(const BView* view)
{
    QWidget* named = nullptr;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* shown = dynamic_cast<ViewWidget*>(widget); shown && shown->View() == view)
            return widget;
        if (!named && widget->objectName() == view->Name())
            named = widget;
    }
    return named;
}

inline QWidget* WidgetOf(const BWindow* window)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* shown = dynamic_cast<WindowWidget*>(widget); shown && shown->Window() == window)
            return widget;
    }
    return nullptr;
}

// Lets queued messages and paint requests run.
inline void ProcessEvents()
{
    for (int i = 0; i < 3; i++)
        QCoreApplication::processEvents();
}

// Presses a key on a view as a keyboard with a Latin layout does: letters and
// the space bar type their character, other keys none.
inline void PressKey(const BView* view, Qt::Key key, const QString& typed = QString())
{
    QString text = typed;
    if (text.isEmpty() && key == Qt::Key_Space)
        text = QStringLiteral(" ");
    else if (text.isEmpty() && key >= Qt::Key_A && key <= Qt::Key_Z)
        text = QChar(char16_t(u'a' + (key - Qt::Key_A)));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(WidgetOf(view), &press);
}

// Chooses the item of a window's menus with this shortcut ("Ctrl+N"), as a
// click on it does, even where it is disabled; false where there is none.
inline bool ChooseMenuItem(const BWindow* window, const char* shortcut)
{
    for (QAction* title : WidgetOf(window)->findChild<QMenuBar*>()->actions()) {
        for (QAction* item : title->menu()->actions()) {
            if (item->shortcut() == QKeySequence(QString::fromLatin1(shortcut))) {
                item->setEnabled(true);
                item->trigger();
                ProcessEvents();
                return true;
            }
        }
    }
    return false;
}

// What a view shows, read in view pixels whatever its scale. The view draws
// itself first if it has not yet.
class Pixels {
public:
    explicit Pixels(const BView* view)
        : fImage(static_cast<ViewWidget*>(WidgetOf(view))->Shown())
    {
    }

    qreal Scale() const { return fImage.devicePixelRatio(); }

    // The colour at the centre of view pixel (x, y).
    QColor At(int x, int y) const
    {
        const qreal s = Scale();
        return fImage.pixelColor(int((x + 0.5) * s), int((y + 0.5) * s));
    }

    bool Is(int x, int y, const QColor& colour) const { return At(x, y) == colour; }

    // True when view pixel (x, y) differs from the colour (r, g, b) anywhere
    // on the device.
    bool Touched(int x, int y, QColor colour) const
    {
        const int s = qRound(Scale());
        for (int dy = 0; dy < s; dy++) {
            for (int dx = 0; dx < s; dx++) {
                if (fImage.pixelColor(x * s + dx, y * s + dy) != colour)
                    return true;
            }
        }
        return false;
    }

    const QImage& Image() const { return fImage; }

    // One pixel a view pixel, each the colour at its centre.
    QImage InViewPixels() const
    {
        const qreal s = Scale();
        QImage sampled(int(std::ceil(fImage.width() / s - 0.5)),
            int(std::ceil(fImage.height() / s - 0.5)), QImage::Format_RGB32);
        for (int y = 0; y < sampled.height(); y++) {
            for (int x = 0; x < sampled.width(); x++)
                sampled.setPixel(x, y, At(x, y).rgb());
        }
        return sampled;
    }

private:
    QImage fImage;
};

// The ink of an area given in view pixels, in view pixels.
inline InkBox FindInk(
    const Pixels& pixels, int left, int top, int right, int bottom, int threshold = 128)
{
    return FindInk(
        pixels.InViewPixels(), QRect(QPoint(left, top), QPoint(right, bottom)), threshold);
}
