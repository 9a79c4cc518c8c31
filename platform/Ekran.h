#pragma once
// Whether the window can be shown at all: asked before Qt starts, since Qt
// aborts when its platform cannot connect to a display.

// True when Qt's platform needs no display (QT_QPA_PLATFORM offscreen,
// minimal, vnc …), when WAYLAND_DISPLAY is set, or when DISPLAY names an X
// server that accepts a connection (a local one is tried; a remote one is
// taken on trust).
bool JestEkran();

// The one Polish line the program prints when there is no display.
extern const char* const KomunikatBrakEkranu;
