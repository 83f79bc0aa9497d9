#include "ViewAccessible.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "ReaderEvents.h"
#include "View.h"
#include "ViewData.h"

namespace {

// A part of a view that readers see as an object of its own: it has no
// widget, relations or children to point at, and lives in the view's window.
// It goes with the view's accessible, and is no longer valid once that goes:
// readers asking after it then (Qt 6.11 tells them of each part as it is
// deleted, and they ask for its parent) learn that it has gone.
class PartAccessible : public QAccessibleInterface {
public:
    explicit PartAccessible(const ViewAccessible* view)
        : fView(view)
    {
    }

    bool isValid() const override { return !fView->Closing(); }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return fView->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override { }

protected:
    const ViewAccessible* fView;
};

// One item of a view; it asks the view for what it shows whenever a reader
// asks, so it never goes stale. A cell stands in the view's table of cells,
// a row of its own.
class ItemAccessible : public PartAccessible, public QAccessibleTableCellInterface {
public:
    ItemAccessible(const ViewAccessible* view, int index)
        : PartAccessible(view)
        , fIndex(index)
    {
    }

    bool isValid() const override
    {
        return PartAccessible::isValid() && fIndex < fView->View()->CountAccessibleItems();
    }
    QAccessibleInterface* parent() const override
    {
        return IsCell() ? fView->CellsPart() : const_cast<ViewAccessible*>(fView);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && IsCell()
            ? static_cast<QAccessibleTableCellInterface*>(this)
            : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return fIndex; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return fView->CellsPart(); }

    QString text(QAccessible::Text t) const override
    {
        const accessible_item item = Item();
        fView->ItemRead(fIndex, item);
        if (t == QAccessible::Name)
            return readers::FromUtf8(item.name);
        return t == QAccessible::Description ? readers::FromUtf8(item.description) : QString();
    }

    QRect rect() const override { return fView->OnScreen(Item().frame); }

    QAccessible::Role role() const override
    {
        switch (Item().role) {
        case B_ACCESSIBLE_CELL:
            return QAccessible::Cell;
        case B_ACCESSIBLE_IMAGE:
            return QAccessible::Graphic;
        case B_ACCESSIBLE_STATUS:
            return QAccessible::StatusBar;
        case B_ACCESSIBLE_LABEL:
            break;
        }
        return QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (Item().role == B_ACCESSIBLE_CELL) {
            state.focusable = true;
            state.focused = fView->ItemHasFocus(fIndex);
        }
        state.readOnly = true;
        return state;
    }

private:
    accessible_item Item() const { return fView->View()->AccessibleItemAt(fIndex); }
    bool IsCell() const { return fIndex < fView->CellCount(); }

    int fIndex;
};

// A table that tells readers it is there for layout: Orca 51 leaves such a
// table out of what it says and shows. Qt 6.8 and later let a table tell
// them; Orca 43 and 48 leave out any table without a name or headers.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
class LayoutTable : public QAccessibleTableInterface, public QAccessibleAttributesInterface {
public:
    QList<QAccessible::Attribute> attributeKeys() const override
    {
        return {QAccessible::Attribute::Custom};
    }
    QVariant attributeValue(QAccessible::Attribute key) const override
    {
        if (key != QAccessible::Attribute::Custom)
            return QVariant();
        return QVariant::fromValue(
            QHash<QString, QString> {{QStringLiteral("layout-guess"), QStringLiteral("true")}});
    }

protected:
    void* AttributesCast(QAccessible::InterfaceType type)
    {
        return type == QAccessible::AttributesInterface
            ? static_cast<QAccessibleAttributesInterface*>(this)
            : nullptr;
    }
};
#else
class LayoutTable : public QAccessibleTableInterface {
protected:
    void* AttributesCast(QAccessible::InterfaceType) { return nullptr; }
};
#endif

// The view's cells, as readers see them: a table of one column, a cell a row,
// without a name, between the view and its cells, there for layout. Orca
// shows the cell in focus on the braille display only as a row of its table
// (Orca 43).
class CellsAccessible : public PartAccessible, public LayoutTable {
public:
    explicit CellsAccessible(const ViewAccessible* view)
        : PartAccessible(view)
    {
    }

    QAccessibleInterface* parent() const override { return const_cast<ViewAccessible*>(fView); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < fView->CellCount() ? fView->Item(index) : nullptr;
    }
    int childCount() const override { return fView->CellCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int index = fView->ItemIndex(child);
        return index < fView->CellCount() ? index : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); i++) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }
    QString text(QAccessible::Text) const override { return QString(); }
    QRect rect() const override
    {
        QRect cells;
        for (int i = 0; i < childCount(); i++)
            cells |= child(i)->rect();
        return cells;
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (void* attributes = AttributesCast(type))
            return attributes;
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return column == 0 ? child(row) : nullptr;
    }
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    QString columnDescription(int) const override { return QString(); }
    QString rowDescription(int) const override { return QString(); }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }
};

// Where a view's announcements stand for readers: a status bar, the last of
// the view's children, holding a notification, which holds the words of the
// last sentence the view told. A notification in a status bar is spoken as it
// shows, whatever has the focus, and without its role. Orca 43 speaks it by
// the words it holds and shows the same on the braille display; it shows
// nothing of a notification that only has a name. The words show nowhere
// themselves, so that readers read them with their notification alone, not
// with the view around it.
class AnnouncementAccessible : public PartAccessible {
public:
    enum Level { kBar, kNote, kWords };

    AnnouncementAccessible(const ViewAccessible* view, Level level)
        : PartAccessible(view)
        , fLevel(level)
    {
    }

    QAccessibleInterface* parent() const override
    {
        return fLevel == kBar ? const_cast<ViewAccessible*>(fView)
                              : fView->AnnouncementPart(Level(fLevel - 1));
    }
    QAccessibleInterface* child(int index) const override
    {
        return fLevel != kWords && index == 0 ? fView->AnnouncementPart(Level(fLevel + 1))
                                              : nullptr;
    }
    int childCount() const override { return fLevel == kWords ? 0 : 1; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child == this->child(0) ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (fLevel != kWords || t != QAccessible::Name)
            return QString();
        return readers::FromUtf8(fView->LastAnnouncement());
    }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override
    {
        static constexpr QAccessible::Role kRoles[]
            = {QAccessible::StatusBar, QAccessible::Notification, QAccessible::StaticText};
        return kRoles[fLevel];
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = fLevel == kWords;
        return state;
    }

private:
    Level fLevel;
};

// Screen readers name the application after its main window: the desktop
// knows the program by its reverse-DNS id, which is no name for a person.
class ApplicationAccessible : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            for (const QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->windowType() == Qt::Window && !widget->windowTitle().isEmpty())
                    return widget->windowTitle();
            }
        }
        return QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (object == qApp)
        return new ApplicationAccessible;
    if (className != QLatin1String("QWidget"))
        return nullptr;
    if (auto* view = dynamic_cast<ViewWidget*>(object))
        return new ViewAccessible(view, view->View());
    // A window's own widget is a plain one; readers announce it as a window.
    auto* widget = static_cast<QWidget*>(object);
    return widget->isWindow() ? new QAccessibleWidget(widget, QAccessible::Window) : nullptr;
}

// When a reader begins to listen, the views tell it what it has missed.
class ReaderWatch : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* view = dynamic_cast<ViewWidget*>(widget))
                view->ReadersArrived();
        }
    }
};

} // namespace

ViewAccessible::ViewAccessible(QWidget* widget, BView* view)
    : QAccessibleWidget(widget, QAccessible::Pane)
    , fView(view)
{
}

ViewAccessible::~ViewAccessible()
{
    fClosing = true;
    fItems.insert(fItems.end(), std::begin(fAnnouncementParts), std::end(fAnnouncementParts));
    fItems.push_back(fCellsPart);
    for (QAccessibleInterface* item : fItems) {
        if (item)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }
}

void ViewAccessible::Install()
{
    QAccessible::installFactory(MakeInterface);
    static ReaderWatch watch;
    QAccessible::installActivationObserver(&watch);
}

void ViewAccessible::ItemRead(int index, const accessible_item& item) const
{
    static_cast<ViewWidget*>(widget())->ItemRead(index, item);
}

const std::string& ViewAccessible::LastAnnouncement() const
{
    return static_cast<const ViewWidget*>(widget())->Announcement();
}

QAccessibleInterface* ViewAccessible::AnnouncementPart(int level) const
{
    QAccessibleInterface*& part = fAnnouncementParts[level];
    if (!part) {
        part = new AnnouncementAccessible(this, AnnouncementAccessible::Level(level));
        QAccessible::registerAccessibleInterface(part);
    }
    return part;
}

int ViewAccessible::CellCount() const
{
    if (fCellCount < 0) {
        fCellCount = 0;
        while (fCellCount < fView->CountAccessibleItems()
            && fView->AccessibleItemAt(fCellCount).role == B_ACCESSIBLE_CELL)
            fCellCount++;
    }
    return fCellCount;
}

QAccessibleInterface* ViewAccessible::CellsPart() const
{
    if (!fCellsPart && CellCount() > 0) {
        fCellsPart = new CellsAccessible(this);
        QAccessible::registerAccessibleInterface(fCellsPart);
    }
    return fCellsPart;
}

QAccessibleInterface* ViewAccessible::Item(int index) const
{
    if (index == fView->CountAccessibleItems())
        return AnnouncementPart(0);
    if (index < 0 || index >= fView->CountAccessibleItems())
        return nullptr;
    if (size_t(index) >= fItems.size())
        fItems.resize(size_t(index) + 1, nullptr);
    if (!fItems[size_t(index)]) {
        fItems[size_t(index)] = new ItemAccessible(this, index);
        QAccessible::registerAccessibleInterface(fItems[size_t(index)]);
    }
    return fItems[size_t(index)];
}

QRect ViewAccessible::OnScreen(const BRect& frame) const
{
    return QRect(widget()->mapToGlobal(QPoint(int(frame.left), int(frame.top))),
        QSize(int(frame.Width()) + 1, int(frame.Height()) + 1));
}

bool ViewAccessible::ItemHasFocus(int index) const
{
    return widget()->hasFocus() && fView->FocusedAccessibleItem() == index;
}

int ViewAccessible::ItemIndex(const QAccessibleInterface* item) const
{
    if (item && item == fAnnouncementParts[0])
        return fView->CountAccessibleItems();
    const auto found = std::find(fItems.begin(), fItems.end(), item);
    return item && found != fItems.end() ? int(found - fItems.begin()) : -1;
}

// The view's children are its table of cells, if it has cells, then its
// other items, then its announcements.
int ViewAccessible::childCount() const
{
    return fView->CountAccessibleItems() - CellCount() + (CellCount() > 0) + 1;
}

QAccessibleInterface* ViewAccessible::child(int index) const
{
    if (CellCount() == 0)
        return Item(index);
    return index == 0 ? CellsPart() : Item(index + CellCount() - 1);
}

int ViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child && child == fCellsPart)
        return 0;
    const int index = ItemIndex(child);
    if (index < CellCount())
        return -1;
    return index - CellCount() + (CellCount() > 0);
}

// The table's bounds hold all its cells, and what lies between them.
QAccessibleInterface* ViewAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < fView->CountAccessibleItems(); i++) {
        if (Item(i)->rect().contains(x, y))
            return i < CellCount() ? CellsPart() : Item(i);
    }
    return nullptr;
}

QAccessibleInterface* ViewAccessible::focusChild() const
{
    return widget()->hasFocus() ? Item(fView->FocusedAccessibleItem()) : nullptr;
}

QString ViewAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && !fView->AccessibleName().empty())
        return readers::FromUtf8(fView->AccessibleName());
    return QAccessibleWidget::text(t);
}
