#pragma once
// Every window of the program, created once at start, main window first, and
// kept for the whole run; the dialogs follow it here in their start-up order
// as they come. UruchomOkno is the window program's main().
#include <memory>
#include <string>

struct TProgram;
struct TOtoczenie;
class TQuarvi;

struct TOkna {
    TOkna(TProgram& program, TOtoczenie& otoczenie);
    ~TOkna();
    std::unique_ptr<TQuarvi> Quarvi;
};

// Starts the window, with the task file `plik` open when it is not empty,
// and runs until the window closes; returns the exit code. A platform named
// in QT_QPA_PLATFORM that cannot start gives way to one that can (with a line
// on stderr); with none it says so on stderr and returns 1 before Qt starts.
int UruchomOkno(int& argc, char** argv, const std::string& plik);
