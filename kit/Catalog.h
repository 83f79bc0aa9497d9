#pragma once

#include <map>
#include <string>
#include <vector>

// The program's texts in the player's language, from a gettext catalogue (a
// compiled .mo file). The language is the desktop's, found as gettext finds
// it: the list in LANGUAGE, then the locale of LC_ALL, LC_MESSAGES or LANG;
// in the C or POSIX locale, or where no catalogue matches, every text stays
// as the program writes it. The catalogue is read here rather than through
// libintl's gettext, which translates only where setlocale could take the
// locale LANG names, and so gives English wherever that locale has not been
// generated, as on most containers and minimal systems; Qt's translator
// reads only its own .qm files, which gettext's tools do not make.
class BCatalog {
public:
    // Loads the catalogue of this name for the first language asked for that
    // has one in a folder laid out as /usr/share/locale is: the desktop's
    // languages, or the ones given.
    BCatalog(const std::string& name, const std::vector<std::string>& folders);
    BCatalog(const std::string& name, const std::vector<std::string>& folders,
        const std::vector<std::string>& languages);

    // The text in the catalogue's language; the text itself where the
    // catalogue lacks it.
    const char* GetString(const char* text) const;

    // The catalogue's language as its folder names it ("de", "pt_BR"), empty
    // where texts stay as written.
    const std::string& Language() const { return fLanguage; }
    // Whether the language is written from right to left.
    bool IsRightToLeft() const;

    // The languages to look for, best first, from these settings: the list
    // in LANGUAGE if there is one, else the locale's language; each "ll_CC"
    // followed by its "ll".
    static std::vector<std::string> LanguagesAsked(
        const char* language, const char* all, const char* messages, const char* lang);

private:
    bool Load(const std::string& path);

    std::map<std::string, std::string, std::less<>> fTexts;
    std::string fLanguage;
};

// The application's catalogue, which the application object loads.
extern const BCatalog* be_catalog;

// Marks a text for the translators' template and gives it in the player's
// language.
#define B_TRANSLATE(text) (be_catalog ? be_catalog->GetString(text) : (text))
// Marks a text for the template only, where it is translated later.
#define B_TRANSLATE_MARK(text) (text)
