// The box that offers to open the game's web site in the player's browser.
#pragma once
#include "platform/services.h"

namespace dialogs {

constexpr const char* kWebSite = "https://vantello.example.org/";

// Asks first; when no browser starts, tells the player the address instead.
void ShowWebSiteDialog(const platform::Services& desk);

}  // namespace dialogs
