#pragma once

// The Qt side of a window.

#include <QWidget>

class BWindow;

// Turns the window manager's close request, and the window being destroyed
// by another X client, into the window's close path.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(BWindow* window)
        : fWindow(window)
    {
    }

    BWindow* Window() const { return fWindow; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;

private:
    BWindow* fWindow;
};
