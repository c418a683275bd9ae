// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Reads catalogue values one after another, regardless of lines. Each value is
// a view into the text (a quoted value without its quotes), so reading
// allocates nothing.
class ValueReader final
{
public:
    explicit ValueReader(std::string_view text)
        : m_cur(text.data()), m_end(text.data() + text.size()),
          m_lines(!text.empty() && text.back() != '\r' && text.back() != '\n')
    {
    }

    // The lines that the text's line ends make, counted as the reader passes
    // them, a last line without a line end included. The whole count once Next
    // has returned false.
    std::size_t Lines() const { return m_lines; }

    // False when the text has no value left.
    [[gnu::always_inline]] bool Next(std::string_view &value)
    {
        // Inline path for the usual value: unquoted, on a line that goes on.
        const char *p = m_cur;
        while (p != m_end && (*p == ' ' || *p == '\t'))
            ++p;
        if (p == m_end || *p == '"' || IsSeparator(*p))
            return NextSpecial(value);
        const char *const begin = p;
        p = FindSeparator(p, m_end);
        value = std::string_view(begin, static_cast<std::size_t>(p - begin));
        m_cur = p;
        SkipSeparator();
        return true;
    }

    // Reads the next value when it is a plain whole number of up to 15 digits,
    // nearly every number of a catalogue, converting it on the way. Otherwise
    // returns false and reads nothing, leaving the value to Next.
    [[gnu::always_inline]] bool NextWhole(double &number)
    {
        const char *p = ScanWhole(m_cur, m_end, number);
        if (!p || (p != m_end && !IsSeparator(*p)))
            return false;
        m_cur = p;
        SkipSeparator();
        return true;
    }

    // Reads a whole row of six values when it fills one line of up to 63 bytes
    // in the plain form: no quote, five commas, a line end, and values 2 to 6
    // whole numbers of up to 15 digits with blanks only before them.
    // Otherwise reads nothing and returns false, leaving the row to Next and
    // NextWhole, which read such a row the same way. Looks at the whole line at
    // once, with hardly a branch that depends on the bytes.
    bool NextPlainRow(std::string_view &name, double *numbers)
    {
#if defined(__SSE2__)
        // The line is looked for in the next 64 bytes.
        if (m_afterComma || m_end - m_cur < 64)
            return false;
        std::uint64_t commas = 0;
        std::uint64_t stops = 0; // line ends and quotes
        for (int block = 0; block < 4 && stops == 0; ++block) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(m_cur + 16 * block));
            const auto match = [&bytes](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
            const auto bits = [block](__m128i m) {
                const auto mask = static_cast<unsigned>(_mm_movemask_epi8(m));
                return static_cast<std::uint64_t>(mask) << (16 * block);
            };
            commas |= bits(match(','));
            stops |= bits(_mm_or_si128(_mm_or_si128(match('\r'), match('\n')), match('"')));
        }
        if (stops == 0)
            return false;
        const int lineEnd = std::countr_zero(stops);
        if (m_cur[lineEnd] == '"')
            return false;
        commas &= (std::uint64_t{1} << lineEnd) - 1;
        int ends[6];
        for (int field = 0; field < 5; ++field) {
            if (commas == 0)
                return false;
            ends[field] = std::countr_zero(commas);
            commas &= commas - 1;
        }
        ends[5] = lineEnd;
        if (commas != 0)
            return false;

#pragma GCC unroll 5
        for (int field = 0; field < 5; ++field)
            if (!ReadPlainWhole(m_cur + ends[field] + 1, m_cur + ends[field + 1], numbers[field]))
                return false;
        const char *begin = m_cur;
        const char *const nameEnd = m_cur + ends[0];
        while (begin != nameEnd && (*begin == ' ' || *begin == '\t'))
            ++begin;
        name = std::string_view(begin, static_cast<std::size_t>(nameEnd - begin));
        m_cur += lineEnd;
        SkipLineEnd();
        return true;
#else
        (void)name;
        (void)numbers;
        return false;
#endif
    }

    // Comma, CR or LF; most bytes are above ',' and leave after one comparison.
    static bool IsSeparator(char c)
    {
        return static_cast<unsigned char>(c) <= ',' && (c == ',' || c == '\r' || c == '\n');
    }

    // The first comma, CR or LF from p on, or end. Looks at eight bytes at a
    // time: a catalogue of many thousand games is read at about the speed of
    // reading its lines.
    static const char *FindSeparator(const char *p, const char *end)
    {
        if constexpr (std::endian::native == std::endian::little) {
            constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
            const auto zeroBytes = [](std::uint64_t x) { return (x - kOnes) & ~x & (kOnes << 7); };
            while (end - p >= 8) {
                std::uint64_t word;
                std::memcpy(&word, p, sizeof word);
                // The lowest marked byte is always a true match; only bytes after one can be marked falsely.
                const std::uint64_t hits = zeroBytes(word ^ (kOnes * ',')) |
                                           zeroBytes(word ^ (kOnes * '\r')) |
                                           zeroBytes(word ^ (kOnes * '\n'));
                if (hits)
                    return p + (std::countr_zero(hits) >> 3);
                p += 8;
            }
        }
        while (p != end && !IsSeparator(*p))
            ++p;
        return p;
    }

private:
    // A plain whole number of up to 15 digits between blanks, from p on but not
    // past end: the position after it and its trailing blanks, or null.
    [[gnu::always_inline]] static const char *ScanWhole(const char *p, const char *end, double &number)
    {
        while (p != end && (*p == ' ' || *p == '\t'))
            ++p;
        const bool negative = p != end && *p == '-';
        p += negative;
        const char *const digits = p;
        std::int64_t whole = 0;
        while (p != end && p - digits < 16 && static_cast<unsigned char>(*p - '0') < 10)
            whole = whole * 10 + (*p++ - '0');
        if (p == digits || p - digits > 15)
            return nullptr;
        while (p != end && (*p == ' ' || *p == '\t'))
            ++p;
        number = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
        return p;
    }

    // Reads [begin, end) as blanks and then 1 to 15 digits.
    [[gnu::always_inline]] static bool ReadPlainWhole(const char *begin, const char *end, double &number)
    {
        // Most numbers: one or two digits after at most one blank. An empty
        // value still has its separator at begin to look at.
        const char *const first = begin + (*begin == ' ');
        const unsigned tens = static_cast<unsigned char>(first[0]) - unsigned{'0'};
        if (end - first == 1 && tens <= 9) {
            number = tens;
            return true;
        }
        if (end - first == 2) {
            const unsigned ones = static_cast<unsigned char>(first[1]) - unsigned{'0'};
            if (tens <= 9 && ones <= 9) {
                number = tens * 10 + ones;
                return true;
            }
        }
        while (begin != end && (*begin == ' ' || *begin == '\t'))
            ++begin;
        if (begin == end || end - begin > 15)
            return false;
        std::int64_t whole = 0;
        do {
            const unsigned digit = static_cast<unsigned char>(*begin) - unsigned{'0'};
            if (digit > 9)
                return false;
            whole = whole * 10 + digit;
        } while (++begin != end);
        number = static_cast<double>(whole);
        return true;
    }

    // Quoted values, empty values, empty lines and the end of the text.
    bool NextSpecial(std::string_view &value);
    bool AtLineEnd() const { return m_cur != m_end && (*m_cur == '\r' || *m_cur == '\n'); }
    void SkipLineEnd()
    {
        ++m_lines;
        if (*m_cur == '\r' && m_cur + 1 != m_end && m_cur[1] == '\n')
            m_cur += 2;
        else
            ++m_cur;
    }
    // Consumes the comma or line end that ends a value.
    void SkipSeparator()
    {
        m_afterComma = false;
        if (m_cur == m_end)
            return;
        if (*m_cur == ',') {
            ++m_cur;
            m_afterComma = true;
        } else {
            SkipLineEnd();
        }
    }

    const char *m_cur;
    const char *m_end;
    std::size_t m_lines;
    bool m_afterComma = false; // a comma was just read, so another value follows
};
