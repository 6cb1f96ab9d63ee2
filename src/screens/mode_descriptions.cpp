// Mode descriptions of the mode choice, line by line.
#include "screens/mode_descriptions.h"

const std::array<TModeDescription, 6> ModeDescriptions = {{
    {},
    {"", "- stupnujici se obtiznost", "- casove omezene urovne", "- predepsany pocet uzav-",
     "  renych struktur pro ", "  prechod na dalsi uroven", "", "cilem tohoto modu je zis-",
     "kat nejvetsi skore. zbyly", "cas se zhodnoti.", "", "", "", "", "[esc] - navrat do menu"},
    {"", "- postupne zrychlovani", "- casove neomezene urovne", "", "tento mod se odehrava jen",
     "v jednom kole.jeho ucelem", "je vydrzet co nejdele", "a dosahnout nejvyssiho",
     "skore.v poslednich fazich", "vyzaduje vysokou zrucnost.", "", "", "", "",
     "[esc] - navrat do menu"},
    {"", "- konstantni rychlost", "- casove neomezena hra", "- doplnovani nahodne",
     "  zadanych struktur", "- ukol: vycisteni pole", "", "ukolem je vycistit hraci",
     "plochu v nejkratsim case.", "ziskane body snizuji cel-", "kove skore", "", "", "",
     "[esc] - navrat do menu"},
    {"", "- konstantni rychlost", "- casove neomezeno", "", "tento mod slouzi k ziskani",
     "zkusenosti s ovladanim hry.", "skore je symbolicke.", "k dispozici je vzdy pouze",
     "jeden atom.", "", "", "", "", "", "[esc] - navrat do menu"},
    {"", "- postupne zrychlovani", "- casove neomezeno", "", "podobne jako \"trenink a\"",
     "slouzi k procviceni vsech", "dovednosti potrebnych do", "vsech modu hry.",
     "pocet atomu pro vystavbu", "narusta a je omezen.", "", "", "", "",
     "[esc] - navrat do menu"},
}};
