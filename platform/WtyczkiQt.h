#pragma once
// The platform plugins Qt would find, asked without starting Qt.
#include <string>
#include <vector>

// The keys of the platform plugins in Qt's plugin folders and in
// QT_QPA_PLATFORM_PLUGIN_PATH, in lower case ("xcb", "offscreen" …).
std::vector<std::string> WtyczkiPlatform();
