#include "platform/FolderDanych.h"

std::filesystem::path FolderDanych(const std::filesystem::path& folderProgramu)
{
    std::error_code e;
    // The build folder: everything beside the executable.
    if (std::filesystem::is_directory(folderProgramu / "Dane", e))
        return folderProgramu;
    // Installed: the data folder as far from bin/ as the install rules put it.
    return (folderProgramu / QUARVI_DANE_WZGLEDNIE).lexically_normal();
}
