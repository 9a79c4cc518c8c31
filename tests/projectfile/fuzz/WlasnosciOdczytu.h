#pragma once
#include <string>
#include <string_view>

// For the fuzz target and its corpus replay: empty when the reader refused the bytes with a message or
// returned a sound task that writes, reads back and writes again to the same bytes; else what went wrong.
std::string SprawdzOdczyt(std::string_view bajty);
