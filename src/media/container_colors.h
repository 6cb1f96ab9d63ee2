// The colour identifiers a container may give for a transparent colour (clFuchsia, clBtnFace, ...).
#pragma once
#include <optional>
#include <string_view>

#include "media/color.h"

// Matched without regard to case; nullopt for an unknown identifier.
std::optional<TColor> ColorFromIdentifier(std::string_view identifier);
// The identifier naming this exact value, if any.
std::optional<std::string_view> IdentifierFromColor(TColor color);
