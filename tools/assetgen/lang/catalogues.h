// The text catalogues of the data set: the built-in Czech one and every translation in a folder,
// each checked against the fonts and pictures it will be drawn with.
#pragma once
#include <string>
#include <vector>

#include "media/container_writer.h"

// Problems of one catalogue, each naming the key: a character its font has no glyph for (after
// the upper-casing the drawing code does), a number's place left out, a key no text has, a
// picture the data set lacks.
std::vector<std::string> CheckCatalogue(const std::string& content,
                                        const std::vector<TPictureEntry>& pictures);

// Writes lang/cs.txt and a copy of every *.txt of `sourceDirectory` (when given) into
// `directory`/lang; returns the paths. Throws std::runtime_error naming the file and the
// problems when a catalogue fails its check.
std::vector<std::string> WriteCatalogues(const std::string& directory,
                                         const std::string& sourceDirectory,
                                         const std::vector<TPictureEntry>& pictures);
