#include "Alert.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

#include "TextView.h"

namespace {

QLabel* IconLabel(alert_type type)
{
    auto* label = new QLabel;
    if (type == B_INFO_ALERT) {
        const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
        label->setPixmap(icon.pixmap(32, 32));
    }
    label->setAlignment(Qt::AlignTop);
    return label;
}

} // namespace

struct BAlert::Data {
    QDialog dialog;
    QSize size;
    QLabel* text = new QLabel;
    BTextView textView {text};
};

BAlert::BAlert(const char* title, const char* text, const char* button0, const char* button1,
    const char* button2, button_width, alert_type type)
    : fData(new Data)
{
    QDialog& dialog = fData->dialog;
    dialog.setWindowTitle(QString::fromUtf8(title));
    dialog.setWindowModality(Qt::ApplicationModal);
    fData->text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fData->text->setWordWrap(true);
    if (text)
        fData->textView.Insert(text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const char* labels[3] = {button0, button1, button2};
    for (int index = 0; index < 3 && labels[index]; index++) {
        auto* button = new QPushButton(QString::fromUtf8(labels[index]));
        QObject::connect(
            button, &QPushButton::clicked, &dialog, [&dialog, index] { dialog.done(index); });
        buttons->addWidget(button);
        button->setDefault(index == 0);
    }
    auto* body = new QHBoxLayout;
    body->addWidget(IconLabel(type));
    body->addWidget(fData->text, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}

BAlert::~BAlert() = default;

BTextView* BAlert::TextView() const
{
    return &fData->textView;
}

// The size is the least the alert takes; a larger font makes it grow so that
// its text stays whole.
void BAlert::ResizeTo(float width, float height)
{
    fData->size = QSize(int(width), int(height));
}

int32 BAlert::Go()
{
    QDialog& dialog = fData->dialog;
    QSize size = dialog.sizeHint().expandedTo(fData->size);
    if (dialog.layout()->hasHeightForWidth())
        size.setHeight(std::max(size.height(), dialog.layout()->totalHeightForWidth(size.width())));
    dialog.setFixedSize(size);
    // Alerts stand in the middle of the screen, whatever window asked for them.
    const QRect area = dialog.screen()->availableGeometry();
    dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    const int32 index = dialog.exec();
    delete this;
    return index;
}
