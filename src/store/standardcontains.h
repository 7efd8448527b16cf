#pragma once

#include <QString>

struct UCollator;

// "Contains" as people expect it of a search box: case and diacritics ignored, letters compared
// by the rules of the user's locale ("Å" finds "a", "ß" finds "ss"), anywhere in the text. Done
// by ICU's string search with a primary-strength collator, not by lower-casing both sides.
// The text is not trimmed: spaces count.
class StandardContains
{
public:
    StandardContains();
    ~StandardContains();
    StandardContains(const StandardContains &) = delete;
    StandardContains &operator=(const StandardContains &) = delete;

    // False for an empty pattern, as nothing is searched for.
    bool operator()(const QString &text, const QString &pattern) const;

private:
    UCollator *m_collator = nullptr; // null when ICU has no collator: then nothing matches
};
