#include "richtext/RtfTokenizer.h"

namespace richtext {

namespace {

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

RtfTokenizer::Token RtfTokenizer::next()
{
    Token token;
    const qsizetype size = m_input.size();
    while (m_pos < size) {
        const char16_t c = m_input[m_pos].unicode();
        if (c == u'{') {
            ++m_pos;
            token.kind = Kind::GroupOpen;
            return token;
        }
        if (c == u'}') {
            ++m_pos;
            token.kind = Kind::GroupClose;
            return token;
        }
        if (c != u'\\') {
            const qsizetype start = m_pos;
            while (m_pos < size) {
                const char16_t d = m_input[m_pos].unicode();
                if (d == u'\\' || d == u'{' || d == u'}')
                    break;
                ++m_pos;
            }
            token.kind = Kind::Text;
            token.text = m_input.sliced(start, m_pos - start);
            return token;
        }

        // A backslash: control word, control symbol or \'hh.
        ++m_pos;
        if (m_pos >= size)
            break; // a lone backslash at the very end means nothing
        const char16_t d = m_input[m_pos].unicode();
        if (isLetter(d)) {
            readWord(token);
            return token;
        }
        ++m_pos;
        if (d == u'\'') {
            const int high = m_pos < size ? hexValue(m_input[m_pos].unicode()) : -1;
            const int low = m_pos + 1 < size ? hexValue(m_input[m_pos + 1].unicode()) : -1;
            if (high < 0 || low < 0)
                continue; // a broken escape is dropped; what follows is read normally
            m_pos += 2;
            token.kind = Kind::Byte;
            token.byte = std::uint8_t(high * 16 + low);
            return token;
        }
        token.kind = Kind::Symbol;
        token.symbol = d;
        return token;
    }
    token.kind = Kind::End;
    return token;
}

void RtfTokenizer::readWord(Token &token)
{
    const qsizetype size = m_input.size();
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_input[m_pos].unicode()))
        ++m_pos;
    const qsizetype length = m_pos - start;
    token.kind = Kind::Word;
    if (length <= MaxNameLength) {
        for (qsizetype i = 0; i < length; ++i)
            token.name[i] = char(m_input[start + i].unicode());
        token.nameLength = int(length);
    }

    // An optional parameter: a hyphen counts as a minus sign only when a digit follows it.
    bool negative = false;
    if (m_pos + 1 < size && m_input[m_pos] == u'-' && isDigit(m_input[m_pos + 1].unicode())) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_input[m_pos].unicode())) {
        token.hasParam = true;
        int value = 0;
        while (m_pos < size && isDigit(m_input[m_pos].unicode())) {
            const int digit = m_input[m_pos].unicode() - u'0';
            value = value > (ParamLimit - digit) / 10 ? ParamLimit : value * 10 + digit;
            ++m_pos;
        }
        token.param = negative ? -value : value;
    }

    // One space ends the word and belongs to it.
    if (m_pos < size && m_input[m_pos] == u' ')
        ++m_pos;
}

void RtfTokenizer::skip(qsizetype count)
{
    if (count <= 0)
        return;
    m_pos += qMin(count, m_input.size() - m_pos);
}

} // namespace richtext
