#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace richtext {

// Writes a small RTF document: one font (Arial), a colour table, bold, italic, font size and
// paragraphs. Text is taken as UTF-8; characters of Windows-1252 are written as \'hh, all
// others as \uN? so that any RTF reader shows them.
class RtfWriter
{
public:
    RtfWriter();

    // Index for \cfN; index 0 is the reader's default colour.
    int colour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    RtfWriter &bold(bool on);
    RtfWriter &italic(bool on);
    RtfWriter &fontSize(int points);
    RtfWriter &foreground(int colourIndex);
    RtfWriter &text(std::string_view utf8);
    RtfWriter &paragraph();

    // The complete document; the writer may not be used afterwards.
    std::string finish();

    // Escapes one piece of UTF-8 text for RTF (exposed for tests).
    static std::string escape(std::string_view utf8);

private:
    struct Rgb
    {
        std::uint8_t r, g, b;
    };
    std::vector<Rgb> m_colours;
    std::string m_body;
    bool m_needSpace = false; // a control word was written and the next text must not run into it

    void control(std::string_view word);
};

} // namespace richtext
