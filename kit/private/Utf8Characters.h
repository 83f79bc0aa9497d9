#pragma once

// Qt reads text as UTF-8 whatever the locale says, and Qt 6.8 and 6.11 (not
// 6.4) switch a locale of other characters to UTF-8 themselves, with four
// lines of warning at every start; in the C locale of a fresh container or a
// script, that is every start. Making one of these before Qt starts makes the
// same switch first, quietly.
struct Utf8Characters {
    Utf8Characters();
};
