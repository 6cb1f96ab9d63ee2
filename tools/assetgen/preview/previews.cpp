// Mock play, menu, information, intro and name-entry screens at the game's own coordinates.
#include "preview/previews.h"

#include <cmath>
#include <map>
#include <stdexcept>

#include "pack/image_files.h"
#include "preview/preview_screen.h"

namespace {

using TPictureMap = std::map<std::string, const TPictureEntry*>;

const TPictureEntry& Get(const TPictureMap& map, const std::string& name) {
  auto it = map.find(name);
  if (it == map.end()) throw std::runtime_error("preview needs picture " + name);
  return *it->second;
}

// A small hand-made position: a few molecules in the making, bonds and free electrons.
struct TMockAtom {
  int Col, Row, Kind, Free;
  bool Right, Down;
};
const TMockAtom kMockBoard[] = {
    {3, 4, 2, 0, true, false},  {4, 4, 3, 1, false, true},  {4, 5, 1, 0, false, false},
    {6, 2, 4, 2, true, true},   {7, 2, 1, 0, false, false}, {6, 3, 2, 1, false, false},
    {9, 7, 5, 3, false, false}, {2, 9, 4, 4, false, false}, {10, 3, 3, 3, false, false},
    {7, 8, 2, 1, true, false},  {8, 8, 2, 1, false, false}, {11, 9, 1, 1, false, false}};

void DrawPlay(TPreviewScreen& s, const TPictureMap& p, bool digits) {
  s.Fill(0);
  const int queue[] = {2, 1, 4, 3, 5, 2, 1};
  for (int k = 1; k <= 7; ++k) {
    const int y = 462 - 33 * k;
    s.Draw(Get(p, "atom" + std::to_string(queue[k - 1])), 587, y);
    if (digits) {
      const std::string glyph(1, queue[k - 1] == 5 ? '?' : static_cast<char>('0' + queue[k - 1]));
      s.Text(Get(p, "font2"), 601, y + 14, glyph);
      s.Text(Get(p, "font2"), 602, y + 14, glyph);
    }
  }
  for (const TMockAtom& a : kMockBoard) {
    if (a.Right) s.Draw(Get(p, "vazbaH"), 111 + 40 * (a.Col - 1), 83 + 40 * (a.Row - 1));
    if (a.Down) s.Draw(Get(p, "vazbaV"), 107 + 40 * (a.Col - 1), 87 + 40 * (a.Row - 1));
  }
  for (const TMockAtom& a : kMockBoard) {
    const int x = 91 + 40 * (a.Col - 1), y = 67 + 40 * (a.Row - 1);
    s.Draw(Get(p, "atom" + std::to_string(a.Kind)), x, y);
    for (int k = 1; k <= a.Free; ++k) {
      const double angle = ((360 / a.Free) * (k - 1) + 25 + 40 * a.Col) / 57.29577951;
      s.Draw(Get(p, "elektron"),
             109 + 40 * (a.Col - 1) + static_cast<int>(std::lround(18 * std::sin(angle))),
             85 + 40 * (a.Row - 1) - static_cast<int>(std::lround(18 * std::cos(angle))));
    }
    if (digits) {
      const std::string glyph(1, a.Kind == 5 ? '?' : static_cast<char>('0' + a.Kind));
      s.Text(Get(p, "font2"), x + 15, y + 15, glyph);
      s.Text(Get(p, "font2"), x + 14, y + 15, glyph);
    }
  }
  const int cx = 91 + 40 * 4, cy = 67 + 40 * 5;
  s.Frame(cx, cy, cx + 40, cy + 40, 0xFFFFC8);
  s.Frame(cx + 1, cy + 1, cx + 39, cy + 39, 0x696996);
  s.Box(591, 132, 623, 135, 0xFF0000);
  s.Frame(591, 132, 623, 135, 0x800000);
  s.Draw(Get(p, "plochaL"), 0, 0);
  s.Draw(Get(p, "plochaH"), 91, 0);
  s.Draw(Get(p, "plochaD"), 91, 467);
  s.Draw(Get(p, "plochaS"), 571, 67);
  s.Draw(Get(p, "plochaP"), 627, 67);
  s.Text(Get(p, "font1"), 407, 18, "0012850");
  s.Text(Get(p, "font1"), 100, 18, "02:47");
  s.Text(Get(p, "font1"), 300, 18, "07");
}

void DrawMenuLabels(TPreviewScreen& s, const TPictureMap& p, const std::vector<std::string>& labels,
                    int firstY, int selected) {
  for (size_t k = 0; k < labels.size(); ++k) {
    s.Text(Get(p, "font1"), 30, firstY + 45 * static_cast<int>(k), labels[k],
           static_cast<int>(k) + 1 == selected ? 255 : 120);
  }
}

void DrawMesh(TPreviewScreen& s, int left, int top, int right, int bottom) {
  for (int x = left; x < right; x += 2) {
    for (int y = top; y < bottom; ++y) s.Pixel(x, y, 0x101010);
  }
  for (int y = top; y < bottom; y += 2) {
    for (int x = left; x < right; ++x) s.Pixel(x, y, 0x101010);
  }
}

const std::vector<std::string> kMainLabels = {"start", "nastaveni", "sin slavy", "informace",
                                              "konec"};

void DrawModes(TPreviewScreen& s, const TPictureMap& p) {
  s.Draw(Get(p, "menu"), 0, 0);
  DrawMenuLabels(s, p, {"arkada", "bitva", "destrukce", "trenink a", "trenink b"}, 234, 2);
  DrawMesh(s, 320, 234, 620, 442);
  const char* lines[] = {"- postupne zrychlovani",
                         "- casove neomezene urovne",
                         "",
                         "tento mod se odehrava jen",
                         "v jednom kole.jeho ucelem",
                         "je vydrzet co nejdele",
                         "a dosahnout nejvyssiho",
                         "skore.v poslednich fazich",
                         "vyzaduje vysokou zrucnost.",
                         "",
                         "",
                         "",
                         "",
                         "[esc] - navrat do menu"};
  for (int k = 1; k <= 14; ++k) s.Text(Get(p, "font2"), 330, 230 + 14 * k, lines[k - 1]);
}

void DrawInfo(TPreviewScreen& s, const TPictureMap& p) {
  s.Draw(Get(p, "menu"), 0, 0);
  for (int k = 1; k <= 5; ++k) s.Text(Get(p, "font1"), 30, 189 + 45 * k, kMainLabels[k - 1], 90);
  DrawMesh(s, 40, 100, 600, 440);
  s.Text(Get(p, "font2"), 50, 112, "arkada           bitva            destrukce      ");
  s.Text(Get(p, "font2"), 50, 125, "---------------  ---------------  ---------------");
  for (int r = 0; r < 10; ++r) {
    s.Text(Get(p, "font2"), 50, 145 + 25 * r,
           "pavel......" + std::to_string(9000 - 700 * r) + "  jana........" +
               std::to_string(900 - 70 * r) + "  ota........." + std::to_string(500 + r));
  }
  s.Text(Get(p, "font2"), 50, 405, std::string(49, '-'));
  s.Text(Get(p, "font2"), 50, 419, "[esc] - navrat do menu");
  s.Text(Get(p, "font2"), 590, 102, "^");
  s.Text(Get(p, "font2"), 590, 428, "_");
}

void DrawIntro(TPreviewScreen& s, const TPictureMap& p) {
  s.Fill(0);
  s.Draw(Get(p, "DK-napis"), 115, 225);
  s.Draw(Get(p, "DK-logo"), 20, 199);
  s.Draw(Get(p, "DK-uvadi"), 288, 265);
}

void DrawNames(TPreviewScreen& s, const TPictureMap& p) {
  s.Fill(0);
  for (int i = 1; i <= 279; ++i) {
    for (int y = 40; y < 439; ++y) s.Pixel(2 * i + 41, y, 0x0F0F0F);
  }
  for (int i = 1; i <= 199; ++i) {
    for (int x = 40; x < 599; ++x) s.Pixel(x, 2 * i + 41, 0x0F0F0F);
  }
  const std::string keys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.%&";
  s.Frame(133 + 50 * 6, 91 + 40 * 4, 159 + 50 * 6, 119 + 40 * 4, 0xFFFF90);
  s.Frame(40, 40, 600, 440, 0xFFFFFF);
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 8; ++c) {
      const std::string key(1, keys[8 * (r - 1) + c - 1]);
      s.Text(Get(p, "font2"), 140 + 50 * (c - 1), 100 + 40 * (r - 1), key);
      s.Text(Get(p, "font2"), 141 + 50 * (c - 1), 100 + 40 * (r - 1), key);
    }
  }
  s.Text(Get(p, "font1"), 242, 25, "KONEC");
  s.Text(Get(p, "font1"), (640 - 31 * 5) / 2, 310, "12850");
  s.Text(Get(p, "font1"), (640 - 31 * 3) / 2, 375, "EVA");
}

}  // namespace

std::vector<std::string> WritePreviews(const std::vector<TPictureEntry>& pictures,
                                       const std::string& directory) {
  TPictureMap map;
  for (const TPictureEntry& entry : pictures) map[entry.Name] = &entry;
  std::vector<std::string> written;
  auto save = [&](const std::string& name, const TPicture& picture) {
    WritePng(directory + "/" + name, picture);
    written.push_back(directory + "/" + name);
  };
  TPreviewScreen screen;
  DrawPlay(screen, map, true);
  save("play.png", screen.Picture());
  DrawPlay(screen, map, false);
  save("play-plain.png", screen.Picture());
  screen.Draw(Get(map, "menu"), 0, 0);
  DrawMenuLabels(screen, map, kMainLabels, 234, 1);
  save("menu.png", screen.Picture());
  DrawModes(screen, map);
  save("modes.png", screen.Picture());
  DrawInfo(screen, map);
  save("info.png", screen.Picture());
  DrawIntro(screen, map);
  save("intro.png", screen.Picture());
  DrawNames(screen, map);
  save("names.png", screen.Picture());
  for (const char* font : {"font1", "font2"})
    save(std::string(font) + ".png", Get(map, font).Picture);
  return written;
}
