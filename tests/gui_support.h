#pragma once

// Helpers for tests that look at what the kit painted.

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <KitAccess.h>
#include <View.h>

int QtWarningCount();
double RequestedScale();

// Lets queued messages and paint requests run.
inline void ProcessEvents()
{
    for (int i = 0; i < 3; i++)
        QCoreApplication::processEvents();
}

// Reads a view's backing image in view pixels, whatever its scale.
class Pixels {
public:
    explicit Pixels(BView* view)
        : fImage(KitAccess::BackingImage(view))
    {
    }

    qreal Scale() const { return fImage.devicePixelRatio(); }

    // The colour at the centre of view pixel (x, y).
    QColor At(int x, int y) const
    {
        const qreal s = Scale();
        return fImage.pixelColor(int((x + 0.5) * s), int((y + 0.5) * s));
    }

    // The red channel of view pixel (x, y), averaged over its device pixels.
    double MeanRed(int x, int y) const
    {
        const int s = qRound(Scale());
        double sum = 0;
        for (int dy = 0; dy < s; dy++) {
            for (int dx = 0; dx < s; dx++)
                sum += qRed(fImage.pixel(x * s + dx, y * s + dy));
        }
        return sum / (s * s);
    }

    bool Is(int x, int y, int r, int g, int b) const { return At(x, y) == QColor(r, g, b); }

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

private:
    QImage fImage;
};

// The columns and rows that hold a pixel darker than the threshold within an
// area, in view pixels; empty when there is none.
struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

inline InkBox FindInk(
    const Pixels& pixels, int left, int top, int right, int bottom, int threshold = 128)
{
    InkBox box;
    for (int y = top; y <= bottom; y++) {
        for (int x = left; x <= right; x++) {
            if (pixels.At(x, y).value() < threshold) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}
