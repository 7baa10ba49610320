#!/usr/bin/env python3
"""Derives english.txt from Debian's wamerican-small word list (SCOWL size 35).

Run once by hand when the list should be renewed:
    python3 derive_english.py /usr/share/dict/american-english-small > english.txt

Kept: lower-case a-z words of 3 to 10 letters (so no proper nouns, possessives,
contractions or abbreviations with capitals), less
- regular inflections whose base word is also listed (plurals, -d/-ed/-ing verb forms,
  -est superlatives, -ier comparatives of -y words): the game draws target words at random,
  and base forms make better targets than "thatches" or "muggier";
- Roman numerals such as "xxiv" and a few vulgar words and slurs.
"""
import re
import sys

ROMAN_NUMERAL = re.compile(r"c{0,3}(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})")
WORD = re.compile(r"[a-z]{3,10}")
EXCLUDED = set("""
    ass asses bastard bastards bitch bitched bitches bitching cum cunt dyked faggot faggots
    fagot fagots horny pis pussy retard retarded retarding retards rpm slut sluts tit tits
    whore whores
""".split())


def base_forms(word):
    """Yields the words of which word could be a regular inflection."""
    for suffix, replacements in (("ies", ("y",)), ("es", ("",)), ("s", ("",)),
                                 ("ied", ("y",)), ("ed", ("", "e")), ("d", ("",)),
                                 ("ing", ("", "e")), ("iest", ("y",)), ("est", ("", "e")),
                                 ("ier", ("y",))):
        if not word.endswith(suffix):
            continue
        stem = word[: -len(suffix)]
        for replacement in replacements:
            yield stem + replacement
        if len(stem) > 2 and stem[-1] == stem[-2]:
            yield stem[:-1]  # doubled final consonant: "stopped", "biggest"


def main():
    with open(sys.argv[1], encoding="utf-8") as source:
        words = [line.strip() for line in source]
    kept = [w for w in words if WORD.fullmatch(w)]
    known = set(kept)
    for word in kept:
        if word in EXCLUDED or ROMAN_NUMERAL.fullmatch(word):
            continue
        if any(base in known for base in base_forms(word)):
            continue
        print(word)


if __name__ == "__main__":
    main()
