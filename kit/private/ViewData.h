#pragma once

// The Qt side of a view: its widget, its backing image and its drawing state.

#include <QAccessible>
#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FontFace.h"
#include "View.h"

// Shows the view's backing image on screen and hands mouse presses and keys
// to the view.
class ViewWidget : public QWidget {
public:
    explicit ViewWidget(BView* view)
        : fView(view)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    BView* View() const { return fView; }
    // The image the widget shows, made afresh first where it is missing or
    // the screen's scale has changed.
    const QImage& Shown() const;
    // The last sentence the view told readers.
    const std::string& Announcement() const;
    // A reader has begun to listen: it hears where the focus is, and the
    // last sentence if none heard it yet.
    void ReadersArrived();
    // A reader has read an item as it stands now.
    void ItemRead(int32 index, const accessible_item& item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void Locked(const std::function<void()>& hook);

    BView* fView;
};

struct BView::Data {
    BView* view;
    std::unique_ptr<QWidget> widget;
    QImage image;
    bool redrawing = false;

    QColor viewColor = Qt::white;

    // What readers last read or were told of each item, while one listens.
    struct Told {
        bool known = false;
        std::string name, description;
    };
    std::vector<Told> told;
    std::string announcement;
    bool announcementHeard = true;
    // The focused item that the last sentence told of, until readers would
    // hear of the focus, and the item whose focus readers were not told of
    // so; -1 when none.
    int32 focusAnnounced = -1;
    int32 focusUntold = -1;

    // What stays in force from one drawing call to the next.
    struct State {
        QColor high = Qt::black;
        qreal penSize = 1;
        drawing_mode mode = B_OP_COPY;
        QPointF pen;
        int fontPixels = 12; // the platform's default size until one is set
    } state;

    // Looked up on every use and never kept: views that never draw text, the
    // menu bar among them, never load a font.
    FontFace& Face() const { return FontFace::OfSize(state.fontPixels); }

    explicit Data(BView* owner)
        : view(owner)
    {
    }

    void EnsureImage();
    void Redraw(qreal dpr);
    // The image, ready to be drawn on.
    QImage& Canvas();
    // A point in view coordinates as a position on the image.
    QPointF ToDevice(BPoint p) const;
    void Dirty(const QRectF& viewArea);
    void Dirty(const BPoint* points, int count, qreal pen);
    void PaintShape(const BPoint* points, int count, qreal penSize, bool closed, bool smooth);
    void TellReaders(int32 index, QAccessible::Event change) const;
    // Tells readers that an item no longer has the focus.
    void TellFocusGone(int32 index) const;
    // The accessible of an item of the view, or of its announcements, while
    // a reader listens.
    QAccessibleInterface* ReaderItem(int32 index) const;
};
