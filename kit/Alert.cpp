#include "Alert.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

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

void BAlert::ResizeTo(float width, float height)
{
    fData->dialog.setFixedSize(int(width), int(height));
}

int32 BAlert::Go()
{
    // Alerts stand in the middle of the screen, whatever window asked for them.
    QDialog& dialog = fData->dialog;
    const QRect area = dialog.screen()->availableGeometry();
    dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    const int32 index = dialog.exec();
    delete this;
    return index;
}
