#include "Catalog.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>

const BCatalog* be_catalog = nullptr;

namespace {

constexpr uint32_t kMagic = 0x950412de;

// "de_DE.UTF-8@euro" asks for "de_DE", then "de".
void AddLanguage(std::vector<std::string>& languages, std::string_view name)
{
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty())
        return;
    languages.emplace_back(name);
    const size_t territory = name.find('_');
    if (territory != std::string_view::npos)
        languages.emplace_back(name.substr(0, territory));
}

bool IsPlainLocale(std::string_view locale)
{
    return locale.empty() || locale == "C" || locale == "POSIX";
}

// A .mo file is a header of 32-bit words, in the byte order of the machine
// that wrote it, and two tables of (length, offset) pairs: the originals,
// sorted, and their translations.
class MoFile {
public:
    explicit MoFile(std::string_view bytes)
        : fBytes(bytes)
    {
        fSwapped = Word(0) != kMagic;
    }

    // Each text takes at least two table entries of eight bytes.
    bool Valid() const
    {
        return fBytes.size() >= 28 && Word(0) == kMagic && uint64_t(Count()) * 16 <= fBytes.size();
    }
    uint32_t Count() const { return Word(8); }
    std::string_view Original(uint32_t i) const { return Entry(Word(12), i); }
    std::string_view Translation(uint32_t i) const { return Entry(Word(16), i); }

private:
    uint32_t Word(size_t at) const
    {
        if (at + 4 > fBytes.size())
            return 0;
        uint32_t word = 0;
        std::memcpy(&word, fBytes.data() + at, 4);
        return fSwapped ? __builtin_bswap32(word) : word;
    }

    // An entry that lies outside the file reads as empty.
    std::string_view Entry(uint32_t table, uint32_t i) const
    {
        const uint64_t at = uint64_t(table) + uint64_t(i) * 8;
        if (at + 8 > fBytes.size())
            return {};
        const uint32_t length = Word(at), offset = Word(at + 4);
        if (uint64_t(offset) + length > fBytes.size())
            return {};
        return fBytes.substr(offset, length);
    }

    std::string_view fBytes;
    bool fSwapped = false;
};

} // namespace

BCatalog::BCatalog(const std::string& name, const std::vector<std::string>& folders)
    : BCatalog(name, folders,
        LanguagesAsked(getenv("LANGUAGE"), getenv("LC_ALL"), getenv("LC_MESSAGES"), getenv("LANG")))
{
}

BCatalog::BCatalog(const std::string& name, const std::vector<std::string>& folders,
    const std::vector<std::string>& languages)
{
    for (const std::string& language : languages) {
        for (const std::string& folder : folders) {
            if (Load(folder + "/" + language + "/LC_MESSAGES/" + name + ".mo")) {
                fLanguage = language;
                return;
            }
        }
    }
}

const char* BCatalog::GetString(const char* text) const
{
    const auto found = fTexts.find(std::string_view(text));
    return found == fTexts.end() ? text : found->second.c_str();
}

bool BCatalog::IsRightToLeft() const
{
    const std::string_view language = std::string_view(fLanguage).substr(0, fLanguage.find('_'));
    for (const char* script : {"ar", "fa", "he", "ur", "yi"}) {
        if (language == script)
            return true;
    }
    return false;
}

// As gettext does, LANGUAGE counts only where a locale other than C is set,
// and then stands in for the locale's language.
std::vector<std::string> BCatalog::LanguagesAsked(
    const char* language, const char* all, const char* messages, const char* lang)
{
    std::string_view locale;
    for (const char* setting : {all, messages, lang}) {
        if (setting && *setting) {
            locale = setting;
            break;
        }
    }
    std::vector<std::string> languages;
    if (IsPlainLocale(locale))
        return languages;
    for (std::string_view list = language ? language : ""; !list.empty();) {
        const size_t colon = std::min(list.find(':'), list.size());
        AddLanguage(languages, list.substr(0, colon));
        list.remove_prefix(std::min(colon + 1, list.size()));
    }
    if (languages.empty())
        AddLanguage(languages, locale);
    return languages;
}

// A text without a translation (or the header, whose original is empty)
// keeps its own words.
bool BCatalog::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    const MoFile file(bytes);
    if (!file.Valid())
        return false;
    for (uint32_t i = 0; i < file.Count(); i++) {
        const std::string_view original = file.Original(i), translation = file.Translation(i);
        if (!original.empty() && !translation.empty())
            fTexts.emplace(original, translation);
    }
    return true;
}
