#pragma once

#include <string>

class BMessage;

class BHandler {
public:
    explicit BHandler(const char* name = nullptr);
    virtual ~BHandler();

    const char* Name() const { return fName.c_str(); }
    virtual void MessageReceived(BMessage* message);

private:
    std::string fName;
};
