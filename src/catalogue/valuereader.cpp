// SPDX-License-Identifier: GPL-3.0-or-later
// Reading catalogue text: the values one after another, and its lines.
#include "valuereader.h"

#include "catalogueloader.h"

bool ValueReader::NextSpecial(std::string_view &value)
{
    for (;;) {
        while (m_cur != m_end && (*m_cur == ' ' || *m_cur == '\t'))
            ++m_cur;
        if (m_cur == m_end) {
            // A comma at the very end still separates an empty value from the one before.
            if (!m_afterComma)
                return false;
            m_afterComma = false;
            value = {};
            return true;
        }
        if (!AtLineEnd())
            break;
        SkipLineEnd();
        if (m_afterComma) {
            m_afterComma = false;
            value = {};
            return true;
        }
        // An empty (or blank) line yields no value.
    }

    if (*m_cur == '"') {
        const char *const begin = m_cur + 1;
        const char *end = begin;
        // Line ends inside the quotes count as lines all the same.
        for (; end != m_end && *end != '"'; ++end)
            m_lines += *end == '\n' || (*end == '\r' && (end + 1 == m_end || end[1] != '\n'));
        value = std::string_view(begin, static_cast<std::size_t>(end - begin));
        // Whatever follows the closing quote up to the separator is dropped.
        m_cur = end == m_end ? end : end + 1;
        while (m_cur != m_end && !IsSeparator(*m_cur))
            ++m_cur;
    } else {
        // An unquoted value after skipped empty lines, or none at all (a comma
        // right here gives an empty value).
        const char *const begin = m_cur;
        m_cur = FindSeparator(m_cur, m_end);
        value = std::string_view(begin, static_cast<std::size_t>(m_cur - begin));
    }
    SkipSeparator();
    return true;
}

std::vector<std::string> ReadValues(std::string_view text)
{
    std::vector<std::string> values;
    ValueReader reader(text);
    std::string_view value;
    while (reader.Next(value))
        values.emplace_back(value);
    return values;
}

std::size_t CountLines(std::string_view text)
{
    const std::size_t size = text.size();
    if (size == 0)
        return 0;
    // Every LF ends a line, and so does every CR not followed by LF.
    const char *const bytes = text.data();
    std::size_t lines = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time, each lane counting up to 255 line ends before the
    // lanes are summed.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    while (i + 17 <= size) {
        __m128i counts = _mm_setzero_si128();
        for (int round = 0; round < 255 && i + 17 <= size; ++round, i += 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i + 1));
            const __m128i ends =
                _mm_or_si128(_mm_cmpeq_epi8(here, lf),
                             _mm_andnot_si128(_mm_cmpeq_epi8(next, lf), _mm_cmpeq_epi8(here, cr)));
            counts = _mm_sub_epi8(counts, ends);
        }
        const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
        lines += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
#endif
    for (; i + 1 < size; ++i)
        lines += bytes[i] == '\n' || (bytes[i] == '\r' && bytes[i + 1] != '\n');
    // The last byte ends a line either way: as a line end, or as the end of a
    // last line that has none.
    return lines + 1;
}
