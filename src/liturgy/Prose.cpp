#include "liturgy/Prose.h"

namespace liturgy {

namespace {

struct ProseEntry {
    std::string_view key;
    std::string_view text;
};

// Keep one entry per key. Paragraphs are separated by "\n".
constexpr ProseEntry kProse[] = {
    {"season:advent",
     "Advent prepares for the coming of the Lord: it looks to his return at the end of time and, "
     "from 17 December, to the feast of his birth. It is a time of devout and joyful expectation."},
    {"season:christmas",
     "Christmas Time celebrates the birth of the Lord and his first manifestations, from the "
     "evening of 24 December to the Sunday of the Baptism of the Lord."},
    {"season:ordinary",
     "Ordinary Time honours the mystery of Christ in its fullness, Sunday by Sunday, outside the "
     "seasons that have a character of their own."},
    {"season:lent",
     "Lent prepares for the celebration of Easter through the remembrance of baptism and through "
     "penance, with prayer, fasting and almsgiving."},
    {"season:holyweek",
     "Holy Week recalls the passion of Christ from his messianic entry into Jerusalem."},
    {"season:triduum",
     "The Easter Triduum of the Passion and Resurrection of the Lord is the high point of the "
     "liturgical year."},
    {"season:easter",
     "The fifty days from Easter Sunday to Pentecost are celebrated in joy as one feast day, "
     "\"one great Sunday\"."},
    {"christmas", "The Church celebrates the birth of the Son of God made man."},
    {"easter-sunday",
     "The Resurrection of the Lord, the greatest of all solemnities. The Easter octave that "
     "follows is kept as solemnities of the Lord."},
    {"joseph",
     "Saint Joseph, spouse of the Virgin Mary and guardian of the Redeemer, patron of the "
     "universal Church.\nWhen 19 March falls on a Sunday of Lent the solemnity is kept on the "
     "Monday; in Holy Week it is kept before Palm Sunday."},
    {"annunciation",
     "The Word was made flesh: the angel's message to the Virgin Mary. When 25 March falls in Holy "
     "Week or the Easter octave, the solemnity is kept on the Monday after the Second Sunday of "
     "Easter."},
    {"immaculate-conception",
     "Mary was preserved from all stain of original sin from the first moment of her conception. "
     "Patronal feast of the United States of America."},
    {"our-lady-of-guadalupe",
     "The appearances of the Virgin Mary to Saint Juan Diego at Tepeyac near Mexico City in 1531. "
     "Patroness of the Americas."},
    {"francis-of-assisi",
     "Francis of Assisi (1181/82-1226) left his wealth to live the Gospel in poverty and founded "
     "the Order of Friars Minor."},
    {"thanksgiving",
     "On Thanksgiving Day the Mass for giving thanks to God may be celebrated."},
    {"independence-day",
     "On Independence Day the Mass for the country or for peace and justice may be celebrated."},
};

} // namespace

std::string_view proseFor(std::string_view key)
{
    for (const ProseEntry& e : kProse)
        if (e.key == key)
            return e.text;
    return {};
}

} // namespace liturgy
