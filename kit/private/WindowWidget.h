#pragma once

// The Qt side of a window.

#include <QWidget>

class BWindow;

// Shows the window on the screen, and turns the window manager's close
// request, and the window being destroyed by another X client, into the
// window's close path.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(BWindow* window)
        : fWindow(window)
    {
    }

    BWindow* Window() const { return fWindow; }

    // Shows the window where it was put, or where as much of it shows as
    // the screen allows.
    void ShowOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;

private:
    void Fit();

    BWindow* fWindow;
    QPoint fWanted;
    bool fFramed = false; // placed with its frame's size known
};
