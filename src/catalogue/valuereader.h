#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Reads catalogue values one after another, regardless of lines. Each value is
// a view into the text (a quoted value without its quotes), so reading
// allocates nothing.
class ValueReader final
{
public:
    explicit ValueReader(std::string_view text) : m_cur(text.data()), m_end(text.data() + text.size()) {}

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
        const char *p = m_cur;
        while (p != m_end && (*p == ' ' || *p == '\t'))
            ++p;
        const bool negative = p != m_end && *p == '-';
        p += negative;
        const char *const digits = p;
        std::int64_t whole = 0;
        while (p != m_end && p - digits < 16 && static_cast<unsigned char>(*p - '0') < 10)
            whole = whole * 10 + (*p++ - '0');
        if (p == digits || p - digits > 15)
            return false;
        while (p != m_end && (*p == ' ' || *p == '\t'))
            ++p;
        if (p != m_end && !IsSeparator(*p))
            return false;
        number = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
        m_cur = p;
        SkipSeparator();
        return true;
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
    // Quoted values, empty values, empty lines and the end of the text.
    bool NextSpecial(std::string_view &value);
    bool AtLineEnd() const { return m_cur != m_end && (*m_cur == '\r' || *m_cur == '\n'); }
    void SkipLineEnd()
    {
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
    bool m_afterComma = false; // a comma was just read, so another value follows
};
