#!/bin/sh
# Turns an English text into the made-up test language: its letters accented
# and the text about 40 % longer, within brackets, so that a text shown
# whole begins with "[" and ends with "]". The names of values to fill in,
# such as %tile%, stay as they are. Reads the text on standard input.
exec awk '
BEGIN {
    RS = "\001"
    split("a b c d e f g h i j k l m n o p q r s t u v w x y z", plain, " ")
    split("á ƀ ç ð é ƒ ĝ ĥ í ĵ ķ ĺ ɱ ñ ö þ ǫ ŕ š ţ û ṽ ŵ ẋ ý ž", accented, " ")
    split("Å Ɓ Ç Ð É Ƒ Ĝ Ĥ Î Ĵ Ķ Ļ Ṁ Ñ Ö Þ Ǫ Ŕ Š Ţ Û Ṽ Ŵ Ẋ Ý Ž", upper, " ")
    for (i = 1; i <= 26; i++) {
        map[plain[i]] = accented[i]
        map[toupper(plain[i])] = upper[i]
    }
}
{ text = $0 }
END {
    out = ""; inName = 0; letters = 0
    for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        if (c == "%") inName = !inName
        if (!inName && c in map) { out = out map[c]; letters++ } else out = out c
    }
    pad = ""
    for (i = 0; i < int(letters * 0.4 + 0.5) - 2; i++) pad = pad "~"
    tail = ""
    if (substr(out, length(out), 1) == "\n") { tail = "\n"; out = substr(out, 1, length(out) - 1) }
    printf "[%s %s]%s", out, pad, tail
}'
