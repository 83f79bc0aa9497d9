#include "Handler.h"

BHandler::BHandler(const char* name)
    : fName(name ? name : "")
{
}

BHandler::~BHandler() = default;

void BHandler::MessageReceived(BMessage*)
{
}
