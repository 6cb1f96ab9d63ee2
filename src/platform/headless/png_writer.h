// Writing a surface as an 8-bit RGB PNG file (the runner's screenshots).
#pragma once
#include <string>

class TDirectDrawSurface;

// Returns false (with the reason in error) when the file cannot be written.
bool WriteSurfacePng(const TDirectDrawSurface& surface, const std::string& path,
                     std::string& error);
