#include "standardcontains.h"

#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <unicode/usearch.h>

#include <cstring>

namespace {

const UChar *chars(const QString &text) { return reinterpret_cast<const UChar *>(text.constData()); }

// The user's locale; under the C locale ICU reports "en_US_POSIX", whose collation orders ASCII
// by code point and so tells "a" from "A" even at primary strength: the root collation then.
const char *collationLocale()
{
    const char *locale = uloc_getDefault();
    return std::strcmp(locale, "en_US_POSIX") == 0 ? "" : locale;
}

} // namespace

StandardContains::StandardContains()
{
    UErrorCode status = U_ZERO_ERROR;
    m_collator = ucol_open(collationLocale(), &status);
    if (U_FAILURE(status)) {
        ucol_close(m_collator);
        m_collator = nullptr;
        return;
    }
    // Primary strength: base letters only, so case, accents and width make no difference.
    ucol_setStrength(m_collator, UCOL_PRIMARY);
}

StandardContains::~StandardContains()
{
    ucol_close(m_collator);
}

bool StandardContains::operator()(const QString &text, const QString &pattern) const
{
    // ICU refuses empty texts and patterns; an empty text contains no non-empty pattern.
    if (!m_collator || pattern.isEmpty() || text.isEmpty())
        return false;
    UErrorCode status = U_ZERO_ERROR;
    UStringSearch *search = usearch_openFromCollator(chars(pattern), int32_t(pattern.size()), chars(text),
                                                     int32_t(text.size()), m_collator, nullptr, &status);
    const bool found = U_SUCCESS(status) && usearch_first(search, &status) != USEARCH_DONE && U_SUCCESS(status);
    usearch_close(search);
    return found;
}
