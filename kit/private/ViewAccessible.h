#pragma once

// What screen readers see of a view, through Qt's accessibility: the view's
// widget as a pane whose children are a table of the cells the view lists
// first, its other items, and last the status bar of what the view has
// announced.

#include <QAccessibleWidget>

#include <string>
#include <vector>

class BRect;
class BView;
struct accessible_item;

class ViewAccessible : public QAccessibleWidget {
public:
    ViewAccessible(QWidget* widget, BView* view);
    ~ViewAccessible() override;

    // Has Qt make one of these for every view's widget.
    static void Install();

    BView* View() const { return fView; }
    // True while this goes, and its parts with it.
    bool Closing() const { return fClosing; }
    // The interface of one item, made when first asked for, and the index
    // of an item's interface, or -1.
    QAccessibleInterface* Item(int index) const;
    int ItemIndex(const QAccessibleInterface* item) const;
    // How many items lead the view's list as cells, and the table that
    // holds them, or null where there are none.
    int CellCount() const;
    QAccessibleInterface* CellsPart() const;
    // The status bar of announcements (0), the notification in it (1) and
    // the words of the last announcement in that (2).
    QAccessibleInterface* AnnouncementPart(int level) const;
    const std::string& LastAnnouncement() const;
    // Notes what a reader has just read of an item.
    void ItemRead(int index, const accessible_item& item) const;
    bool ItemHasFocus(int index) const;
    // A frame in the view's coordinates, on the screen.
    QRect OnScreen(const BRect& frame) const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    BView* fView;
    mutable std::vector<QAccessibleInterface*> fItems;
    mutable QAccessibleInterface* fAnnouncementParts[3] = {};
    mutable QAccessibleInterface* fCellsPart = nullptr;
    mutable int fCellCount = -1;
    bool fClosing = false;
};
