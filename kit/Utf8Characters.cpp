#include "Utf8Characters.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <string_view>

namespace {

struct Category {
    int id;
    const char* variable;
};

constexpr Category kCategories[] = {
    {LC_CTYPE, "LC_CTYPE"},
    {LC_NUMERIC, "LC_NUMERIC"},
    {LC_TIME, "LC_TIME"},
    {LC_COLLATE, "LC_COLLATE"},
    {LC_MONETARY, "LC_MONETARY"},
    {LC_MESSAGES, "LC_MESSAGES"},
    {LC_PAPER, "LC_PAPER"},
    {LC_NAME, "LC_NAME"},
    {LC_ADDRESS, "LC_ADDRESS"},
    {LC_TELEPHONE, "LC_TELEPHONE"},
    {LC_MEASUREMENT, "LC_MEASUREMENT"},
    {LC_IDENTIFICATION, "LC_IDENTIFICATION"},
};

bool IsUtf8()
{
    const std::string_view set = nl_langinfo(CODESET);
    return set == "UTF-8" || set == "utf8";
}

} // namespace

// The character type becomes C.UTF-8, and every other part of the locale
// stays as the environment has it where the system has that locale (C where
// it has not), written back to the environment that Qt sets the locale from.
Utf8Characters::Utf8Characters()
{
    if (std::setlocale(LC_ALL, "") && IsUtf8())
        return;
    for (const Category& category : kCategories)
        std::setlocale(category.id, "");
    if (!IsUtf8())
        std::setlocale(LC_CTYPE, "C.UTF-8");
    for (const Category& category : kCategories)
        setenv(category.variable, std::setlocale(category.id, nullptr), 1);
    unsetenv("LC_ALL");
}
