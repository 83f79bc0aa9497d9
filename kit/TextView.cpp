#include "TextView.h"

#include <QLabel>

BTextView::BTextView(QLabel* label)
    : fLabel(label)
{
}

void BTextView::Insert(const char* text)
{
    fText += text;
    fLabel->setText(QString::fromUtf8(fText.c_str()));
}
