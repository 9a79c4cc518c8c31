#pragma once
// Where the program's own files (the stroke font in Dane/, the examples in
// Przykłady/) lie: beside the executable in the build folder, under
// share/quarvi/ of the prefix it is installed into.
#include <filesystem>

std::filesystem::path FolderDanych(const std::filesystem::path& folderProgramu);
