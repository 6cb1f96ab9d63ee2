// UTF-8 and the UTF-16 that Windows' wide calls take.
#pragma once
#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
