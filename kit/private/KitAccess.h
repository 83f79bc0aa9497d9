#pragma once

// What tests may see of the kit's Qt side. Only test code includes this.

#include <QImage>

class BAlert;
class BMenu;
class BMenuItem;
class BView;
class BWindow;
class QAction;
class QMenu;
class QWidget;

struct KitAccess {
    static QWidget* WidgetOf(const BView* view);
    static QWidget* WidgetOf(const BWindow* window);
    static QMenu* MenuOf(const BMenu* menu);
    static QAction* ActionOf(const BMenuItem* item);
    // The view's backing image, made first if the view has not drawn yet.
    static QImage BackingImage(BView* view);
};
