#pragma once
// What must hold for any bytes given to the reader; shared by the fuzz
// target and the replay of its corpus.
#include <string>
#include <string_view>

// Empty when the reader either refused the bytes with a message, or returned
// a task within the tables that writes, reads back and writes again to the
// same bytes. Otherwise a description of what went wrong.
std::string SprawdzOdczyt(std::string_view bajty);
