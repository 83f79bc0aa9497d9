#pragma once

#include <SupportDefs.h>

// The application's signature, the names the desktop and gettext know it by,
// and the codes its menu items send.
inline constexpr uint32 kAppSignature = 'dcwt';
inline constexpr const char* kDesktopId = TAVRIN_APP_ID;
inline constexpr const char* kCatalogName = "tavrin";
inline constexpr uint32 kMsgAbout = 'bout';
inline constexpr uint32 kMsgNewGame = 'rset';
inline constexpr uint32 kMsgQuit = 'quit';
inline constexpr uint32 kMsgPlaceholder = 'puls'; // the Edit items, which do nothing
