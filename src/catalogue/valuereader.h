#pragma once

#include <cstddef>
#include <string_view>

// Reads catalogue values one after another, regardless of lines. Each value is
// a view into the text (a quoted value without its quotes), so reading
// allocates nothing.
class ValueReader final
{
public:
    explicit ValueReader(std::string_view text) : m_text(text) {}

    // False when the text has no value left.
    bool Next(std::string_view &value);

private:
    bool AtLineEnd() const
    {
        return m_pos < m_text.size() && (m_text[m_pos] == '\r' || m_text[m_pos] == '\n');
    }
    void SkipLineEnd();
    // Consumes the comma or line end that ends a value.
    void SkipSeparator();

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_afterComma = false; // a comma was just read, so another value follows
};
