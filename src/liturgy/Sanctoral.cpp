#include "liturgy/Sanctoral.h"

#include <iterator>

namespace liturgy {

namespace {

constexpr int Ever = 1583;
constexpr int Still = 9999;

// Years of force: 1969 for the reformed General Calendar (before any year this program can
// write); 2002 for the third typical edition of the Roman Missal; later years for the decrees
// that inscribed or raised a celebration. docs/calendar.md gives the source of each.
constexpr int Missal2002 = 2002;

using enum Grade;
using enum Colour;
using enum Scope;

// clang-format off
constexpr SanctoralEntry Entries[] = {
    // January
    {1, 1, Solemnity, White, Both, Ever, Still, "mary-mother-of-god", "Solemnity of Mary, the Holy Mother of God", "Mary, Mother of God"},
    {1, 2, Memorial, White, Both, Ever, Still, "basil-gregory", "Saints Basil the Great and Gregory Nazianzen, Bishops and Doctors", "Sts Basil and Gregory"},
    {1, 3, OptionalMemorial, White, Both, Missal2002, Still, "holy-name-of-jesus", "The Most Holy Name of Jesus", "Holy Name of Jesus"},
    {1, 4, Memorial, White, UsaOnly, 1972, 1975, "elizabeth-ann-seton", "Blessed Elizabeth Ann Seton, Religious", "Bl. Elizabeth Ann Seton"},
    {1, 4, Memorial, White, UsaOnly, 1976, Still, "elizabeth-ann-seton", "Saint Elizabeth Ann Seton, Religious", "St Elizabeth Ann Seton"},
    {1, 5, Memorial, White, UsaOnly, 1972, 1977, "john-neumann", "Blessed John Neumann, Bishop", "Bl. John Neumann"},
    {1, 5, Memorial, White, UsaOnly, 1978, Still, "john-neumann", "Saint John Neumann, Bishop", "St John Neumann"},
    {1, 6, OptionalMemorial, White, UsaOnly, 1983, 2010, "andre-bessette", "Blessed Andre Bessette, Religious", "Bl. Andre Bessette"},
    {1, 6, OptionalMemorial, White, UsaOnly, 2011, Still, "andre-bessette", "Saint Andre Bessette, Religious", "St Andre Bessette"},
    {1, 7, OptionalMemorial, White, Both, Ever, Still, "raymond-of-penyafort", "Saint Raymond of Penyafort, Priest", "St Raymond of Penyafort"},
    {1, 13, OptionalMemorial, White, Both, Ever, Still, "hilary", "Saint Hilary, Bishop and Doctor of the Church", "St Hilary"},
    {1, 17, Memorial, White, Both, Ever, Still, "anthony-abbot", "Saint Anthony, Abbot", "St Anthony, Abbot"},
    {1, 20, OptionalMemorial, Red, Both, Ever, Still, "fabian", "Saint Fabian, Pope and Martyr", "St Fabian"},
    {1, 20, OptionalMemorial, Red, Both, Ever, Still, "sebastian", "Saint Sebastian, Martyr", "St Sebastian"},
    {1, 21, Memorial, Red, Both, Ever, Still, "agnes", "Saint Agnes, Virgin and Martyr", "St Agnes"},
    {1, 22, OptionalMemorial, Red, UniversalOnly, Ever, Still, "vincent-deacon", "Saint Vincent, Deacon and Martyr", "St Vincent"},
    {1, 22, OptionalMemorial, Red, UsaOnly, Ever, 2011, "vincent-deacon", "Saint Vincent, Deacon and Martyr", "St Vincent"},
    {1, 22, Memorial, White, UsaOnly, 2012, Still, "day-of-prayer-unborn", "Day of Prayer for the Legal Protection of Unborn Children", "Day of Prayer for the Unborn", DateRule::January22UnlessSunday},
    {1, 23, OptionalMemorial, Red, UsaOnly, 2012, Still, "vincent-deacon", "Saint Vincent, Deacon and Martyr", "St Vincent"},
    {1, 23, OptionalMemorial, White, UsaOnly, 2014, Still, "marianne-cope", "Saint Marianne Cope, Virgin", "St Marianne Cope"},
    {1, 24, Memorial, White, Both, Ever, Still, "francis-de-sales", "Saint Francis de Sales, Bishop and Doctor of the Church", "St Francis de Sales"},
    {1, 25, Feast, White, Both, Ever, Still, "conversion-of-paul", "The Conversion of Saint Paul the Apostle", "Conversion of St Paul"},
    {1, 26, Memorial, White, Both, Ever, Still, "timothy-titus", "Saints Timothy and Titus, Bishops", "Sts Timothy and Titus"},
    {1, 27, OptionalMemorial, White, Both, Ever, Still, "angela-merici", "Saint Angela Merici, Virgin", "St Angela Merici"},
    {1, 28, Memorial, White, Both, Ever, Still, "thomas-aquinas", "Saint Thomas Aquinas, Priest and Doctor of the Church", "St Thomas Aquinas"},
    {1, 31, Memorial, White, Both, Ever, Still, "john-bosco", "Saint John Bosco, Priest", "St John Bosco"},
    // February
    {2, 2, FeastOfTheLord, White, Both, Ever, Still, "presentation-of-the-lord", "The Presentation of the Lord", "Presentation of the Lord"},
    {2, 3, OptionalMemorial, Red, Both, Ever, Still, "blaise", "Saint Blaise, Bishop and Martyr", "St Blaise"},
    {2, 3, OptionalMemorial, White, Both, Ever, Still, "ansgar", "Saint Ansgar, Bishop", "St Ansgar"},
    {2, 5, Memorial, Red, Both, Ever, Still, "agatha", "Saint Agatha, Virgin and Martyr", "St Agatha"},
    {2, 6, Memorial, Red, Both, Ever, Still, "paul-miki", "Saint Paul Miki and Companions, Martyrs", "St Paul Miki and Companions"},
    {2, 8, OptionalMemorial, White, Both, Ever, Still, "jerome-emiliani", "Saint Jerome Emiliani", "St Jerome Emiliani"},
    {2, 8, OptionalMemorial, White, Both, Missal2002, Still, "josephine-bakhita", "Saint Josephine Bakhita, Virgin", "St Josephine Bakhita"},
    {2, 10, Memorial, White, Both, Ever, Still, "scholastica", "Saint Scholastica, Virgin", "St Scholastica"},
    {2, 11, OptionalMemorial, White, Both, Ever, Still, "our-lady-of-lourdes", "Our Lady of Lourdes", "Our Lady of Lourdes"},
    {2, 14, Memorial, White, Both, Ever, Still, "cyril-methodius", "Saints Cyril, Monk, and Methodius, Bishop", "Sts Cyril and Methodius"},
    {2, 17, OptionalMemorial, White, Both, Ever, Still, "servite-founders", "The Seven Holy Founders of the Servite Order", "Seven Servite Founders"},
    {2, 21, OptionalMemorial, White, Both, Ever, Still, "peter-damian", "Saint Peter Damian, Bishop and Doctor of the Church", "St Peter Damian"},
    {2, 22, Feast, White, Both, Ever, Still, "chair-of-peter", "The Chair of Saint Peter the Apostle", "Chair of St Peter"},
    {2, 23, Memorial, Red, Both, Ever, Still, "polycarp", "Saint Polycarp, Bishop and Martyr", "St Polycarp"},
    {2, 27, OptionalMemorial, White, Both, 2021, Still, "gregory-of-narek", "Saint Gregory of Narek, Abbot and Doctor of the Church", "St Gregory of Narek"},
    // March
    {3, 3, OptionalMemorial, White, UsaOnly, 1989, 2000, "katharine-drexel", "Blessed Katharine Drexel, Virgin", "Bl. Katharine Drexel"},
    {3, 3, OptionalMemorial, White, UsaOnly, 2001, Still, "katharine-drexel", "Saint Katharine Drexel, Virgin", "St Katharine Drexel"},
    {3, 4, OptionalMemorial, White, Both, Ever, Still, "casimir", "Saint Casimir", "St Casimir"},
    {3, 7, Memorial, Red, Both, Ever, Still, "perpetua-felicity", "Saints Perpetua and Felicity, Martyrs", "Sts Perpetua and Felicity"},
    {3, 8, OptionalMemorial, White, Both, Ever, Still, "john-of-god", "Saint John of God, Religious", "St John of God"},
    {3, 9, OptionalMemorial, White, Both, Ever, Still, "frances-of-rome", "Saint Frances of Rome, Religious", "St Frances of Rome"},
    {3, 17, OptionalMemorial, White, Both, Ever, Still, "patrick", "Saint Patrick, Bishop", "St Patrick"},
    {3, 18, OptionalMemorial, White, Both, Ever, Still, "cyril-of-jerusalem", "Saint Cyril of Jerusalem, Bishop and Doctor of the Church", "St Cyril of Jerusalem"},
    {3, 19, Solemnity, White, Both, Ever, Still, "joseph", "Saint Joseph, Spouse of the Blessed Virgin Mary", "St Joseph"},
    {3, 23, OptionalMemorial, White, Both, Ever, Still, "turibius", "Saint Turibius of Mogrovejo, Bishop", "St Turibius of Mogrovejo"},
    {3, 25, Solemnity, White, Both, Ever, Still, "annunciation", "The Annunciation of the Lord", "Annunciation of the Lord"},
    // April
    {4, 2, OptionalMemorial, White, Both, Ever, Still, "francis-of-paola", "Saint Francis of Paola, Hermit", "St Francis of Paola"},
    {4, 4, OptionalMemorial, White, Both, Ever, Still, "isidore-bishop", "Saint Isidore, Bishop and Doctor of the Church", "St Isidore"},
    {4, 5, OptionalMemorial, White, Both, Ever, Still, "vincent-ferrer", "Saint Vincent Ferrer, Priest", "St Vincent Ferrer"},
    {4, 7, Memorial, White, Both, Ever, Still, "john-baptist-de-la-salle", "Saint John Baptist de la Salle, Priest", "St John Baptist de la Salle"},
    {4, 11, OptionalMemorial, Red, Both, Ever, 1979, "stanislaus", "Saint Stanislaus, Bishop and Martyr", "St Stanislaus"},
    {4, 11, Memorial, Red, Both, 1980, Still, "stanislaus", "Saint Stanislaus, Bishop and Martyr", "St Stanislaus"},
    {4, 13, OptionalMemorial, Red, Both, Ever, Still, "martin-i", "Saint Martin I, Pope and Martyr", "St Martin I"},
    {4, 21, OptionalMemorial, White, Both, Ever, Still, "anselm", "Saint Anselm, Bishop and Doctor of the Church", "St Anselm"},
    {4, 23, OptionalMemorial, Red, Both, Ever, Still, "george", "Saint George, Martyr", "St George"},
    {4, 23, OptionalMemorial, Red, Both, 1996, Still, "adalbert", "Saint Adalbert, Bishop and Martyr", "St Adalbert"},
    {4, 24, OptionalMemorial, Red, Both, Ever, Still, "fidelis", "Saint Fidelis of Sigmaringen, Priest and Martyr", "St Fidelis"},
    {4, 25, Feast, Red, Both, Ever, Still, "mark", "Saint Mark, Evangelist", "St Mark, Evangelist"},
    {4, 28, OptionalMemorial, Red, Both, Ever, Still, "peter-chanel", "Saint Peter Chanel, Priest and Martyr", "St Peter Chanel"},
    {4, 28, OptionalMemorial, White, Both, 1997, Still, "louis-de-montfort", "Saint Louis Grignion de Montfort, Priest", "St Louis de Montfort"},
    {4, 29, Memorial, White, Both, Ever, 1970, "catherine-of-siena", "Saint Catherine of Siena, Virgin", "St Catherine of Siena"},
    {4, 29, Memorial, White, Both, 1971, Still, "catherine-of-siena", "Saint Catherine of Siena, Virgin and Doctor of the Church", "St Catherine of Siena"},
    {4, 30, OptionalMemorial, White, Both, Ever, Still, "pius-v", "Saint Pius V, Pope", "St Pius V"},
    // May
    {5, 1, OptionalMemorial, White, Both, Ever, Still, "joseph-the-worker", "Saint Joseph the Worker", "St Joseph the Worker"},
    {5, 2, Memorial, White, Both, Ever, Still, "athanasius", "Saint Athanasius, Bishop and Doctor of the Church", "St Athanasius"},
    {5, 3, Feast, Red, Both, Ever, Still, "philip-james", "Saints Philip and James, Apostles", "Sts Philip and James"},
    {5, 10, OptionalMemorial, White, Both, 2021, Still, "john-of-avila", "Saint John of Avila, Priest and Doctor of the Church", "St John of Avila"},
    {5, 10, OptionalMemorial, White, UsaOnly, 2001, 2009, "damien", "Blessed Damien de Veuster, Priest", "Bl. Damien"},
    {5, 10, OptionalMemorial, White, UsaOnly, 2010, Still, "damien", "Saint Damien de Veuster, Priest", "St Damien"},
    {5, 12, OptionalMemorial, Red, Both, Ever, Still, "nereus-achilleus", "Saints Nereus and Achilleus, Martyrs", "Sts Nereus and Achilleus"},
    {5, 12, OptionalMemorial, Red, Both, Ever, Still, "pancras", "Saint Pancras, Martyr", "St Pancras"},
    {5, 13, OptionalMemorial, White, Both, Missal2002, Still, "our-lady-of-fatima", "Our Lady of Fatima", "Our Lady of Fatima"},
    {5, 14, Feast, Red, Both, Ever, Still, "matthias", "Saint Matthias, Apostle", "St Matthias"},
    {5, 15, OptionalMemorial, White, UsaOnly, 1972, Still, "isidore-farmer", "Saint Isidore", "St Isidore the Farmer"},
    {5, 18, OptionalMemorial, Red, Both, Ever, Still, "john-i", "Saint John I, Pope and Martyr", "St John I"},
    {5, 20, OptionalMemorial, White, Both, Ever, Still, "bernardine", "Saint Bernardine of Siena, Priest", "St Bernardine of Siena"},
    {5, 21, OptionalMemorial, Red, Both, Missal2002, Still, "christopher-magallanes", "Saint Christopher Magallanes, Priest, and Companions, Martyrs", "St Christopher Magallanes"},
    {5, 22, OptionalMemorial, White, Both, Missal2002, Still, "rita", "Saint Rita of Cascia, Religious", "St Rita of Cascia"},
    {5, 25, OptionalMemorial, White, Both, Ever, Still, "bede", "Saint Bede the Venerable, Priest and Doctor of the Church", "St Bede"},
    {5, 25, OptionalMemorial, White, Both, Ever, Still, "gregory-vii", "Saint Gregory VII, Pope", "St Gregory VII"},
    {5, 25, OptionalMemorial, White, Both, Ever, Still, "mary-magdalene-de-pazzi", "Saint Mary Magdalene de' Pazzi, Virgin", "St Mary Magd. de' Pazzi"},
    {5, 26, Memorial, White, Both, Ever, Still, "philip-neri", "Saint Philip Neri, Priest", "St Philip Neri"},
    {5, 27, OptionalMemorial, White, Both, Ever, Still, "augustine-of-canterbury", "Saint Augustine of Canterbury, Bishop", "St Augustine of Canterbury"},
    {5, 29, OptionalMemorial, White, Both, 2019, Still, "paul-vi", "Saint Paul VI, Pope", "St Paul VI"},
    {5, 31, Feast, White, Both, Ever, Still, "visitation", "The Visitation of the Blessed Virgin Mary", "Visitation of the BVM"},
    // June
    {6, 1, Memorial, Red, Both, Ever, Still, "justin", "Saint Justin, Martyr", "St Justin"},
    {6, 2, OptionalMemorial, Red, Both, Ever, Still, "marcellinus-peter", "Saints Marcellinus and Peter, Martyrs", "Sts Marcellinus and Peter"},
    {6, 3, Memorial, Red, Both, Ever, Still, "charles-lwanga", "Saint Charles Lwanga and Companions, Martyrs", "St Charles Lwanga and Comp."},
    {6, 5, Memorial, Red, Both, Ever, Still, "boniface", "Saint Boniface, Bishop and Martyr", "St Boniface"},
    {6, 6, OptionalMemorial, White, Both, Ever, Still, "norbert", "Saint Norbert, Bishop", "St Norbert"},
    {6, 9, OptionalMemorial, White, Both, Ever, Still, "ephrem", "Saint Ephrem, Deacon and Doctor of the Church", "St Ephrem"},
    {6, 11, Memorial, Red, Both, Ever, Still, "barnabas", "Saint Barnabas, Apostle", "St Barnabas"},
    {6, 13, Memorial, White, Both, Ever, Still, "anthony-of-padua", "Saint Anthony of Padua, Priest and Doctor of the Church", "St Anthony of Padua"},
    {6, 19, OptionalMemorial, White, Both, Ever, Still, "romuald", "Saint Romuald, Abbot", "St Romuald"},
    {6, 21, Memorial, White, Both, Ever, Still, "aloysius", "Saint Aloysius Gonzaga, Religious", "St Aloysius Gonzaga"},
    {6, 22, OptionalMemorial, White, Both, Ever, Still, "paulinus", "Saint Paulinus of Nola, Bishop", "St Paulinus of Nola"},
    {6, 22, OptionalMemorial, Red, Both, Ever, Still, "fisher-more", "Saints John Fisher, Bishop, and Thomas More, Martyrs", "Sts John Fisher and Thomas More"},
    {6, 24, Solemnity, White, Both, Ever, Still, "john-baptist-nativity", "The Nativity of Saint John the Baptist", "Nativity of St John the Baptist"},
    {6, 27, OptionalMemorial, White, Both, Ever, Still, "cyril-of-alexandria", "Saint Cyril of Alexandria, Bishop and Doctor of the Church", "St Cyril of Alexandria"},
    {6, 28, Memorial, Red, Both, Ever, 2021, "irenaeus", "Saint Irenaeus, Bishop and Martyr", "St Irenaeus"},
    {6, 28, Memorial, Red, Both, 2022, Still, "irenaeus", "Saint Irenaeus, Bishop, Martyr and Doctor of the Church", "St Irenaeus"},
    {6, 29, Solemnity, Red, Both, Ever, Still, "peter-paul", "Saints Peter and Paul, Apostles", "Sts Peter and Paul"},
    {6, 30, OptionalMemorial, Red, Both, Ever, Still, "first-martyrs-of-rome", "The First Martyrs of the Holy Roman Church", "First Martyrs of Rome"},
    // July
    {7, 1, OptionalMemorial, White, UsaOnly, 1990, 2015, "junipero-serra", "Blessed Junipero Serra, Priest", "Bl. Junipero Serra"},
    {7, 1, OptionalMemorial, White, UsaOnly, 2016, Still, "junipero-serra", "Saint Junipero Serra, Priest", "St Junipero Serra"},
    {7, 3, Feast, Red, Both, Ever, Still, "thomas-apostle", "Saint Thomas, Apostle", "St Thomas, Apostle"},
    {7, 4, OptionalMemorial, White, Both, Ever, 1971, "elizabeth-of-portugal", "Saint Elizabeth of Portugal", "St Elizabeth of Portugal"},
    {7, 4, OptionalMemorial, White, UniversalOnly, 1972, Still, "elizabeth-of-portugal", "Saint Elizabeth of Portugal", "St Elizabeth of Portugal"},
    {7, 4, OptionalMemorial, White, UsaOnly, 1972, Still, "independence-day", "Independence Day", "Independence Day"},
    {7, 5, OptionalMemorial, White, Both, Ever, Still, "anthony-zaccaria", "Saint Anthony Zaccaria, Priest", "St Anthony Zaccaria"},
    {7, 5, OptionalMemorial, White, UsaOnly, 1972, Still, "elizabeth-of-portugal", "Saint Elizabeth of Portugal", "St Elizabeth of Portugal"},
    {7, 6, OptionalMemorial, Red, Both, Ever, Still, "maria-goretti", "Saint Maria Goretti, Virgin and Martyr", "St Maria Goretti"},
    {7, 9, OptionalMemorial, Red, Both, Missal2002, Still, "augustine-zhao-rong", "Saint Augustine Zhao Rong, Priest, and Companions, Martyrs", "St Augustine Zhao Rong"},
    {7, 11, Memorial, White, Both, Ever, Still, "benedict", "Saint Benedict, Abbot", "St Benedict"},
    {7, 13, OptionalMemorial, White, Both, Ever, Still, "henry", "Saint Henry", "St Henry"},
    {7, 14, OptionalMemorial, White, Both, Ever, 1982, "camillus", "Saint Camillus de Lellis, Priest", "St Camillus de Lellis"},
    {7, 14, OptionalMemorial, White, UniversalOnly, 1983, Still, "camillus", "Saint Camillus de Lellis, Priest", "St Camillus de Lellis"},
    // A memorial in the USA from 1983 (granted at the end of 1982, after the beatification
    // of 1980); the canonization of 2012 changed her title, not her rank.
    {7, 14, Memorial, White, UsaOnly, 1983, 2012, "kateri-tekakwitha", "Blessed Kateri Tekakwitha, Virgin", "Bl. Kateri Tekakwitha"},
    {7, 14, Memorial, White, UsaOnly, 2013, Still, "kateri-tekakwitha", "Saint Kateri Tekakwitha, Virgin", "St Kateri Tekakwitha"},
    {7, 15, Memorial, White, Both, Ever, Still, "bonaventure", "Saint Bonaventure, Bishop and Doctor of the Church", "St Bonaventure"},
    {7, 16, OptionalMemorial, White, Both, Ever, Still, "our-lady-of-mount-carmel", "Our Lady of Mount Carmel", "Our Lady of Mount Carmel"},
    {7, 18, OptionalMemorial, White, UsaOnly, 1983, Still, "camillus", "Saint Camillus de Lellis, Priest", "St Camillus de Lellis"},
    {7, 20, OptionalMemorial, Red, Both, Missal2002, Still, "apollinaris", "Saint Apollinaris, Bishop and Martyr", "St Apollinaris"},
    {7, 21, OptionalMemorial, White, Both, Ever, Still, "lawrence-of-brindisi", "Saint Lawrence of Brindisi, Priest and Doctor of the Church", "St Lawrence of Brindisi"},
    {7, 22, Memorial, White, Both, Ever, 2015, "mary-magdalene", "Saint Mary Magdalene", "St Mary Magdalene"},
    {7, 22, Feast, White, Both, 2016, Still, "mary-magdalene", "Saint Mary Magdalene", "St Mary Magdalene"},
    {7, 23, OptionalMemorial, White, Both, Ever, Still, "bridget", "Saint Bridget, Religious", "St Bridget"},
    {7, 24, OptionalMemorial, White, Both, Missal2002, Still, "sharbel", "Saint Sharbel Makhluf, Priest", "St Sharbel Makhluf"},
    {7, 25, Feast, Red, Both, Ever, Still, "james-apostle", "Saint James, Apostle", "St James, Apostle"},
    {7, 26, Memorial, White, Both, Ever, Still, "joachim-anne", "Saints Joachim and Anne, Parents of the Blessed Virgin Mary", "Sts Joachim and Anne"},
    {7, 29, Memorial, White, Both, Ever, 2020, "martha", "Saint Martha", "St Martha"},
    {7, 29, Memorial, White, Both, 2021, Still, "martha", "Saints Martha, Mary and Lazarus", "Sts Martha, Mary and Lazarus"},
    {7, 30, OptionalMemorial, White, Both, Ever, Still, "peter-chrysologus", "Saint Peter Chrysologus, Bishop and Doctor of the Church", "St Peter Chrysologus"},
    {7, 31, Memorial, White, Both, Ever, Still, "ignatius-of-loyola", "Saint Ignatius of Loyola, Priest", "St Ignatius of Loyola"},
    // August
    {8, 1, Memorial, White, Both, Ever, Still, "alphonsus", "Saint Alphonsus Liguori, Bishop and Doctor of the Church", "St Alphonsus Liguori"},
    {8, 2, OptionalMemorial, White, Both, Ever, Still, "eusebius", "Saint Eusebius of Vercelli, Bishop", "St Eusebius of Vercelli"},
    {8, 2, OptionalMemorial, White, Both, 1996, Still, "peter-julian-eymard", "Saint Peter Julian Eymard, Priest", "St Peter Julian Eymard"},
    {8, 4, Memorial, White, Both, Ever, Still, "john-vianney", "Saint John Vianney, Priest", "St John Vianney"},
    {8, 5, OptionalMemorial, White, Both, Ever, Still, "st-mary-major", "The Dedication of the Basilica of Saint Mary Major", "Dedication of St Mary Major"},
    {8, 6, FeastOfTheLord, White, Both, Ever, Still, "transfiguration", "The Transfiguration of the Lord", "Transfiguration of the Lord"},
    {8, 7, OptionalMemorial, Red, Both, Ever, Still, "sixtus-ii", "Saint Sixtus II, Pope, and Companions, Martyrs", "St Sixtus II and Companions"},
    {8, 7, OptionalMemorial, White, Both, Ever, Still, "cajetan", "Saint Cajetan, Priest", "St Cajetan"},
    {8, 8, Memorial, White, Both, Ever, Still, "dominic", "Saint Dominic, Priest", "St Dominic"},
    {8, 9, OptionalMemorial, Red, Both, Missal2002, Still, "teresa-benedicta", "Saint Teresa Benedicta of the Cross, Virgin and Martyr", "St Teresa Benedicta"},
    {8, 10, Feast, Red, Both, Ever, Still, "lawrence", "Saint Lawrence, Deacon and Martyr", "St Lawrence"},
    {8, 11, Memorial, White, Both, Ever, Still, "clare", "Saint Clare, Virgin", "St Clare"},
    {8, 12, OptionalMemorial, White, Both, Missal2002, Still, "jane-frances-de-chantal", "Saint Jane Frances de Chantal, Religious", "St Jane Frances de Chantal"},
    {8, 13, OptionalMemorial, Red, Both, Ever, Still, "pontian-hippolytus", "Saints Pontian, Pope, and Hippolytus, Priest, Martyrs", "Sts Pontian and Hippolytus"},
    {8, 14, Memorial, Red, Both, 1983, Still, "maximilian-kolbe", "Saint Maximilian Kolbe, Priest and Martyr", "St Maximilian Kolbe"},
    {8, 15, Solemnity, White, Both, Ever, Still, "assumption", "The Assumption of the Blessed Virgin Mary", "Assumption of the BVM"},
    {8, 16, OptionalMemorial, White, Both, Ever, Still, "stephen-of-hungary", "Saint Stephen of Hungary", "St Stephen of Hungary"},
    {8, 18, OptionalMemorial, White, UsaOnly, 1989, Missal2002 - 1, "jane-frances-de-chantal", "Saint Jane Frances de Chantal, Religious", "St Jane Frances de Chantal"},
    {8, 19, OptionalMemorial, White, Both, Ever, Still, "john-eudes", "Saint John Eudes, Priest", "St John Eudes"},
    {8, 20, Memorial, White, Both, Ever, Still, "bernard", "Saint Bernard, Abbot and Doctor of the Church", "St Bernard"},
    {8, 21, Memorial, White, Both, Ever, Still, "pius-x", "Saint Pius X, Pope", "St Pius X"},
    {8, 22, Memorial, White, Both, Ever, Still, "queenship-of-mary", "The Queenship of the Blessed Virgin Mary", "Queenship of the BVM"},
    {8, 23, OptionalMemorial, White, Both, Ever, Still, "rose-of-lima", "Saint Rose of Lima, Virgin", "St Rose of Lima"},
    {8, 24, Feast, Red, Both, Ever, Still, "bartholomew", "Saint Bartholomew, Apostle", "St Bartholomew"},
    {8, 25, OptionalMemorial, White, Both, Ever, Still, "louis-of-france", "Saint Louis", "St Louis"},
    {8, 25, OptionalMemorial, White, Both, Ever, Still, "joseph-calasanz", "Saint Joseph Calasanz, Priest", "St Joseph Calasanz"},
    {8, 27, Memorial, White, Both, Ever, Still, "monica", "Saint Monica", "St Monica"},
    {8, 28, Memorial, White, Both, Ever, Still, "augustine", "Saint Augustine, Bishop and Doctor of the Church", "St Augustine"},
    {8, 29, Memorial, Red, Both, Ever, Still, "passion-of-john-baptist", "The Passion of Saint John the Baptist", "Passion of St John the Baptist"},
    // September
    {9, 3, Memorial, White, Both, Ever, Still, "gregory-the-great", "Saint Gregory the Great, Pope and Doctor of the Church", "St Gregory the Great"},
    {9, 5, OptionalMemorial, White, Both, 2025, Still, "teresa-of-calcutta", "Saint Teresa of Calcutta, Virgin", "St Teresa of Calcutta"},
    {9, 8, Feast, White, Both, Ever, Still, "nativity-of-mary", "The Nativity of the Blessed Virgin Mary", "Nativity of the BVM"},
    {9, 9, OptionalMemorial, White, UniversalOnly, 1996, Still, "peter-claver", "Saint Peter Claver, Priest", "St Peter Claver"},
    {9, 9, Memorial, White, UsaOnly, 1972, Still, "peter-claver", "Saint Peter Claver, Priest", "St Peter Claver"},
    {9, 12, OptionalMemorial, White, Both, Missal2002, Still, "holy-name-of-mary", "The Most Holy Name of Mary", "Holy Name of Mary"},
    {9, 13, Memorial, White, Both, Ever, Still, "john-chrysostom", "Saint John Chrysostom, Bishop and Doctor of the Church", "St John Chrysostom"},
    {9, 14, FeastOfTheLord, Red, Both, Ever, Still, "exaltation-of-the-cross", "The Exaltation of the Holy Cross", "Exaltation of the Holy Cross"},
    {9, 15, Memorial, White, Both, Ever, Still, "our-lady-of-sorrows", "Our Lady of Sorrows", "Our Lady of Sorrows"},
    {9, 16, Memorial, Red, Both, Ever, Still, "cornelius-cyprian", "Saints Cornelius, Pope, and Cyprian, Bishop, Martyrs", "Sts Cornelius and Cyprian"},
    {9, 17, OptionalMemorial, White, Both, Ever, Still, "robert-bellarmine", "Saint Robert Bellarmine, Bishop and Doctor of the Church", "St Robert Bellarmine"},
    {9, 17, OptionalMemorial, White, Both, 2021, Still, "hildegard", "Saint Hildegard of Bingen, Virgin and Doctor of the Church", "St Hildegard of Bingen"},
    {9, 19, OptionalMemorial, Red, Both, Ever, Still, "januarius", "Saint Januarius, Bishop and Martyr", "St Januarius"},
    {9, 20, Memorial, Red, Both, 1985, Still, "korean-martyrs", "Saints Andrew Kim Tae-gon, Priest, and Paul Chong Ha-sang, and Companions, Martyrs", "Sts Andrew Kim and Comp."},
    {9, 21, Feast, Red, Both, Ever, Still, "matthew", "Saint Matthew, Apostle and Evangelist", "St Matthew"},
    {9, 23, Memorial, White, Both, Missal2002, Still, "pius-of-pietrelcina", "Saint Pius of Pietrelcina, Priest", "St Pius of Pietrelcina"},
    {9, 26, OptionalMemorial, Red, Both, Ever, Still, "cosmas-damian", "Saints Cosmas and Damian, Martyrs", "Sts Cosmas and Damian"},
    {9, 27, Memorial, White, Both, Ever, Still, "vincent-de-paul", "Saint Vincent de Paul, Priest", "St Vincent de Paul"},
    {9, 28, OptionalMemorial, Red, Both, Ever, Still, "wenceslaus", "Saint Wenceslaus, Martyr", "St Wenceslaus"},
    {9, 28, OptionalMemorial, Red, Both, 1988, Still, "lawrence-ruiz", "Saint Lawrence Ruiz and Companions, Martyrs", "St Lawrence Ruiz and Comp."},
    {9, 29, Feast, White, Both, Ever, Still, "archangels", "Saints Michael, Gabriel and Raphael, Archangels", "Sts Michael, Gabriel, Raphael"},
    {9, 30, Memorial, White, Both, Ever, Still, "jerome", "Saint Jerome, Priest and Doctor of the Church", "St Jerome"},
    // October
    {10, 1, Memorial, White, Both, Ever, 1997, "therese", "Saint Therese of the Child Jesus, Virgin", "St Therese of the Child Jesus"},
    {10, 1, Memorial, White, Both, 1998, Still, "therese", "Saint Therese of the Child Jesus, Virgin and Doctor of the Church", "St Therese of the Child Jesus"},
    {10, 2, Memorial, White, Both, Ever, Still, "guardian-angels", "The Holy Guardian Angels", "Holy Guardian Angels"},
    {10, 4, Memorial, White, Both, Ever, Still, "francis-of-assisi", "Saint Francis of Assisi", "St Francis of Assisi"},
    {10, 5, OptionalMemorial, White, Both, 2020, Still, "faustina", "Saint Faustina Kowalska, Virgin", "St Faustina Kowalska"},
    {10, 5, OptionalMemorial, White, UsaOnly, 2014, Still, "francis-xavier-seelos", "Blessed Francis Xavier Seelos, Priest", "Bl. Francis Xavier Seelos"},
    {10, 6, OptionalMemorial, White, Both, Ever, Still, "bruno", "Saint Bruno, Priest", "St Bruno"},
    {10, 6, OptionalMemorial, White, UsaOnly, 1983, Still, "marie-rose-durocher", "Blessed Marie-Rose Durocher, Virgin", "Bl. Marie-Rose Durocher"},
    {10, 7, Memorial, White, Both, Ever, Still, "our-lady-of-the-rosary", "Our Lady of the Rosary", "Our Lady of the Rosary"},
    {10, 9, OptionalMemorial, Red, Both, Ever, Still, "denis", "Saint Denis, Bishop, and Companions, Martyrs", "St Denis and Companions"},
    {10, 9, OptionalMemorial, White, Both, Ever, Still, "john-leonardi", "Saint John Leonardi, Priest", "St John Leonardi"},
    {10, 9, OptionalMemorial, White, Both, 2026, Still, "john-henry-newman", "Saint John Henry Newman, Priest and Doctor of the Church", "St John Henry Newman"},
    {10, 11, OptionalMemorial, White, Both, 2014, Still, "john-xxiii", "Saint John XXIII, Pope", "St John XXIII"},
    {10, 14, OptionalMemorial, Red, Both, Ever, Still, "callistus", "Saint Callistus I, Pope and Martyr", "St Callistus I"},
    {10, 15, Memorial, White, Both, Ever, 1969, "teresa-of-jesus", "Saint Teresa of Avila, Virgin", "St Teresa of Avila"},
    {10, 15, Memorial, White, Both, 1970, 1983, "teresa-of-jesus", "Saint Teresa of Avila, Virgin and Doctor of the Church", "St Teresa of Avila"},
    {10, 15, Memorial, White, Both, 1984, Still, "teresa-of-jesus", "Saint Teresa of Jesus, Virgin and Doctor of the Church", "St Teresa of Jesus"},
    {10, 16, OptionalMemorial, White, Both, Ever, Still, "hedwig", "Saint Hedwig, Religious", "St Hedwig"},
    {10, 16, OptionalMemorial, White, Both, Ever, Still, "margaret-mary-alacoque", "Saint Margaret Mary Alacoque, Virgin", "St Margaret Mary Alacoque"},
    {10, 17, Memorial, Red, Both, Ever, Still, "ignatius-of-antioch", "Saint Ignatius of Antioch, Bishop and Martyr", "St Ignatius of Antioch"},
    {10, 18, Feast, Red, Both, Ever, Still, "luke", "Saint Luke, Evangelist", "St Luke, Evangelist"},
    {10, 19, OptionalMemorial, Red, Both, Ever, 1971, "north-american-martyrs", "Saints John de Brebeuf and Isaac Jogues, Priests, and Companions, Martyrs", "North American Martyrs"},
    {10, 19, OptionalMemorial, Red, UniversalOnly, 1972, Still, "north-american-martyrs", "Saints John de Brebeuf and Isaac Jogues, Priests, and Companions, Martyrs", "North American Martyrs"},
    {10, 19, OptionalMemorial, White, Both, Ever, 1971, "paul-of-the-cross", "Saint Paul of the Cross, Priest", "St Paul of the Cross"},
    {10, 19, OptionalMemorial, White, UniversalOnly, 1972, Still, "paul-of-the-cross", "Saint Paul of the Cross, Priest", "St Paul of the Cross"},
    {10, 19, Memorial, Red, UsaOnly, 1972, Still, "north-american-martyrs", "Saints John de Brebeuf and Isaac Jogues, Priests, and Companions, Martyrs", "North American Martyrs"},
    {10, 20, OptionalMemorial, White, UsaOnly, 1991, Still, "paul-of-the-cross", "Saint Paul of the Cross, Priest", "St Paul of the Cross"},
    {10, 22, OptionalMemorial, White, UsaOnly, 2012, 2013, "john-paul-ii", "Blessed John Paul II, Pope", "Bl. John Paul II"},
    {10, 22, OptionalMemorial, White, Both, 2014, Still, "john-paul-ii", "Saint John Paul II, Pope", "St John Paul II"},
    {10, 23, OptionalMemorial, White, Both, Ever, Still, "john-of-capistrano", "Saint John of Capistrano, Priest", "St John of Capistrano"},
    {10, 24, OptionalMemorial, White, Both, Ever, Still, "anthony-mary-claret", "Saint Anthony Mary Claret, Bishop", "St Anthony Mary Claret"},
    {10, 28, Feast, Red, Both, Ever, Still, "simon-jude", "Saints Simon and Jude, Apostles", "Sts Simon and Jude"},
    // November
    {11, 1, Solemnity, White, Both, Ever, Still, "all-saints", "All Saints", "All Saints"},
    {11, 2, Commemoration, Violet, Both, Ever, Still, "all-souls", "The Commemoration of All the Faithful Departed (All Souls)", "All Souls"},
    {11, 3, OptionalMemorial, White, Both, Ever, Still, "martin-de-porres", "Saint Martin de Porres, Religious", "St Martin de Porres"},
    {11, 4, Memorial, White, Both, Ever, Still, "charles-borromeo", "Saint Charles Borromeo, Bishop", "St Charles Borromeo"},
    {11, 9, FeastOfTheLord, White, Both, Ever, Still, "lateran-basilica", "The Dedication of the Lateran Basilica", "Dedication of the Lateran"},
    {11, 10, Memorial, White, Both, Ever, Still, "leo-the-great", "Saint Leo the Great, Pope and Doctor of the Church", "St Leo the Great"},
    {11, 11, Memorial, White, Both, Ever, Still, "martin-of-tours", "Saint Martin of Tours, Bishop", "St Martin of Tours"},
    {11, 12, Memorial, Red, Both, Ever, Still, "josaphat", "Saint Josaphat, Bishop and Martyr", "St Josaphat"},
    {11, 13, Memorial, White, UsaOnly, 1972, Still, "frances-xavier-cabrini", "Saint Frances Xavier Cabrini, Virgin", "St Frances Xavier Cabrini"},
    {11, 15, OptionalMemorial, White, Both, Ever, Still, "albert-the-great", "Saint Albert the Great, Bishop and Doctor of the Church", "St Albert the Great"},
    {11, 16, OptionalMemorial, White, Both, Ever, Still, "margaret-of-scotland", "Saint Margaret of Scotland", "St Margaret of Scotland"},
    {11, 16, OptionalMemorial, White, Both, Ever, Still, "gertrude", "Saint Gertrude, Virgin", "St Gertrude"},
    {11, 17, Memorial, White, Both, Ever, Still, "elizabeth-of-hungary", "Saint Elizabeth of Hungary, Religious", "St Elizabeth of Hungary"},
    {11, 18, OptionalMemorial, White, Both, Ever, Still, "basilicas-peter-paul", "The Dedication of the Basilicas of Saints Peter and Paul, Apostles", "Dedication of Sts Peter & Paul"},
    {11, 18, OptionalMemorial, White, UsaOnly, 1989, Still, "rose-philippine-duchesne", "Saint Rose Philippine Duchesne, Virgin", "St Rose Philippine Duchesne"},
    {11, 21, Memorial, White, Both, Ever, Still, "presentation-of-mary", "The Presentation of the Blessed Virgin Mary", "Presentation of the BVM"},
    {11, 22, Memorial, Red, Both, Ever, Still, "cecilia", "Saint Cecilia, Virgin and Martyr", "St Cecilia"},
    {11, 23, OptionalMemorial, Red, Both, Ever, Still, "clement-i", "Saint Clement I, Pope and Martyr", "St Clement I"},
    {11, 23, OptionalMemorial, White, Both, Ever, Still, "columban", "Saint Columban, Abbot", "St Columban"},
    {11, 23, OptionalMemorial, Red, UsaOnly, 1991, Still, "miguel-pro", "Blessed Miguel Agustin Pro, Priest and Martyr", "Bl. Miguel Pro"},
    {11, 24, Memorial, Red, Both, 1989, Still, "vietnamese-martyrs", "Saint Andrew Dung-Lac, Priest, and Companions, Martyrs", "St Andrew Dung-Lac and Comp."},
    {11, 25, OptionalMemorial, Red, Both, Missal2002, Still, "catherine-of-alexandria", "Saint Catherine of Alexandria, Virgin and Martyr", "St Catherine of Alexandria"},
    {11, 26, OptionalMemorial, White, UsaOnly, 1972, Still, "thanksgiving", "Thanksgiving Day", "Thanksgiving Day", DateRule::FourthThursdayOfNovember},
    {11, 30, Feast, Red, Both, Ever, Still, "andrew", "Saint Andrew, Apostle", "St Andrew, Apostle"},
    // December
    {12, 3, Memorial, White, Both, Ever, Still, "francis-xavier", "Saint Francis Xavier, Priest", "St Francis Xavier"},
    {12, 4, OptionalMemorial, White, Both, Ever, Still, "john-damascene", "Saint John Damascene, Priest and Doctor of the Church", "St John Damascene"},
    {12, 6, OptionalMemorial, White, Both, Ever, Still, "nicholas", "Saint Nicholas, Bishop", "St Nicholas"},
    {12, 7, Memorial, White, Both, Ever, Still, "ambrose", "Saint Ambrose, Bishop and Doctor of the Church", "St Ambrose"},
    {12, 8, Solemnity, White, Both, Ever, Still, "immaculate-conception", "The Immaculate Conception of the Blessed Virgin Mary", "Immaculate Conception"},
    {12, 9, OptionalMemorial, White, UsaOnly, 1991, Missal2002 - 1, "juan-diego", "Blessed Juan Diego", "Bl. Juan Diego"},
    {12, 9, OptionalMemorial, White, Both, Missal2002, Still, "juan-diego", "Saint Juan Diego Cuauhtlatoatzin", "St Juan Diego"},
    {12, 10, OptionalMemorial, White, Both, 2019, Still, "our-lady-of-loreto", "Our Lady of Loreto", "Our Lady of Loreto"},
    {12, 11, OptionalMemorial, White, Both, Ever, Still, "damasus", "Saint Damasus I, Pope", "St Damasus I"},
    {12, 12, OptionalMemorial, White, Both, Ever, 1988, "jane-frances-de-chantal", "Saint Jane Frances de Chantal, Religious", "St Jane Frances de Chantal"},
    {12, 12, OptionalMemorial, White, UniversalOnly, 1989, Missal2002 - 1, "jane-frances-de-chantal", "Saint Jane Frances de Chantal, Religious", "St Jane Frances de Chantal"},
    {12, 12, OptionalMemorial, White, UniversalOnly, Missal2002, Still, "our-lady-of-guadalupe", "Our Lady of Guadalupe", "Our Lady of Guadalupe"},
    {12, 12, Memorial, White, UsaOnly, 1972, 1987, "our-lady-of-guadalupe", "Our Lady of Guadalupe", "Our Lady of Guadalupe"},
    // A feast in the USA from 1988, and for all the Americas from 1999 (Ecclesia in America).
    {12, 12, Feast, White, UsaOnly, 1988, Still, "our-lady-of-guadalupe", "Our Lady of Guadalupe", "Our Lady of Guadalupe"},
    {12, 13, Memorial, Red, Both, Ever, Still, "lucy", "Saint Lucy, Virgin and Martyr", "St Lucy"},
    {12, 14, Memorial, White, Both, Ever, Still, "john-of-the-cross", "Saint John of the Cross, Priest and Doctor of the Church", "St John of the Cross"},
    {12, 21, OptionalMemorial, White, Both, Ever, Still, "peter-canisius", "Saint Peter Canisius, Priest and Doctor of the Church", "St Peter Canisius"},
    {12, 23, OptionalMemorial, White, Both, Ever, Still, "john-of-kanty", "Saint John of Kanty, Priest", "St John of Kanty"},
    {12, 26, Feast, Red, Both, Ever, Still, "stephen", "Saint Stephen, the First Martyr", "St Stephen, First Martyr"},
    {12, 27, Feast, White, Both, Ever, Still, "john-apostle", "Saint John, Apostle and Evangelist", "St John, Apostle"},
    {12, 28, Feast, Red, Both, Ever, Still, "holy-innocents", "The Holy Innocents, Martyrs", "Holy Innocents"},
    {12, 29, OptionalMemorial, Red, Both, Ever, Still, "thomas-becket", "Saint Thomas Becket, Bishop and Martyr", "St Thomas Becket"},
    {12, 31, OptionalMemorial, White, Both, Ever, Still, "sylvester", "Saint Sylvester I, Pope", "St Sylvester I"},
};
// clang-format on

} // namespace

std::span<const SanctoralEntry> sanctoralTable()
{
    return Entries;
}

bool appliesTo(const SanctoralEntry &e, Region region, int year)
{
    if (year < e.firstYear || year > e.lastYear)
        return false;
    switch (e.scope) {
    case Scope::Both:
        return true;
    case Scope::UniversalOnly:
        return region == Region::Universal;
    case Scope::UsaOnly:
        return region == Region::USA;
    }
    return false;
}

CivilDate dateIn(const SanctoralEntry &e, int year)
{
    switch (e.rule) {
    case DateRule::Fixed:
        break;
    case DateRule::FourthThursdayOfNovember:
        return CivilDate(year, 10, 31).after(Weekday::Thursday).addDays(21);
    case DateRule::January22UnlessSunday: {
        const CivilDate d(year, 1, 22);
        return d.weekday() == Weekday::Sunday ? d.addDays(1) : d;
    }
    }
    return CivilDate(year, e.month, e.day);
}

Celebration toCelebration(const SanctoralEntry &e, Region region)
{
    const bool proper = e.scope == Scope::UsaOnly && region == Region::USA;
    Celebration c;
    c.key = e.key;
    c.title = e.title;
    c.shortName = e.shortName;
    c.grade = e.grade;
    c.colour = e.colour;
    c.sanctoral = true;
    switch (e.grade) {
    case Grade::Solemnity:
        c.rank = proper ? precedence::ProperSolemnity : precedence::Solemnity;
        c.transferable = true;
        break;
    case Grade::FeastOfTheLord:
        c.rank = precedence::FeastOfTheLord;
        break;
    case Grade::Feast:
        c.rank = proper ? precedence::ProperFeast : precedence::Feast;
        break;
    case Grade::Memorial:
        c.rank = proper ? precedence::ProperMemorial : precedence::Memorial;
        break;
    case Grade::OptionalMemorial:
        c.rank = precedence::OptionalMemorial;
        break;
    // All Souls ranks with the solemnities but is never moved: on a Sunday it is kept there.
    case Grade::Commemoration:
        c.rank = precedence::Solemnity;
        break;
    }
    return c;
}

} // namespace liturgy
