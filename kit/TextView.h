#pragma once

#include <string>

class QLabel;

// The text of an alert. Each Insert appends at the insertion point, which
// follows the text inserted before.
class BTextView {
public:
    void Insert(const char* text);

private:
    friend class BAlert;
    explicit BTextView(QLabel* label);

    QLabel* fLabel;
    std::string fText;
};
